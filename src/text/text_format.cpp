#include "text/text_format.h"

#include <string>

#include <cstdio>

namespace vk {

std::u16string Widen(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out.push_back(static_cast<unsigned char>(c));
  return out;
}

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args) {
  std::u16string out;
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    char16_t c = format[i];
    if (c != u'%' || i + 1 >= format.size()) {
      out.push_back(c);
      continue;
    }
    char16_t directive = format[++i];
    if (directive == u'l' && i + 1 < format.size()) directive = format[++i];
    if (directive == u'%') {
      out.push_back(u'%');
      continue;
    }
    if (next == args.end()) continue;
    const FormatArg& arg = *next++;
    if (directive == u's') {
      if (auto* text = std::get_if<std::u16string_view>(&arg)) out.append(*text);
      continue;
    }
    const int64_t* number = std::get_if<int64_t>(&arg);
    if (number == nullptr) continue;
    char buffer[32];
    switch (directive) {
      case u'x':
        std::snprintf(buffer, sizeof buffer, "%x", static_cast<uint32_t>(*number));
        break;
      case u'u':
        std::snprintf(buffer, sizeof buffer, "%u", static_cast<uint32_t>(*number));
        break;
      case u'c':
        out.push_back(static_cast<char16_t>(*number));
        continue;
      default:
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(*number));
        break;
    }
    out.append(Widen(buffer));
  }
  return out;
}

bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; };
  for (size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::u16string DecimalText(int64_t number) { return Widen(std::to_string(number)); }

std::u16string ColumnLetters(int64_t column) {
  std::u16string letters;
  for (int64_t n = column; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char16_t>(u'A' + (n - 1) % 26));
  }
  return letters;
}

}  // namespace vk
