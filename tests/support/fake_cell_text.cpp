#include "fake_cell_text.h"

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The 15 significant digits Excel keeps of a number, and its decimal exponent: 0.0212 is
// digits "212000000000000", exponent -2.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits SignificantDigits(double magnitude) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14E", magnitude);
  const std::string text = buffer;  // d.ddddddddddddddE±xx
  return {text.substr(0, 1) + text.substr(2, 14), std::atoi(text.c_str() + 17)};
}

// The first `keep` digits rounded half up on the decimal digits (as Excel rounds what it shows,
// not the binary value); true when the rounding carried into a new leading digit.
bool RoundDigits(const std::string& digits, int keep, std::string& out) {
  if (keep <= 0) {
    out = keep == 0 && digits[0] >= '5' ? "1" : "";
    return !out.empty();
  }
  out = digits.substr(0, static_cast<size_t>(std::min<int>(keep, 15)));
  while (static_cast<int>(out.size()) < keep) out += '0';
  if (keep >= 15 || digits[static_cast<size_t>(keep)] < '5') return false;
  for (int i = keep - 1; i >= 0; --i) {
    if (out[static_cast<size_t>(i)] != '9') {
      ++out[static_cast<size_t>(i)];
      return false;
    }
    out[static_cast<size_t>(i)] = '0';
  }
  out.insert(out.begin(), '1');
  return true;
}

void StripZeros(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
}

std::string Scientific(const Digits& d, int room) {
  int exponent = d.exponent;
  std::string mantissa;
  for (int pass = 0; pass < 2; ++pass) {
    char power[16];
    std::snprintf(power, sizeof power, "E%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    const int decimals = std::max(0, room - static_cast<int>(std::strlen(power)) - 2);
    std::string kept;
    if (RoundDigits(d.digits, 1 + decimals, kept) && pass == 0) {
      exponent += 1;  // 9.999996 became 10.00000: one place up, measured again
      continue;
    }
    mantissa = kept.substr(0, 1);
    if (decimals > 0) mantissa += "." + kept.substr(1, static_cast<size_t>(decimals));
    StripZeros(mantissa);
    return mantissa + power;
  }
  return mantissa;
}

}  // namespace

std::u16string GeneralText(double value, int width) {
  if (value == 0 || !std::isfinite(value)) return u"0";
  const std::string sign = value < 0 ? "-" : "";
  const int room = width - static_cast<int>(sign.size());
  const Digits d = SignificantDigits(std::fabs(value));
  const int integerDigits = d.exponent >= 0 ? d.exponent + 1 : 1;
  if (d.exponent >= -4 && integerDigits <= room) {
    const int decimals = std::max(0, room - integerDigits - 1);
    std::string kept;  // the digits of value x 10^decimals, rounded
    RoundDigits(d.digits, d.exponent + 1 + decimals, kept);
    if (kept.empty()) kept = "0";
    if (static_cast<int>(kept.size()) <= decimals) kept.insert(0, static_cast<size_t>(decimals) + 1 - kept.size(), '0');
    std::string text = kept.substr(0, kept.size() - static_cast<size_t>(decimals));
    if (decimals > 0) text += "." + kept.substr(kept.size() - static_cast<size_t>(decimals));
    StripZeros(text);
    if (static_cast<int>(text.size()) <= room && text != "0") return Utf16(sign + text);
  }
  return Utf16(sign + Scientific(d, room));
}

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
    case VarType::R8:
      if (cell->format.numberFormat == u"General") return GeneralText(cell->value.DoubleValue());
      return ConstantText(cell->value);
    default: return ConstantText(cell->value);
  }
}

std::vector<FakeFontFace> CharacterFaces(const FakeCell* cell, const FakeFontFace& standard) {
  if (cell == nullptr) return {standard};
  const FakeFontFace own = cell->format.font.Over(standard);
  if (cell->format.characters.empty()) return {own};
  std::vector<FakeFontFace> faces;
  faces.reserve(cell->format.characters.size());
  for (const FakeFontFace& face : cell->format.characters) faces.push_back(face.Over(own));
  return faces;
}

}  // namespace vk::fake
