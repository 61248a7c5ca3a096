// Fuzz target: the plain form of every 64-bit and 32-bit bit pattern reads back as the same value, is no
// longer than the shortest correctly rounded digits that do, and takes the plain decimal layout exactly
// while 0.0001 <= |x| <= 2^54 (2^24 for 32-bit), the exponent layout otherwise.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "console/float.h"
#include "testing/fuzz_support.h"

namespace {

template <class F>
F read_back(const std::string& text) {
  if constexpr (sizeof(F) == sizeof(double)) {
    return std::strtod(text.c_str(), nullptr);
  } else {
    return std::strtof(text.c_str(), nullptr);
  }
}

// The fewest significant digits with which printf's correctly rounded "%.*e" reads back as the value.
template <class F>
int shortest_printf_digits(F value) {
  for (int digits = 1;; ++digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, static_cast<double>(value));
    if (read_back<F>(buffer) == value) return digits;
  }
}

// Significant digits of a plain or exponent form: leading and trailing zeros do not count.
int significant_digits(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (c == 'e') break;
    if (c >= '0' && c <= '9') digits += c;
  }
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 1;
  return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

template <class F>
void check(F value, double plain_limit) {
  std::string text;
  console::append_float(text, value);
  if (std::isnan(value)) {
    fuzz::require(text == "nan", "NaN prints as nan");
    return;
  }
  if (std::isinf(value)) {
    fuzz::require(text == (value < 0 ? "-inf" : "inf"), "infinities print as inf and -inf");
    return;
  }
  const F back = read_back<F>(text);
  fuzz::require(std::memcmp(&back, &value, sizeof value) == 0, "the text reads back as the same value");
  fuzz::require(significant_digits(text) <= shortest_printf_digits(value), "the digits are the shortest");

  static const std::regex plain(R"(-?(0|[1-9][0-9]*)\.(0|[0-9]*[1-9]))");
  static const std::regex exponent(R"(-?[1-9](\.[0-9]*[1-9])?e[-+]([0-9]{2}|[1-9][0-9]{2,}))");
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude == 0 || (magnitude >= 0.0001 && magnitude <= plain_limit)) {
    fuzz::require(std::regex_match(text, plain), "plain layout inside the bounds");
  } else {
    fuzz::require(std::regex_match(text, exponent), "exponent layout outside the bounds");
  }
  fuzz::require((text[0] == '-') == std::signbit(value), "a minus sign exactly for negative values");
}

}  // namespace

// The first 8 bytes are a double's bit pattern and the first 4 a float's, missing bytes being zero.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  unsigned char bits[8] = {};
  std::memcpy(bits, data, size < sizeof bits ? size : sizeof bits);
  double wide;
  float narrow;
  std::memcpy(&wide, bits, sizeof wide);
  std::memcpy(&narrow, bits, sizeof narrow);
  check(wide, 0x1p54);
  check(narrow, 0x1p24);
  return 0;
}
