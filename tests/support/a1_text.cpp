#include "a1_text.h"

#include <algorithm>

#include "utf_text.h"

namespace vk::fake {
namespace {

std::u16string Number(int64_t value) {
  std::u16string out;
  const std::string digits = std::to_string(value);
  out.assign(digits.begin(), digits.end());
  return out;
}

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// One side of an area: "$A$1", "A", "$3". Row or column is 0 when absent.
struct Corner {
  int32_t row = 0;
  int32_t column = 0;
};

std::optional<Corner> ParseCorner(std::u16string_view text) {
  Corner corner;
  size_t i = 0;
  if (i < text.size() && text[i] == u'$') ++i;
  size_t start = i;
  while (i < text.size() && IsLetter(text[i])) ++i;
  if (i > start) {
    corner.column = ColumnNumber(text.substr(start, i - start));
    if (corner.column == 0) return std::nullopt;
  }
  bool rowMarked = false;
  if (corner.column != 0 && i < text.size() && text[i] == u'$') {
    ++i;
    rowMarked = true;
  }
  start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (rowMarked && i == start) return std::nullopt;  // "A$" names no row
  if (i > start) {
    if (i - start > 7) return std::nullopt;
    int32_t row = 0;
    for (size_t k = start; k < i; ++k) row = row * 10 + (text[k] - u'0');
    if (row < 1 || row > kMaxRow) return std::nullopt;
    corner.row = row;
  }
  if (i != text.size() || (corner.row == 0 && corner.column == 0)) return std::nullopt;
  return corner;
}

std::optional<CellArea> ParseArea(std::u16string_view text) {
  const size_t colon = text.find(u':');
  const auto first = ParseCorner(text.substr(0, colon));
  if (!first) return std::nullopt;
  if (colon == std::u16string_view::npos) {
    if (first->row == 0 || first->column == 0) return std::nullopt;
    return CellArea::Cell(first->row, first->column);
  }
  const auto second = ParseCorner(text.substr(colon + 1));
  if (!second) return std::nullopt;
  CellArea area;
  if (first->row && first->column && second->row && second->column) {
    area = {first->row, first->column, second->row, second->column};
  } else if (!first->row && !second->row) {  // "A:C"
    area = {1, first->column, kMaxRow, second->column};
  } else if (!first->column && !second->column) {  // "3:5"
    area = {first->row, 1, second->row, kMaxColumn};
  } else {
    return std::nullopt;
  }
  // Excel accepts the corners in any order and normalises them.
  return CellArea{std::min(area.row1, area.row2), std::min(area.column1, area.column2),
                  std::max(area.row1, area.row2), std::max(area.column1, area.column2)};
}

// Splits "Sheet1!A1" or "'My sheet'!A1" into sheet and rest; the sheet is empty without "!".
bool SplitSheet(std::u16string_view text, std::u16string& sheet, std::u16string_view& rest) {
  sheet.clear();
  rest = text;
  if (!text.empty() && text[0] == u'\'') {
    size_t i = 1;
    for (; i < text.size(); ++i) {
      if (text[i] == u'\'') {
        if (i + 1 < text.size() && text[i + 1] == u'\'') {
          sheet.push_back(u'\'');
          ++i;
          continue;
        }
        break;
      }
      sheet.push_back(text[i]);
    }
    if (i + 1 >= text.size() || text[i + 1] != u'!') return false;
    rest = text.substr(i + 2);
    return true;
  }
  const size_t bang = text.find(u'!');
  if (bang != std::u16string_view::npos) {
    sheet.assign(text.substr(0, bang));
    rest = text.substr(bang + 1);
  }
  return true;
}

}  // namespace

std::u16string ColumnLetters(int32_t column) {
  std::u16string out;
  while (column > 0) {
    const int32_t digit = (column - 1) % 26;
    out.insert(out.begin(), static_cast<char16_t>(u'A' + digit));
    column = (column - 1) / 26;
  }
  return out;
}

int32_t ColumnNumber(std::u16string_view letters) {
  if (letters.empty() || letters.size() > 3) return 0;
  int32_t column = 0;
  for (char16_t c : letters) {
    if (!IsLetter(c)) return 0;
    column = column * 26 + (FoldCase(c) - u'A' + 1);
  }
  return column <= kMaxColumn ? column : 0;
}

std::optional<ParsedReference> ParseReference(std::u16string_view text) {
  if (!text.empty() && text[0] == u'=') text.remove_prefix(1);
  ParsedReference result;
  bool first = true;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(u',', start);
    std::u16string_view piece =
        text.substr(start, comma == std::u16string_view::npos ? std::u16string_view::npos : comma - start);
    while (!piece.empty() && piece.front() == u' ') piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == u' ') piece.remove_suffix(1);
    std::u16string sheet;
    std::u16string_view rest;
    if (!SplitSheet(piece, sheet, rest)) return std::nullopt;
    if (first) {
      result.sheet = sheet;
    } else if (!sheet.empty() && !SameText(sheet, result.sheet)) {
      return std::nullopt;  // one reference never spans sheets
    }
    const auto area = ParseArea(rest);
    if (!area) return std::nullopt;
    result.areas.push_back(*area);
    first = false;
    if (comma == std::u16string_view::npos) break;
    start = comma + 1;
  }
  return result;
}

std::u16string FormatA1(const CellArea& area, bool rowAbsolute, bool columnAbsolute) {
  const std::u16string rowMark = rowAbsolute ? u"$" : u"";
  const std::u16string columnMark = columnAbsolute ? u"$" : u"";
  auto row = [&](int32_t r) { return rowMark + Number(r); };
  auto column = [&](int32_t c) { return columnMark + ColumnLetters(c); };
  if (area.WholeRows()) return row(area.row1) + u":" + row(area.row2);
  if (area.WholeColumns()) return column(area.column1) + u":" + column(area.column2);
  std::u16string out = column(area.column1) + row(area.row1);
  if (area.Cells() > 1) out += u":" + column(area.column2) + row(area.row2);
  return out;
}

std::u16string FormatR1C1(const CellArea& area, bool rowAbsolute, bool columnAbsolute,
                          int32_t baseRow, int32_t baseColumn) {
  auto part = [](char16_t letter, int32_t value, bool absolute, int32_t base) {
    std::u16string out(1, letter);
    if (absolute) return out + Number(value);
    if (value != base) out += u"[" + Number(int64_t{value} - base) + u"]";
    return out;
  };
  auto row = [&](int32_t r) { return part(u'R', r, rowAbsolute, baseRow); };
  auto column = [&](int32_t c) { return part(u'C', c, columnAbsolute, baseColumn); };
  if (area.WholeRows()) {
    return area.row1 == area.row2 ? row(area.row1) : row(area.row1) + u":" + row(area.row2);
  }
  if (area.WholeColumns()) {
    return area.column1 == area.column2 ? column(area.column1)
                                        : column(area.column1) + u":" + column(area.column2);
  }
  std::u16string out = row(area.row1) + column(area.column1);
  if (area.Cells() > 1) out += u":" + row(area.row2) + column(area.column2);
  return out;
}

}  // namespace vk::fake
