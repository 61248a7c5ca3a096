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

#include "console/case_mapping.h"
#include "console/program.h"

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

// The first character of a name turned to upper case, the key names are grouped by. A character is the first
// scalar with the combining marks after it, upper-cased by Unicode's mapping: "élodie" and "ÉLISE" both
// give "É", "жанна" gives "Ж", "ｙｕｉ" gives "Ｙ", "e" followed by U+0301 gives "E" followed by U+0301. The
// key is a text because a character can be several scalars; one that upper-cases to more than one
// character keeps them all ("ßa" gives "SS", a key of its own beside "S"). An empty name, or one that does
// not start with valid UTF-8, has no first character: a logic error that stops the program.
inline std::string upper_initial(std::string_view name) {
  const std::string_view initial = console::first_character(name);
  if (initial.empty()) {
    console::fail(name.empty() ? "an empty text has no first character"
                               : "a text that does not start with UTF-8 has no first character");
  }
  return console::uppercased(initial);
}

}  // namespace q18
