// format: the C printf conversions of numbers and texts into a text.
//
// Integer conversions ("%d", "%2d", "%02d", "%x", ...) take any integer as 64-bit, whatever length
// modifier the format names; floating conversions ("%f", "%.3lf", "%e", "%g", "%a") take a double; "%c"
// takes a Unicode scalar value and writes it in UTF-8; "%s" takes a text; "%%" is a percent sign. Flags,
// width and precision ("*" included) work as in printf. A format that does not fit its arguments (too few,
// a text for a number, an unknown conversion) is a logic error of the caller and stops the program.
//
//   console::format("%2d:%02d", hour, minute);   // " 9:05"
//   console::format("%.1f%%", 99.95);            // "100.0%"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "console/traits.h"

namespace console {

// What format's conversions take: an integer, a floating value or a text. A truth value and a character are
// none of these, so that "%d" never turns true into 1 nor a char into its code.
template <class T>
concept Formattable = Integer<T> || Floating<T> || Text<T>;

// One argument of format: an integer (always 64-bit), a floating value or a text.
class FormatArgument {
 public:
  template <Integer T>
  FormatArgument(T value)  // NOLINT: implicit on purpose, format's arguments convert on the call
      : kind_(std::is_signed_v<T> ? Kind::signed_integer : Kind::unsigned_integer),
        integer_(static_cast<long long>(value)),
        unsigned_(static_cast<unsigned long long>(value)) {}
  template <Floating T>
  FormatArgument(T value) : kind_(Kind::floating), floating_(value) {}  // NOLINT
  template <Text T>
  FormatArgument(const T& value) : kind_(Kind::text), text_(std::string_view(value)) {}  // NOLINT

  enum class Kind { signed_integer, unsigned_integer, floating, text };
  Kind kind() const { return kind_; }
  long long integer() const;
  unsigned long long unsigned_integer() const;
  double floating() const;
  const std::string& text() const { return text_; }

 private:
  Kind kind_;
  long long integer_ = 0;
  unsigned long long unsigned_ = 0;
  double floating_ = 0;
  std::string text_;
};

// The conversions of `format` applied to a list of arguments.
std::string format_list(std::string_view format, const std::vector<FormatArgument>& arguments);

template <class... Ts>
std::string format(std::string_view format, const Ts&... arguments) {
  static_assert(
      (Formattable<Ts> && ...),
      "format takes integers, floating values and texts: print a Bool through console::render, and give "
      "a character as its scalar value (%c)");
  return format_list(format, {FormatArgument(arguments)...});
}

// A literal format, the usual call. An unqualified call with a standard type among the arguments also finds
// std::format by argument-dependent lookup; taking the literal as it is and the arguments as they come makes
// this the better match, so such a call still converts "%s".
template <std::size_t N, class... Ts>
std::string format(const char (&literal)[N], Ts&&... arguments) {
  return console::format(std::string_view(literal), arguments...);
}

}  // namespace console
