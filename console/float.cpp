#include "console/float.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace console {

namespace {

// Lays out the shortest round-trip digits of a finite value by the rule in float.h.
template <class F>
void append_finite(std::string& out, F value, double plain_limit) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // scientific is "[-]d[.ddd]e[+-]xx"
  const auto e = scientific.find('e');
  std::string_view mantissa = scientific.substr(0, e);
  int exponent = 0;
  std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+' ? 1 : 0),
                  scientific.data() + scientific.size(), exponent);
  const bool negative = mantissa.front() == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  for (const char c : mantissa) {
    if (c != '.') digits += c;
  }

  if (negative) out += '-';
  // In double, so that a float just below 0.0001 is not rounded up to the bound.
  const double magnitude = std::fabs(static_cast<double>(value));
  const bool plain = magnitude == 0 || (magnitude >= 0.0001 && magnitude <= plain_limit);
  if (plain) {
    if (exponent >= 0) {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
        out += ".0";
      } else {
        out.append(digits, 0, whole);
        out += '.';
        out.append(digits, whole);
      }
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += 'e';
    out += exponent < 0 ? '-' : '+';
    const int absolute = exponent < 0 ? -exponent : exponent;
    if (absolute < 10) out += '0';
    out += std::to_string(absolute);
  }
}

template <class F>
void append_any(std::string& out, F value, double plain_limit) {
  if (std::isnan(value)) {
    out += "nan";
  } else if (std::isinf(value)) {
    out += value < 0 ? "-inf" : "inf";
  } else {
    append_finite(out, value, plain_limit);
  }
}

}  // namespace

void append_float(std::string& out, double value) {
  append_any(out, value, 0x1p54);
}

void append_float(std::string& out, float value) {
  append_any(out, value, 0x1p24);
}

}  // namespace console
