#include "automation/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <utility>

#include "automation/com_error.h"
#include "text/char_class.h"
#include "text/text_format.h"

namespace vk {
namespace {

[[noreturn]] void Fail(int32_t hr) { throw ComError(hr); }

// "&H1A" / "&O17": up to 32 bits, read as a signed 32-bit value (so "&HFFFFFFFF" is -1).
double ParseRadixNumber(std::u16string_view digits, unsigned radix) {
  uint64_t value = 0;
  size_t i = 0;
  for (; i < digits.size(); ++i) {
    char16_t c = digits[i];
    unsigned d = IsDigit(c) ? c - u'0' : (c >= u'a' && c <= u'f') ? c - u'a' + 10 : (c >= u'A' && c <= u'F') ? c - u'A' + 10 : 99;
    if (d >= radix) break;
    value = value * radix + d;
    if (value > 0xFFFFFFFFu) Fail(kDispEOverflow);
  }
  if (i == 0) Fail(kDispETypeMismatch);
  while (i < digits.size() && IsSpace(digits[i])) ++i;
  if (i != digits.size()) Fail(kDispETypeMismatch);
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// A number written as the user's locale writes it (en-US: "," groups, "." decimals), as the
// platform's VarR8FromStr reads it: surrounding blanks, one sign before or after the number
// (or after the currency sign), parentheses for a negative value, a currency sign, digit
// grouping, a fraction, an exponent, or hexadecimal and octal "&H"/"&O" forms. Anything else is
// a type mismatch; a value beyond a double is an overflow.
double ParseNumber(std::u16string_view text) {
  size_t i = 0, n = text.size();
  auto skipSpace = [&] {
    while (i < n && IsSpace(text[i])) ++i;
  };
  skipSpace();
  if (n - i >= 2 && text[i] == u'&') {
    char16_t radix = text[i + 1];
    if (radix == u'H' || radix == u'h') return ParseRadixNumber(text.substr(i + 2), 16);
    if (radix == u'O' || radix == u'o') return ParseRadixNumber(text.substr(i + 2), 8);
  }
  bool negative = false, signSeen = false, parens = false;
  auto takeSign = [&] {
    if (signSeen || i >= n || (text[i] != u'+' && text[i] != u'-')) return;
    negative = negative || text[i] == u'-';
    signSeen = true;
    ++i;
    skipSpace();
  };
  if (i < n && text[i] == u'(') {
    parens = negative = true;
    ++i;
    skipSpace();
  }
  takeSign();
  if (i < n && text[i] == u'$') {
    ++i;
    skipSpace();
    takeSign();
  }
  std::string number;
  bool digits = false;
  for (; i < n && (IsDigit(text[i]) || (digits && text[i] == u',')); ++i) {
    if (text[i] == u',') continue;
    number += static_cast<char>(text[i]);
    digits = true;
  }
  if (i < n && text[i] == u'.') {
    number += '.';
    for (++i; i < n && IsDigit(text[i]); ++i) {
      number += static_cast<char>(text[i]);
      digits = true;
    }
  }
  if (!digits) Fail(kDispETypeMismatch);
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    std::string exponent = "e";
    size_t j = i + 1;
    if (j < n && (text[j] == u'+' || text[j] == u'-')) exponent += static_cast<char>(text[j++]);
    if (j < n && IsDigit(text[j])) {
      for (; j < n && IsDigit(text[j]); ++j) exponent += static_cast<char>(text[j]);
      number += exponent;
      i = j;
    }
  }
  skipSpace();
  if (parens) {
    if (i >= n || text[i] != u')') Fail(kDispETypeMismatch);
    ++i;
    skipSpace();
  }
  takeSign();
  if (i != n) Fail(kDispETypeMismatch);

  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // from_chars also reports underflow this way; a tiny value is simply zero.
    if (number.find("e-") != std::string::npos) return 0.0;
    Fail(kDispEOverflow);
  }
  if (ec != std::errc() || end != number.data() + number.size()) Fail(kDispETypeMismatch);
  if (std::isinf(value)) Fail(kDispEOverflow);
  return negative ? -value : value;
}

// Rounds half to even, as the platform's VarI4FromR8 does.
int32_t RoundToInt32(double d) {
  if (!(d >= -2147483648.5 && d < 2147483647.5)) Fail(kDispEOverflow);
  double whole = std::floor(d);
  double fraction = d - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int32_t>(whole);
}

int32_t CheckedInt32(int64_t v) {
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    Fail(kDispEOverflow);
  return static_cast<int32_t>(v);
}

// Shortest text that reads back within the given significant digits, with the platform's
// exponent form ("1E+20", "1E-05").
std::u16string FormatReal(double value, int digits) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return Widen(text);
}

