#include "fake_cell_text.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "utf_text.h"

namespace vk::fake {
namespace {

std::u16string ErrorName(int64_t scode) {
  switch (scode & 0xFFFF) {
    case 2000: return u"#NULL!";
    case 2007: return u"#DIV/0!";
    case 2015: return u"#VALUE!";
    case 2023: return u"#REF!";
    case 2029: return u"#NAME?";
    case 2036: return u"#NUM!";
    default: return u"#N/A";
  }
}

// OLE serial date (day 0 = 1899-12-30) to m/d/yyyy.
std::u16string DateText(double serial) {
  const long days = static_cast<long>(std::floor(serial)) - 25569 + 719468;  // days since 0000-03-01
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long doe = days - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const long day = doy - (153 * mp + 2) / 5 + 1;
  const long month = mp < 10 ? mp + 3 : mp - 9;
  const long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return Utf16(std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year));
}

std::u16string CurrencyText(int64_t scaled) {
  const bool negative = scaled < 0;
  const int64_t cents = ((negative ? -scaled : scaled) + 50) / 100;  // CY holds 1/10000
  std::string whole = std::to_string(cents / 100);
  for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(static_cast<size_t>(i), ",");
  char fraction[8];
  std::snprintf(fraction, sizeof fraction, ".%02lld", static_cast<long long>(cents % 100));
  return Utf16((negative ? "($" : "$") + whole + fraction + (negative ? ")" : ""));
}

}  // namespace

std::u16string ConstantText(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty: return {};
    case VarType::Bstr: return value.StringValue();
    case VarType::Bool: return value.BoolValue() ? u"TRUE" : u"FALSE";
    case VarType::Error: return ErrorName(value.IntegerValue());
    default: {
      char buffer[40];
      std::snprintf(buffer, sizeof buffer, "%.15G", value.ToDouble());
      return Utf16(buffer);
    }
  }
}

std::u16string DisplayText(const FakeCell* cell) {
  if (cell == nullptr) return {};
  if (cell->format.text) return *cell->format.text;
  switch (cell->value.Type()) {
    case VarType::Date: return DateText(cell->value.DoubleValue());
    case VarType::Cy: return CurrencyText(cell->value.IntegerValue());
    default: return ConstantText(cell->value);
  }
}

std::vector<FakeFontFace> CharacterFaces(const FakeCell* cell) {
  const FakeFontFace standard = FakeFontFace::Standard();
  if (cell == nullptr) return {standard};
  const FakeFontFace own = cell->format.font.Over(standard);
  if (cell->format.characters.empty()) return {own};
  std::vector<FakeFontFace> faces;
  faces.reserve(cell->format.characters.size());
  for (const FakeFontFace& face : cell->format.characters) faces.push_back(face.Over(own));
  return faces;
}

}  // namespace vk::fake
