// print: the plain forms of values, written as one line to standard output or appended to a text.
//
// print writes through the C library's buffered stdout, so that it interleaves in order with printf-family
// output of the same program. The items are separated by a blank and ended by a line feed unless the call
// chooses otherwise; with no items, or the empty text as its only item, only the terminator is written.
// Texts are written straight from their own bytes, so a long series of print({.terminator = " "}, word)
// costs what copying the words into one buffer would.
//
//   console::print("a", 1, 2.5);                               // "a 1 2.5\n"
//   console::print({.terminator = " "}, 9);                    // "9 ", the line stays open
//   console::print();                                          // ends it: "\n"
//   std::string text;
//   console::print_to(text, {.separator = "-"}, "x", "y");     // text == "x-y\n"
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "console/engine.h"
#include "console/output.h"
#include "console/traits.h"

namespace console {

struct PrintOptions {
  std::string_view separator = " ";
  std::string_view terminator = "\n";
};

namespace detail {

// How many bytes may be read from a text's data(): a std::string's whole buffer, its terminator included.
template <class T>
std::size_t readable_bytes(const T& text) {
  if constexpr (std::is_same_v<T, std::string>) {
    return text.capacity() + 1;
  } else {
    return 0;
  }
}

// The line of the items to stdout, or appended to a text; compiled once.
void print_line(const PrintOptions& options, std::span<const Arg> items);
void print_line_to(std::string& target, const PrintOptions& options, std::span<const Arg> items);

}  // namespace detail

// Writes the plain forms of the items, separated by a blank and ended by a line feed.
template <class... Ts>
void print(const Ts&... items) {
  const std::array<detail::Arg, sizeof...(Ts)> args{detail::arg_of(items)...};
  detail::print_line(PrintOptions{}, args);
}

// The same with a chosen separator and terminator: print({.terminator = ""}, x).
template <class... Ts>
void print(const PrintOptions& options, const Ts&... items) {
  if constexpr (sizeof...(Ts) == 1 && (Text<Ts> && ...)) {
    // A text is its own plain form: it goes out with its terminator, never copied into a line first.
    detail::write_stdout(std::string_view(items)..., options.terminator, detail::readable_bytes(items...));
  } else {
    const std::array<detail::Arg, sizeof...(Ts)> args{detail::arg_of(items)...};
    detail::print_line(options, args);
  }
}

// Appends to a text instead of standard output.
template <class... Ts>
void print_to(std::string& target, const Ts&... items) {
  const std::array<detail::Arg, sizeof...(Ts)> args{detail::arg_of(items)...};
  detail::print_line_to(target, PrintOptions{}, args);
}

template <class... Ts>
void print_to(std::string& target, const PrintOptions& options, const Ts&... items) {
  const std::array<detail::Arg, sizeof...(Ts)> args{detail::arg_of(items)...};
  detail::print_line_to(target, options, args);
}

}  // namespace console
