// Any displayed text, any field size: EscapeCellText never writes past its capacity, never
// leaves an escape without its character or half a surrogate pair at the cut, and unescaping
// what it wrote gives back a prefix of the text. The text field of a record is the usual case.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "import/cell_text.h"
#include "link/cell_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vk;
  if (size < 2) return 0;
  const size_t capacity = data[0] == 0xFF ? 4096 : data[0];  // mostly small fields, to reach the cut
  std::u16string text;
  for (size_t i = 1; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

  std::vector<char16_t> buffer(capacity + 8, u'#');
  const size_t written = EscapeCellText(text, buffer.data(), capacity);
  fuzz::Check(capacity == 0 ? written == 0 : written < capacity);
  for (size_t i = written; i < buffer.size(); ++i) fuzz::Check(buffer[i] == u'#');

  std::u16string plain;
  for (size_t i = 0; i < written; ++i) {
    const char16_t c = buffer[i];
    if (NeedsCellEscape(c)) {
      fuzz::Check(c == u'\\' && i + 1 < written && NeedsCellEscape(buffer[i + 1]));
      plain.push_back(buffer[++i]);
    } else {
      plain.push_back(c);
    }
  }
  fuzz::Check(text.compare(0, plain.size(), plain) == 0);
  if (!plain.empty() && plain.size() < text.size()) {
    const char16_t last = plain.back();
    fuzz::Check(!(last >= 0xD800 && last <= 0xDBFF && text[plain.size()] >= 0xDC00 && text[plain.size()] <= 0xDFFF));
  }
  if (plain.size() == text.size()) return 0;
  // Cut: the next character would not have fitted.
  const char16_t next = text[plain.size()];
  const bool pair = next >= 0xD800 && next <= 0xDBFF && plain.size() + 1 < text.size() &&
                    text[plain.size() + 1] >= 0xDC00 && text[plain.size() + 1] <= 0xDFFF;
  fuzz::Check(capacity == 0 || written + (NeedsCellEscape(next) || pair ? 2 : 1) > capacity - 1);

  // Into a cleared record's field, the terminator always stays.
  CellRecord record{};
  EscapeCellText(text, record.text, sizeof record.text / sizeof record.text[0]);
  fuzz::Check(record.text[4095] == u'\0');
  return 0;
}
