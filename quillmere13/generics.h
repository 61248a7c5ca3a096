// Generic functions written once for a family of types, each constrained by what the family can do.
//
//   a + b                       merged dictionaries, the right operand wins on a shared key
//   mySwap(little, great)       orders two variables in place
//   rank(x, seq)                (1 + elements less than x, 1 + element count)
//   elements(list, indices)     list[i] for every index i > 0
//   littler(a, b) / smaller(a, b)  the object with the smaller value, the second on a tie
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ranges>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "console/program.h"
#include "quillmere13/classes.h"
#include "quillmere13/ordering.h"

namespace q13 {

// A copy of `left` with every entry of `right` stored into it; neither operand changes.
template <Hashable K, class V>
std::unordered_map<K, V> operator+(const std::unordered_map<K, V>& left,
                                   const std::unordered_map<K, V>& right) {
  auto merged = left;
  for (const auto& [key, value] : right) merged.insert_or_assign(key, value);
  return merged;
}

// Exchanges the two values when `little` is greater than `great`; equal values stay where they are.
template <Comparable T>
void mySwap(T& little, T& great) {
  if (little > great) {
    T old = std::move(little);
    little = std::move(great);
    great = std::move(old);
  }
}

// The same contract as mySwap, through the standard exchange.
template <Comparable T>
void mySwap2(T& little, T& great) {
  if (little > great) std::ranges::swap(little, great);
}

// The 1-based place x would take among the elements and x together, and the size of that collection.
// Elements equal to x do not count towards the place.
template <std::ranges::input_range S>
requires Comparable<std::ranges::range_value_t<S>> std::pair<std::int64_t, std::int64_t> rank(
    const std::ranges::range_value_t<S>& x, S&& sequence) {
  std::int64_t place = 1;
  std::int64_t size = 1;
  for (const auto& element : sequence) {
    ++size;
    if (element < x) ++place;
  }
  return {place, size};
}

// list[i] for each index i of `indices` greater than zero, in order. An index past the end of `list` is a
// logic error of the caller and stops the program.
template <std::ranges::input_range R>
requires std::integral<std::ranges::range_value_t<R>> std::vector<std::string> elements(
    const std::vector<std::string>& list, R&& indices) {
  std::vector<std::string> picked;
  for (const auto index : indices) {
    if (index <= 0) continue;
    const auto position = static_cast<std::size_t>(index);
    if (position >= list.size()) {
      console::fail(console::cat("elements: index ", index, " out of range (count ", list.size(), ")"));
    }
    picked.push_back(list[position]);
  }
  return picked;
}

// The object whose value is strictly less, else the second; handed back as an Alpha.
std::shared_ptr<Alpha> littler(std::shared_ptr<Alpha> a, std::shared_ptr<Alpha> b);

// As littler, but handed back as the callers' own type.
template <class T>
requires std::derived_from<T, Alpha> std::shared_ptr<T> smaller(std::shared_ptr<T> a, std::shared_ptr<T> b) {
  return a->value < b->value ? a : b;
}

}  // namespace q13
