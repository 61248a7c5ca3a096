#include "console/checked_math.h"

#include <string>

#include "console/program.h"

namespace console {

namespace {

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

std::int64_t checked_add(std::int64_t a, std::int64_t b, std::string_view operation) {
  std::int64_t result = 0;
  if (__builtin_add_overflow(a, b, &result)) overflow(operation, a, '+', b);
  return result;
}

std::int64_t checked_subtract(std::int64_t a, std::int64_t b, std::string_view operation) {
  std::int64_t result = 0;
  if (__builtin_sub_overflow(a, b, &result)) overflow(operation, a, '-', b);
  return result;
}

std::int64_t checked_multiply(std::int64_t a, std::int64_t b, std::string_view operation) {
  std::int64_t result = 0;
  if (__builtin_mul_overflow(a, b, &result)) overflow(operation, a, '*', b);
  return result;
}

}  // namespace console
