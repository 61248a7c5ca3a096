// SimpleVector: anything with two components `x` and `y` of one associated type `Element`.
// Vector<T>: the generic record that adopts it. Equality is written once for every SimpleVector whose
// Element is Equatable, reaching the components only through `x` and `y`.
//
// A type adopts SimpleVector by deriving from AdoptsSimpleVector<Element>, which declares its Element. The
// declaration is what lets the one `==` below serve it in any namespace: a base class in q13 makes q13 an
// associated namespace of the adopting type, so argument-dependent lookup finds the operator there, with
// no using-declaration at the call.
//
//   namespace geo {
//   struct Span : q13::AdoptsSimpleVector<double> { double x = 0; double y = 0; };
//   }
//   geo::Span{} == geo::Span{};  // true, through q13's operator==
//
//   q13::Vector<std::int64_t> v{1, 2};
//   console::print(v);                     // "Vector<Int>(x: 1, y: 2)"
//   v == q13::Vector<std::int64_t>{1, 3};  // false
#pragma once

#include <concepts>
#include <string>
#include <tuple>
#include <utility>

#include "console/record.h"
#include "console/type_name.h"
#include "quillmere13/ordering.h"

namespace q13 {

// The adoption of SimpleVector, naming the type of both components.
template <class E>
struct AdoptsSimpleVector {
  using Element = E;
};

template <class V>
concept SimpleVector = std::derived_from<V, AdoptsSimpleVector<typename V::Element>> && requires(V& v) {
  { v.x } -> std::same_as<typename V::Element&>;
  { v.y } -> std::same_as<typename V::Element&>;
};

template <class T>
struct Vector : AdoptsSimpleVector<T> {
  // Constructors rather than aggregate initialisation, which would hand the first value to the empty base.
  Vector() = default;
  Vector(T x, T y) : x(std::move(x)), y(std::move(y)) {}

  T x{};
  T y{};

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
