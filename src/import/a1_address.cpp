#include "import/a1_address.h"

#include <algorithm>

#include "import/uti_func.h"
#include "text/char_class.h"
#include "text/token_splitter.h"
#include "text/text_format.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

constexpr int32_t kFirstVersionWithAppliesTo = 12;
constexpr size_t kMaxColumnLetters = 3;   // XFD
constexpr size_t kMaxRowDigits = 7;       // 1048576
constexpr size_t kMinReferenceToken = 2;  // "A1"
constexpr size_t kMaxReferenceToken = 12; // "$XFD1048576"

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
int32_t LetterValue(char16_t c) { return (c >= u'a' ? c - u'a' : c - u'A') + 1; }

// Characters that continue a token. Besides letters, digits and "$", the characters a defined
// name may hold ("_", ".", "\" and letters beyond ASCII) keep "Rate_A1" or "税A1" whole, so the
// "A1" inside a name is never taken for a reference.
bool IsTokenChar(char16_t c) {
  return IsLetter(c) || IsDigit(c) || c == u'$' || c == u'_' || c == u'.' || c == u'\\' || c >= 0x80;
}

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// A cell reference read from pos on: column letters, an optional "$", the row digits; end is
// the position after what was read. column is 0 when there are no letters or too many.
struct CellParts {
  int32_t column = 0;
  bool rowAbsolute = false;
  int64_t row = 0;
  size_t rowDigits = 0;
  size_t end = 0;
};

CellParts ReadCellParts(std::u16string_view text, size_t pos) {
  CellParts parts;
  size_t letters = 0;
  while (pos < text.size() && IsLetter(text[pos]) && letters <= kMaxColumnLetters) {
    parts.column = parts.column * 26 + LetterValue(text[pos]);
    ++pos;
    ++letters;
  }
  if (letters == 0 || letters > kMaxColumnLetters) {
    parts.column = 0;
    parts.end = pos;
    return parts;
  }
  if (pos < text.size() && text[pos] == u'$') {
    parts.rowAbsolute = true;
    ++pos;
  }
  while (pos < text.size() && IsDigit(text[pos])) {
    // More digits than any row has make the row unusable rather than overflowing.
    if (parts.rowDigits < kMaxRowDigits + 1) parts.row = parts.row * 10 + (text[pos] - u'0');
    ++parts.rowDigits;
    ++pos;
  }
  if (parts.rowDigits > kMaxRowDigits) parts.row = int64_t{kA1MaxRow} + 1;
  parts.end = pos;
  return parts;
}

void ShowFailedAddress(int32_t cellRow, int32_t cellColumn) {
  ShowWarning(FormatText(u"Failed to get the absolute address: %d, %d.",
                         {int64_t{cellRow}, int64_t{cellColumn}}));
}

// The top-left corner of an applies-to text: the smallest row of its parts and, separately, the
// smallest column. A part that cannot be read counts as row 0 and column 0.
void TopLeftOf(std::u16string_view appliesTo, int32_t* topRow, int32_t* topColumn) {
  // Beyond the grid, so that any real corner replaces it (a sheet has rows past 65535).
  *topRow = kA1MaxRow + 1;
  *topColumn = kA1MaxColumn + 1;
  for (const std::u16string& piece : SplitTokens(appliesTo, u",")) {
    const std::u16string_view part = Trim(piece);
    int32_t row = 0, column = 0;
    if (part.find(u':') != std::u16string_view::npos && part.find(u':') > 0) {
      if (!ParseRangeStart(part, &row, &column)) row = column = 0;
      if (row <= *topRow) *topRow = row;
      if (column <= *topColumn) *topColumn = column;
    } else {
      if (!ParseAbsoluteCell(part, &row, &column)) row = column = 0;
      if (row <= *topRow && column <= *topColumn) {
        *topRow = row;
        *topColumn = column;
      }
    }
  }
}

}  // namespace

// Columns past ZZ get three letters, as Excel names them, rather than running past "Z" into
// punctuation; every positive column therefore has a text.
std::u16string MakeAbsoluteAddress(int32_t row, int32_t column) {
  if (row < 1 || column < 1) {
    ShowWarning(u"The row index and column index should be a positive number.");
    return {};
  }
  return u"$" + CUtiFunc::ColumnLetters(column) + u"$" + DecimalText(row);
}

// The "$" before the row is optional, and a third column letter is read (Excel 2007 and later
// have columns up to XFD); a row beyond the sheet's digits reads as a row past the last one.
bool ParseAbsoluteCell(std::u16string_view text, int32_t* row, int32_t* column) {
  const size_t dollar = text.find(u'$');
  if (dollar == std::u16string_view::npos) return false;
  const CellParts parts = ReadCellParts(text, dollar + 1);
  if (parts.column == 0) return false;
  *column = parts.column;
  *row = static_cast<int32_t>(parts.row);
  return true;
}

