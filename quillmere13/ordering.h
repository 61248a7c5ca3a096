// The generic vocabulary of the program: what a type must offer to take part in generic code.
//
// Equatable, Comparable, Hashable and FloatingPoint are concepts. A program type that writes only `<` and
// `==` gets `>`, `<=`, `>=` and `!=` by deriving from OrderingDefaults<Self>, which defines them once, for
// every such type, in terms of `<` and `==` alone:
//
//   struct Time : q13::OrderingDefaults<Time> {
//     friend bool operator<(const Time&, const Time&);
//     friend bool operator==(const Time&, const Time&);
//   };  // now Time{...} >= Time{...} works and agrees with `<`
#pragma once

#include <concepts>
#include <cstddef>
#include <functional>
#include <type_traits>

namespace q13 {

// Raw pointers and arrays compare and hash by address, not by what they point at: two C string literals
// would order by where they happen to be stored. They take no part in the generic vocabulary; texts are
// std::string (or std::string_view), which compare by content.
template <class T>
concept ComparedByAddress =
    std::is_pointer_v<std::remove_cvref_t<T>> || std::is_array_v<std::remove_cvref_t<T>>;

template <class T>
concept Equatable = !ComparedByAddress<T> && requires(const T& a, const T& b) {
  { a == b } -> std::convertible_to<bool>;
  { a != b } -> std::convertible_to<bool>;
};

// Ordered by `<`, with the whole family of comparisons available.
template <class T>
concept Comparable = Equatable<T> && requires(const T& a, const T& b) {
  { a < b } -> std::convertible_to<bool>;
  { a > b } -> std::convertible_to<bool>;
  { a <= b } -> std::convertible_to<bool>;
  { a >= b } -> std::convertible_to<bool>;
};

template <class T>
concept Hashable = Equatable<T> && requires(const T& a) {
  { std::hash<T>{}(a) } -> std::convertible_to<std::size_t>;
};

template <class T>
concept FloatingPoint = std::floating_point<T>;

// Derive from this (with the deriving type as Self) to get `>`, `<=`, `>=` and `!=` from `<` and `==`.
// They are hidden friends, so they apply to Self only and never compete with other overloads.
template <class Self>
struct OrderingDefaults {
  friend bool operator>(const Self& a, const Self& b) { return b < a; }
  friend bool operator<=(const Self& a, const Self& b) { return !(b < a); }
  friend bool operator>=(const Self& a, const Self& b) { return !(a < b); }
  friend bool operator!=(const Self& a, const Self& b) { return !(a == b); }
};

}  // namespace q13
