// print: the plain forms of values, written as one line to standard output or appended to a text.
//
// print writes through the C library's buffered stdout, so that it interleaves in order with printf-family
// output of the same program. The items are separated by a blank and ended by a line feed unless the call
// chooses otherwise; with no items, or the empty text as its only item, only the terminator is written.
//
//   console::print("a", 1, 2.5);                               // "a 1 2.5\n"
//   console::print({.terminator = " "}, 9);                    // "9 ", the line stays open
//   console::print();                                          // ends it: "\n"
//   std::string text;
//   console::print_to(text, {.separator = "-"}, "x", "y");     // text == "x-y\n"
#pragma once

#include <string>
#include <string_view>

#include "console/engine.h"

namespace console {

struct PrintOptions {
  std::string_view separator = " ";
  std::string_view terminator = "\n";
};

namespace detail {

// Writes through the C library's stdout; the first failure is remembered for flush_stdout.
void write_stdout(std::string_view text);

// Flushes stdout; the first error of any write or of the flush as an errno value, or 0.
int flush_stdout();

template <class... Ts>
void append_line(std::string& out, const PrintOptions& options, const Ts&... items) {
  Joiner joiner(out, options.separator);
  ((joiner.next(), render_to(out, items, Mode::plain)), ...);
  out += options.terminator;
}

}  // namespace detail

// Writes the plain forms of the items, separated by a blank and ended by a line feed.
template <class... Ts>
void print(const Ts&... items) {
  std::string line;
  detail::append_line(line, PrintOptions{}, items...);
  detail::write_stdout(line);
}

// The same with a chosen separator and terminator: print({.terminator = ""}, x).
template <class... Ts>
void print(const PrintOptions& options, const Ts&... items) {
  std::string line;
  detail::append_line(line, options, items...);
  detail::write_stdout(line);
}

// Appends to a text instead of standard output.
template <class... Ts>
void print_to(std::string& target, const Ts&... items) {
  detail::append_line(target, PrintOptions{}, items...);
}

template <class... Ts>
void print_to(std::string& target, const PrintOptions& options, const Ts&... items) {
  detail::append_line(target, options, items...);
}

}  // namespace console
