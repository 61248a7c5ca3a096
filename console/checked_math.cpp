#include "console/checked_math.h"

#include <cstdint>
#include <limits>
#include <string>

#include "console/program.h"

namespace console {

namespace {

constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();

[[noreturn]] void overflow(std::string_view operation, std::int64_t a, char sign, std::int64_t b) {
  std::string what(operation);
  what += ": ";
  what += std::to_string(a);
  what += ' ';
  what += sign;
  what += ' ';
  what += std::to_string(b);
  what += " overflows";
  fail(what);
}

}  // namespace

// In standard C++ rather than through compiler builtins, so that every compiler builds it: each check rules
// out an overflow before the operation could make one.
std::int64_t checked_add(std::int64_t a, std::int64_t b, std::string_view operation) {
  if (b > 0 ? a > max - b : a < min - b) overflow(operation, a, '+', b);
  return a + b;
}

std::int64_t checked_subtract(std::int64_t a, std::int64_t b, std::string_view operation) {
  if (b < 0 ? a > max + b : a < min + b) overflow(operation, a, '-', b);
  return a - b;
}

std::int64_t checked_multiply(std::int64_t a, std::int64_t b, std::string_view operation) {
  if (a == 0 || b == 0) return 0;
  // The product wraps in unsigned arithmetic, where that is defined; it was exact when dividing it by one
  // factor gives the other (a wrapped product is at least 2^64 away from the exact one). min / -1 itself
  // overflows, so those two products are ruled out first.
  const auto product =
      static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
  if ((a == -1 && b == min) || (b == -1 && a == min) || product / b != a) overflow(operation, a, '*', b);
  return product;
}

}  // namespace console
