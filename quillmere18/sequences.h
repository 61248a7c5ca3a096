// Sequence and dictionary operations driven by closures: split, join, flatten, concatenate, group, merge.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <functional>
#include <map>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/program.h"
#include "console/utf8.h"

namespace q18 {

// The maximal runs of elements between those for which is_separator holds; empty runs are left out.
//   split(u"You & Me", [](char16_t u) { return u < 64; }) == {u"You", u"Me"}
template <class T, class Predicate>
requires std::predicate<Predicate&, const T&> std::vector<std::basic_string_view<T>> split(
    std::basic_string_view<T> units, Predicate is_separator) {
  std::vector<std::basic_string_view<T>> pieces;
  auto rest = units.begin();
  while (rest != units.end()) {
    const auto start = std::find_if_not(rest, units.end(), is_separator);
    const auto end = std::find_if(start, units.end(), is_separator);
    if (start != end) pieces.emplace_back(start, end);
    rest = end;
  }
  return pieces;
}

// The inner sequences one after the other, with separator between neighbours (not before the first or
// after the last). Works for a list of texts with a text separator and a list of lists with a list one.
template <class Inner>
Inner joined(const std::vector<Inner>& sequences, const Inner& separator = Inner{}) {
  Inner out;
  for (std::size_t i = 0; i < sequences.size(); ++i) {
    if (i > 0) out.insert(out.end(), separator.begin(), separator.end());
    out.insert(out.end(), sequences[i].begin(), sequences[i].end());
  }
  return out;
}

// The lists one after the other.
template <class T, class... More>
std::vector<T> concatenated(std::vector<T> first, const More&... more) {
  (first.insert(first.end(), std::ranges::begin(more), std::ranges::end(more)), ...);
  return first;
}

// The elements grouped by the key that key_of gives, each group in the input's order.
template <class T, class KeyOf>
auto grouped(const std::vector<T>& elements, KeyOf key_of) {
  std::map<std::invoke_result_t<KeyOf&, const T&>, std::vector<T>> groups;
  for (const T& element : elements) groups[key_of(element)].push_back(element);
  return groups;
}

// Merges pairs into a dictionary in place; for a key already present, combine(old, new) decides the value.
template <class K, class V, class Pairs, class Combine>
void merge(std::map<K, V>& into, const Pairs& pairs, Combine combine) {
  for (const auto& [key, value] : pairs) {
    if (const auto found = into.find(key); found != into.end()) {
      found->second = combine(found->second, value);
    } else {
      into.emplace(key, value);
    }
  }
}

// A new dictionary of both; for a key present in both, combine(first's, second's) decides the value.
template <class K, class V, class Combine>
std::map<K, V> merging(std::map<K, V> first, const std::map<K, V>& second, Combine combine) {
  merge(first, second, combine);
  return first;
}

// The first character of a text. An empty text has none, and one that does not start with valid UTF-8 has
// none to speak of: asking for it is a logic error that stops the program.
inline console::Character first_character(std::string_view text) {
  std::size_t position = 0;
  const auto scalar =
      console::decode_one({reinterpret_cast<const unsigned char*>(text.data()), text.size()}, position);
  if (!scalar) {
    console::fail(text.empty() ? "an empty text has no first character"
                               : "a text that does not start with UTF-8 has no first character");
  }
  return console::Character(*scalar);
}

// The first character of a name, turned to upper case when it is one of the ASCII letters a to z. Only those
// change: "é", "ж", a full-width "ｙ" and every other first character is its own key as it is. An empty name
// stops the program (see first_character).
inline console::Character ascii_upper_initial(std::string_view name) {
  const console::Character c = first_character(name);
  return c.value >= U'a' && c.value <= U'z' ? console::Character(c.value - U'a' + U'A') : c;
}

}  // namespace q18
