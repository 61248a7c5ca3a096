// PickForever<T>: hands out the elements of a list one at a time, starting again from the front when the
// list is used up. A value type: a copy has its own list and its own position.
//
// sort() exists only for Comparable elements, makeUnique() only for Hashable ones and concatenate(n) only
// for texts; calling them on other element types does not compile.
//
//   q13::PickForever<std::string> p({"a", "b", "c"});
//   p.concatenate(4);  // "a:b:c:a", and the next pick is "b"
#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <unordered_set>
#include <utility>
#include <vector>

#include "console/program.h"
#include "console/record.h"
#include "console/type_name.h"
#include "quillmere13/ordering.h"

namespace q13 {

template <class T>
struct PickForever {
  std::vector<T> list;
  // Position of the next element; it may stand at or past the end and wraps only when an element is taken.
  std::int64_t index = 0;

  explicit PickForever(std::vector<T> elements) : list(std::move(elements)) {}

  static std::string type_name() { return "PickForever<" + console::type_name<T>() + ">"; }
  static constexpr auto fields() {
    return std::tuple{console::var("list", &PickForever::list), console::var("index", &PickForever::index)};
  }

  // The next element in cyclic order. An empty list or a negative index has nothing to hand out and stops
  // the program.
  T pick() {
    if (index >= std::ssize(list)) index = 0;
    if (list.empty() || index < 0) console::fail("PickForever.pick: no element to pick");
    return list[static_cast<std::size_t>(index++)];
  }

  // Ascending by `<`; the position stays.
  void sort() requires Comparable<T> {
    std::ranges::sort(list, [](const T& a, const T& b) { return a < b; });
  }

  // Each distinct element once, in the order of a hash set built from the list; the position stays.
  void makeUnique() requires Hashable<T> {
    std::unordered_set<T> distinct(list.begin(), list.end());
    list.assign(distinct.begin(), distinct.end());
  }

  // The next n picks joined with ":"; "" without moving for n <= 0 or an empty list.
  std::string concatenate(std::int64_t n) requires std::same_as<T, std::string> {
    if (n <= 0 || list.empty()) return "";
    std::string joined = pick();
    for (std::int64_t i = 1; i < n; ++i) {
      joined += ':';
      joined += pick();
    }
    return joined;
  }
};

}  // namespace q13