bool ParseRangeStart(std::u16string_view text, int32_t* row, int32_t* column) {
  return ParseAbsoluteCell(text, row, column);
}

std::u16string RebaseReference(std::u16string_view token, int32_t cellRow, int32_t cellColumn,
                               int32_t topRow, int32_t topColumn) {
  const std::u16string unchanged(token);
  if (std::count(token.begin(), token.end(), u'$') > 1) return unchanged;
  size_t pos = 0;
  const bool columnAbsolute = !token.empty() && token[0] == u'$';
  if (columnAbsolute) ++pos;
  const CellParts parts = ReadCellParts(token, pos);
  // The whole token must be the reference: "A1B" or "R2D2" are names, never cells with a tail.
  if (parts.column == 0 || parts.rowDigits == 0 || parts.end != token.size()) return unchanged;
  if (parts.column > kA1MaxColumn || parts.row < 1 || parts.row > kA1MaxRow) return unchanged;
  const bool rowRelative = !parts.rowAbsolute;
  const bool columnRelative = !columnAbsolute;
  if (!rowRelative && !columnRelative) return unchanged;

  int64_t row = parts.row;
  int64_t column = parts.column;
  if (rowRelative) row = topRow > 0 ? int64_t{cellRow} + row - topRow : cellRow;
  if (columnRelative) column = topColumn > 0 ? int64_t{cellColumn} + column - topColumn : cellColumn;
  // A reference moved past the last row or column cannot exist on the sheet any more than one
  // moved before the first: both fall back to the cell itself.
  if (row > 0 && column > 0 && row <= kA1MaxRow && column <= kA1MaxColumn) {
    return MakeAbsoluteAddress(static_cast<int32_t>(row), static_cast<int32_t>(column));
  }
  ShowFailedAddress(cellRow, cellColumn);
  return MakeAbsoluteAddress(cellRow, cellColumn);
}

std::u16string RebaseFormula(std::u16string_view formula, std::u16string_view cellAddress,
                             std::u16string_view appliesTo, int32_t excelVersion) {
  const std::u16string unchanged(formula);
  if (excelVersion < kFirstVersionWithAppliesTo || cellAddress.size() < 2) return unchanged;
  int32_t cellRow = 0, cellColumn = 0;
  if (!ParseAbsoluteCell(cellAddress, &cellRow, &cellColumn) || cellRow <= 0 || cellColumn <= 0) {
    return unchanged;
  }
  int32_t topRow = 0, topColumn = 0;
  TopLeftOf(appliesTo, &topRow, &topColumn);
  if (formula.size() >= kRebaseBufferUnits) return unchanged;

  std::u16string out;
  out.reserve(formula.size() + 16);
  size_t i = 0;
  while (i < formula.size()) {
    const char16_t c = formula[i];
    // Text constants ("A1" in quotes) and quoted sheet names are copied as they are; a doubled
    // quote inside them closes and reopens, which copies it unchanged too.
    if (c == u'"' || c == u'\'') {
      const size_t close = formula.find(c, i + 1);
      const size_t end = close == std::u16string_view::npos ? formula.size() : close + 1;
      out.append(formula.substr(i, end - i));
      i = end;
      continue;
    }
    if (!IsTokenChar(c)) {
      out += c;
      ++i;
      continue;
    }
    size_t end = i;
    while (end < formula.size() && IsTokenChar(formula[end])) ++end;
    const std::u16string_view token = formula.substr(i, end - i);
    // A token right before "(" is a function name, even one that reads as a cell (LOG10).
    const bool function = end < formula.size() && formula[end] == u'(';
    const bool candidate = (IsLetter(token[0]) || token[0] == u'$') && token.size() >= kMinReferenceToken &&
                           token.size() <= kMaxReferenceToken &&
                           std::count(token.begin(), token.end(), u'$') <= 1 && !function;
    out += candidate ? RebaseReference(token, cellRow, cellColumn, topRow, topColumn) : std::u16string(token);
    i = end;
  }
  // Rewriting can lengthen a formula past the buffer. Cut, it could not be evaluated at all, so
  // it is evaluated as read; for a formula read with the cell active that is the same formula.
  if (out.size() >= kRebaseBufferUnits) return unchanged;
  return out;
}

std::u16string FitWholeAreas(const std::u16string& text, size_t limit) {
  if (text.size() <= limit) return text;
  const size_t comma = text.rfind(u',', limit);
  return text.substr(0, comma == std::u16string::npos || comma == 0 ? limit : comma);
}

}  // namespace vk