std::u16string FormatCurrency(int64_t scaled) {
  uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  std::string text = (scaled < 0 ? "-" : "") + std::to_string(magnitude / 10000);
  unsigned fraction = static_cast<unsigned>(magnitude % 10000);
  if (fraction != 0) {
    char digits[8];
    std::snprintf(digits, sizeof digits, ".%04u", fraction);
    std::string tail(digits);
    while (tail.back() == '0') tail.pop_back();
    text += tail;
  }
  return Widen(text);
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(int64_t days, int64_t& year, unsigned& month, unsigned& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(days - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = doy - (153 * mp + 2) / 5 + 1;
  month = mp < 10 ? mp + 3 : mp - 9;
  year = static_cast<int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0);
}

// The user's locale form of an OLE date (en-US, as the product runs): the date alone at
// midnight, the time alone on day zero, otherwise both. The fraction counts from midnight even
// before 1899-12-30, which is how OLE dates store negative days.
std::u16string FormatDate(double oaDate) {
  if (!(oaDate > -657435.0 && oaDate < 2958466.0)) Fail(kDispEOverflow);
  double whole = std::trunc(oaDate);
  int64_t seconds = std::llround(std::fabs(oaDate - whole) * 86400.0);
  int64_t dayNumber = static_cast<int64_t>(whole);
  if (seconds >= 86400) {
    seconds -= 86400;
    dayNumber += oaDate < 0 ? -1 : 1;
  }
  std::string text;
  char part[48];
  if (dayNumber != 0) {
    int64_t year;
    unsigned month, day;
    CivilFromDays(dayNumber - 25569, year, month, day);
    std::snprintf(part, sizeof part, "%u/%u/%lld", month, day, static_cast<long long>(year));
    text = part;
  }
  if (seconds != 0 || dayNumber == 0) {
    unsigned hour = static_cast<unsigned>(seconds / 3600);
    unsigned minute = static_cast<unsigned>(seconds / 60 % 60);
    unsigned second = static_cast<unsigned>(seconds % 60);
    std::snprintf(part, sizeof part, "%s%u:%02u:%02u %s", text.empty() ? "" : " ",
                  hour % 12 == 0 ? 12 : hour % 12, minute, second, hour < 12 ? "AM" : "PM");
    text += part;
  }
  return Widen(text);
}

bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'a' && x <= u'z') x = static_cast<char16_t>(x - 32);
    if (y >= u'a' && y <= u'z') y = static_cast<char16_t>(y - 32);
    if (x != y) return false;
  }
  return true;
}

bool IsSignedInteger(VarType t) {
  return t == VarType::I1 || t == VarType::I2 || t == VarType::I4 || t == VarType::I8 ||
         t == VarType::Int;
}
bool IsUnsignedInteger(VarType t) {
  return t == VarType::UI1 || t == VarType::UI2 || t == VarType::UI4 || t == VarType::UInt;
}

}  // namespace

Variant Variant::Null() {
  Variant v;
  v.type_ = VarType::Null;
  return v;
}

Variant Variant::Error(int32_t scode) {
  Variant v;
  v.type_ = VarType::Error;
  v.integer_ = scode;
  return v;
}

Variant Variant::Missing() { return Error(kDispEParamNotFound); }

Variant Variant::Bool(bool value) {
  Variant v;
  v.type_ = VarType::Bool;
  v.integer_ = value ? -1 : 0;
  return v;
}

Variant Variant::I2(int16_t value) {
  Variant v;
  v.type_ = VarType::I2;
  v.integer_ = value;
  return v;
}

Variant Variant::I4(int32_t value) {
  Variant v;
  v.type_ = VarType::I4;
  v.integer_ = value;
  return v;
}

Variant Variant::I8(int64_t value) {
  Variant v;
  v.type_ = VarType::I8;
  v.integer_ = value;
  return v;
}

Variant Variant::R4(float value) {
  Variant v;
  v.type_ = VarType::R4;
  v.real_ = value;
  return v;
}

Variant Variant::R8(double value) {
  Variant v;
  v.type_ = VarType::R8;
  v.real_ = value;
  return v;
}

Variant Variant::Currency(int64_t scaled) {
  Variant v;
  v.type_ = VarType::Cy;
  v.integer_ = scaled;
  return v;
}

Variant Variant::Date(double oaDate) {
  Variant v;
  v.type_ = VarType::Date;
  v.real_ = oaDate;
  return v;
}

Variant Variant::String(std::u16string value) {
  Variant v;
  v.type_ = VarType::Bstr;
  v.text_ = std::move(value);
  return v;
}

Variant Variant::Object(ObjectPtr object) {
  Variant v;
  v.type_ = VarType::Dispatch;
  v.object_ = std::move(object);
  return v;
}

Variant Variant::Unknown(ObjectPtr object) {
  Variant v;
  v.type_ = VarType::Unknown;
  v.object_ = std::move(object);
  return v;
}

Variant Variant::Integer(VarType type, int64_t value) {
  if (!IsSignedInteger(type) && !IsUnsignedInteger(type) && type != VarType::UI8)
    throw ComError(kEInvalidArg);
  Variant v;
  v.type_ = type;
  v.integer_ = value;
  return v;
}

