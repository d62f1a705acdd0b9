#include "fake_formula_shift.h"

#include "a1_text.h"
#include "cell_area.h"

namespace vk::fake {
namespace {

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsNameChar(char16_t c) {
  return IsLetter(c) || IsDigit(c) || c == u'$' || c == u'_' || c == u'.' || c == u'\\' || c >= 0x80;
}

int32_t Wrap(int64_t value, int32_t limit) {
  const int64_t zeroBased = ((value - 1) % limit + limit) % limit;
  return static_cast<int32_t>(zeroBased + 1);
}

// "B1", "$B1", "B$1" or "$B$1" moved; anything else as it is.
std::u16string ShiftToken(std::u16string_view token, int32_t rows, int32_t columns) {
  size_t i = 0;
  const bool columnAbsolute = i < token.size() && token[i] == u'$';
  if (columnAbsolute) ++i;
  const size_t letters = i;
  while (i < token.size() && IsLetter(token[i])) ++i;
  const std::u16string_view columnText = token.substr(letters, i - letters);
  const bool rowAbsolute = i < token.size() && token[i] == u'$';
  if (rowAbsolute) ++i;
  const size_t digits = i;
  while (i < token.size() && IsDigit(token[i])) ++i;
  if (columnText.empty() || columnText.size() > 3 || i == digits || i != token.size() || i - digits > 7) {
    return std::u16string(token);
  }
  int32_t column = ColumnNumber(columnText);
  int64_t row = 0;
  for (size_t k = digits; k < i; ++k) row = row * 10 + (token[k] - u'0');
  if (column == 0 || row < 1 || row > kMaxRow) return std::u16string(token);
  if (!columnAbsolute) column = Wrap(int64_t{column} + columns, kMaxColumn);
  if (!rowAbsolute) row = Wrap(row + rows, kMaxRow);
  std::u16string out;
  if (columnAbsolute) out += u'$';
  out += ColumnLetters(column);
  if (rowAbsolute) out += u'$';
  for (char c : std::to_string(row)) out += static_cast<char16_t>(c);
  return out;
}

}  // namespace

std::u16string ShiftFormula(std::u16string_view formula, int32_t rows, int32_t columns) {
  std::u16string out;
  size_t i = 0;
  while (i < formula.size()) {
    const char16_t c = formula[i];
    if (c == u'"' || c == u'\'') {
      const size_t close = formula.find(c, i + 1);
      const size_t end = close == std::u16string_view::npos ? formula.size() : close + 1;
      out.append(formula.substr(i, end - i));
      i = end;
    } else if (IsNameChar(c)) {
      size_t end = i;
      while (end < formula.size() && IsNameChar(formula[end])) ++end;
      const std::u16string_view token = formula.substr(i, end - i);
      const bool function = end < formula.size() && formula[end] == u'(';
      out += function ? std::u16string(token) : ShiftToken(token, rows, columns);
      i = end;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace vk::fake
