#include "text/real_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "text/char_class.h"

namespace vk {

std::u16string FormatReal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::u16string(buffer, result.ptr);
}

namespace {

// Decimal position of the leading significant digit of a number whose conversion overflowed or
// underflowed: above 0 it was too large, otherwise too small.
int64_t Magnitude(std::string_view number) {
  size_t i = 0;
  int64_t mag = 0;
  bool seenDigit = false;
  while (i < number.size() && IsDigit(number[i])) {
    if (number[i] != '0' || seenDigit) {
      seenDigit = true;
      ++mag;
    }
    ++i;
  }
  if (i < number.size() && number[i] == '.') {
    ++i;
    while (!seenDigit && i < number.size() && number[i] == '0') {
      --mag;
      ++i;
    }
    while (i < number.size() && IsDigit(number[i])) ++i;
  }
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    int64_t exponent = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i)
      exponent = std::min<int64_t>(exponent * 10 + (number[i] - '0'), INT64_C(1) << 40);
    mag += negative ? -exponent : exponent;
  }
  return mag;
}

}  // namespace

double ParseReal(std::u16string_view text) {
  const auto [start, negative] = SkipSpaceAndSign(text);
  size_t i = start;
  if (i >= text.size() || !(IsDigit(text[i]) || text[i] == u'.')) return 0.0;
  // Only ASCII can continue a number, so the rest is narrowed up to the first other character.
  std::string narrow;
  for (; i < text.size() && text[i] < 0x80; ++i) narrow.push_back(static_cast<char>(text[i]));
  double value = 0.0;
  const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value, std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return 0.0;  // a lone "."
  if (result.ec == std::errc::result_out_of_range)
    value = Magnitude(std::string_view(narrow.data(), result.ptr - narrow.data())) > 0 ? HUGE_VAL : 0.0;
  return negative ? -value : value;
}

}  // namespace vk