Variant Variant::Array(std::vector<uint32_t> dims, std::vector<Variant> elements) {
  size_t count = dims.empty() ? 0 : 1;
  for (uint32_t d : dims) count *= d;
  if (dims.empty() || count != elements.size()) throw ComError(kEInvalidArg);
  Variant v;
  v.type_ = VarType::Array;
  v.dims_ = std::move(dims);
  v.elements_ = std::move(elements);
  return v;
}

bool Variant::IsMissing() const noexcept {
  return type_ == VarType::Error && integer_ == kDispEParamNotFound;
}

double Variant::ToDouble() const {
  switch (type_) {
    case VarType::Empty:
      return 0.0;
    case VarType::Bool:
      return integer_ != 0 ? -1.0 : 0.0;
    case VarType::R4:
    case VarType::R8:
    case VarType::Date:
      return real_;
    case VarType::Cy:
      return static_cast<double>(integer_) / 10000.0;
    case VarType::UI8:
      return static_cast<double>(static_cast<uint64_t>(integer_));
    case VarType::Bstr:
      return ParseNumber(text_);
    default:
      if (IsSignedInteger(type_) || IsUnsignedInteger(type_)) return static_cast<double>(integer_);
      Fail(kDispETypeMismatch);
  }
}

int32_t Variant::ToInt32() const {
  switch (type_) {
    case VarType::Empty:
      return 0;
    case VarType::Bool:
      return integer_ != 0 ? -1 : 0;
    case VarType::R4:
    case VarType::R8:
    case VarType::Date:
      return RoundToInt32(real_);
    case VarType::Cy: {
      // Half to even on the exact scaled value, so no binary fraction creeps in.
      int64_t whole = integer_ / 10000, rest = integer_ % 10000;
      if (rest < 0) {
        rest += 10000;
        whole -= 1;
      }
      if (rest > 5000 || (rest == 5000 && whole % 2 != 0)) whole += 1;
      return CheckedInt32(whole);
    }
    case VarType::UI8:
      if (static_cast<uint64_t>(integer_) > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        Fail(kDispEOverflow);
      return static_cast<int32_t>(integer_);
    case VarType::Bstr:
      return RoundToInt32(ParseNumber(text_));
    case VarType::UI4:
    case VarType::UInt:
      // The platform keeps the bits of a 32-bit unsigned value rather than reporting overflow.
      return static_cast<int32_t>(static_cast<uint32_t>(integer_));
    default:
      if (IsSignedInteger(type_) || IsUnsignedInteger(type_)) return CheckedInt32(integer_);
      Fail(kDispETypeMismatch);
  }
}

int32_t Variant::ToInt32Truncated() const {
  double d = std::trunc(ToDouble());
  if (!(d >= -2147483648.0 && d <= 2147483647.0)) Fail(kDispEOverflow);
  return static_cast<int32_t>(d);
}

bool Variant::ToBool() const {
  switch (type_) {
    case VarType::R4:
    case VarType::R8:
    case VarType::Date:
      return real_ != 0.0;
    case VarType::Bstr:
      // The words of the user's language and the English ones, then any number.
      if (EqualsIgnoreCase(text_, u"True")) return true;
      if (EqualsIgnoreCase(text_, u"False")) return false;
      return ParseNumber(text_) != 0.0;
    case VarType::Empty:
    case VarType::Bool:
    case VarType::Cy:
    case VarType::UI8:
      return integer_ != 0;
    default:
      if (IsSignedInteger(type_) || IsUnsignedInteger(type_)) return integer_ != 0;
      Fail(kDispETypeMismatch);
  }
}

std::u16string Variant::ToString() const {
  switch (type_) {
    case VarType::Empty:
      return {};
    case VarType::Bstr:
      return text_;
    case VarType::Bool:
      // Without VARIANT_ALPHABOOL the platform writes a boolean as the number it holds.
      return integer_ != 0 ? u"-1" : u"0";
    case VarType::R4:
      return FormatReal(static_cast<float>(real_), 7);
    case VarType::R8:
      return FormatReal(real_, 15);
    case VarType::Date:
      return FormatDate(real_);
    case VarType::Cy:
      return FormatCurrency(integer_);
    case VarType::UI8:
      return Widen(std::to_string(static_cast<uint64_t>(integer_)));
    default:
      if (IsSignedInteger(type_) || IsUnsignedInteger(type_)) return Widen(std::to_string(integer_));
      Fail(kDispETypeMismatch);
  }
}

bool operator==(const Variant& a, const Variant& b) {
  return a.type_ == b.type_ && a.integer_ == b.integer_ && a.real_ == b.real_ &&
         a.text_ == b.text_ && a.object_ == b.object_ && a.dims_ == b.dims_ &&
         a.elements_ == b.elements_;
}

}  // namespace vk
