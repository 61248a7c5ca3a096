// print: the plain forms of values, written as one line to standard output or appended to a text.
//
// print writes through the C library's buffered stdout, so that it interleaves in order with printf, fputs,
// putchar and std::cout (synchronised with stdio, as it is by default), under whatever buffering the program
// chose: a terminal's lines, a buffer of any size, or none. The items are separated by a blank and ended by a
// line feed unless the call chooses otherwise; with no items, or the empty text as its only item, only the
// terminator is written.
//
// Threads: print may be called from any thread. The bytes of one call (its items, separators and terminator)
// reach stdout together, as those of one printf call do: another thread's print or printf comes before them
// or after them, never in between. The order of two calls made at once by different threads is not fixed.
// print_to writes only to the text it is given, which the caller must not share with another thread
// meanwhile. A stop (console::fail, from any thread) keeps every call's bytes that were written before it.
//
//   console::print("a", 1, 2.5);                               // "a 1 2.5\n"
//   console::print({.terminator = " "}, 9);                    // "9 ", the line stays open
//   console::print();                                          // ends it: "\n"
//   std::string text;
//   console::print_to(text, {.separator = "-"}, "x", "y");     // text == "x-y\n"
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "console/engine.h"

namespace console {

struct PrintOptions {
  std::string_view separator = " ";
  std::string_view terminator = "\n";
};

namespace detail {

// A text and its terminator to stdout: a text is its own plain form, so the most frequent line goes out
// without being put together first.
void print_text(std::string_view text, std::string_view terminator);

// The line of the items to stdout, or appended to a text; compiled once.
void print_line(const PrintOptions& options, std::span<const Arg> items);
void print_line_to(std::string& target, const PrintOptions& options, std::span<const Arg> items);

}  // namespace detail

// Writes the plain forms of the items, separated by a blank and ended by a line feed.
template <class... Ts>
void print(const Ts&... items) {
  print(PrintOptions{}, items...);
}

// The same with a chosen separator and terminator: print({.terminator = ""}, x).
template <class... Ts>
void print(const PrintOptions& options, const Ts&... items) {
  if constexpr (sizeof...(Ts) == 1 && (Text<Ts> && ...)) {
    detail::print_text(std::string_view(items)..., options.terminator);
  } else {
    detail::print_line(options, detail::pack(items...));
  }
}

// Appends to a text instead of standard output.
template <class... Ts>
void print_to(std::string& target, const Ts&... items) {
  print_to(target, PrintOptions{}, items...);
}

template <class... Ts>
void print_to(std::string& target, const PrintOptions& options, const Ts&... items) {
  detail::print_line_to(target, options, detail::pack(items...));
}

}  // namespace console
