// SimpleVector: anything with two components `x` and `y` of one associated type `Element`.
// Vector<T>: the generic record that adopts it. Equality is written once for every SimpleVector whose
// Element is Equatable, reaching the components only through `x` and `y`.
//
//   q13::Vector<std::int64_t> v{1, 2};
//   console::print(v);                // "Vector<Int>(x: 1, y: 2)"
//   v == q13::Vector<std::int64_t>{1, 3};  // false
#pragma once

#include <concepts>
#include <string>
#include <tuple>

#include "console/render.h"
#include "quillmere13/ordering.h"

namespace q13 {

template <class V>
concept SimpleVector = requires(V& v) {
  typename V::Element;
  { v.x } -> std::same_as<typename V::Element&>;
  { v.y } -> std::same_as<typename V::Element&>;
};

template <class T>
struct Vector {
  using Element = T;

  T x;
  T y;

  static std::string type_name() { return "Vector<" + console::type_name<T>() + ">"; }
  static constexpr auto fields() {
    return std::tuple{console::var("x", &Vector::x), console::var("y", &Vector::y)};
  }
};

// `y` is compared only when the `x` components are equal.
template <SimpleVector V>
requires Equatable<typename V::Element>
bool operator==(const V& a, const V& b) {
  if (!(a.x == b.x)) return false;
  return a.y == b.y;
}

}  // namespace q13
