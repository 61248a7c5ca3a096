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
#include <span>
#include <string>
#include <string_view>

#include "console/engine.h"
#include "console/traits.h"

namespace console {

// What format's conversions take: an integer, a floating value or a text. A truth value and a character are
// none of these, so that "%d" never turns true into 1 nor a char into its code.
template <class T>
concept Formattable = Integer<T> || Floating<T> || Text<T>;

namespace detail {

// The conversions of `format` applied to its packed arguments; compiled once.
std::string format_args(std::string_view format, std::span<const Arg> arguments);

}  // namespace detail

template <class... Ts>
std::string format(std::string_view format, const Ts&... arguments) {
  static_assert(
      (Formattable<Ts> && ...),
      "format takes integers, floating values and texts: print a Bool through console::render, and give "
      "a character as its scalar value (%c)");
  return detail::format_args(format, detail::pack(arguments...));
}

// A literal format, the usual call. An unqualified call with a standard type among the arguments also finds
// std::format by argument-dependent lookup; taking the literal as it is and the arguments as they come makes
// this the better match, so such a call still converts "%s".
template <std::size_t N, class... Ts>
std::string format(const char (&literal)[N], Ts&&... arguments) {
  return console::format(std::string_view(literal), arguments...);
}

}  // namespace console
