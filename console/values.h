// Small value types of the console library's own: the empty tuple, labelled tuples and ranges.
//
// They take part in printing the way any user type does, through description() and type_name():
//
//   auto place = console::labeled({"offset", "element"}, 0, std::string("村上"));
//   console::print(place);                       // (offset: 0, element: "村上")
//   auto [offset, element] = place;              // the tuple protocol: std::tuple_size, get<I>
//   console::print(console::Range<int>{0, 5});   // 0..<5
//   console::print(console::ClosedRange<int>{1, 3});  // 1...3
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "console/engine.h"

namespace console {

// The empty tuple, "()": also the result of an optional operation without a value ("Optional<()>").
using Void = std::tuple<>;

// A tuple whose elements carry labels: "(offset: 0, element: \"村上\")". Its type name is that of the
// tuple of its elements, "(Int, String)".
template <class... Ts>
struct Labeled {
  std::array<std::string_view, sizeof...(Ts)> labels;
  std::tuple<Ts...> values;

  template <std::size_t I>
  constexpr const auto& get() const& {
    return std::get<I>(values);
  }
  template <std::size_t I>
  constexpr auto& get() & {
    return std::get<I>(values);
  }
  template <std::size_t I>
  constexpr auto&& get() && {
    return std::get<I>(std::move(values));
  }

  std::string description() const {
    std::string out;
    detail::append_tuple(out, detail::args_of_tuple(values), labels.data());
    return out;
  }
  friend constexpr bool operator==(const Labeled& a, const Labeled& b) { return a.values == b.values; }
};

template <class... Ts>
constexpr Labeled<std::decay_t<Ts>...> labeled(std::array<std::string_view, sizeof...(Ts)> labels,
                                               Ts&&... values) {
  return {labels, {std::forward<Ts>(values)...}};
}

// A half-open range of values, "0..<5".
template <class T>
struct Range {
  T lower;
  T upper;

  constexpr bool contains(const T& v) const { return lower <= v && v < upper; }
  std::string description() const { return debug(lower) + "..<" + debug(upper); }
  static std::string type_name() { return "Range<" + console::type_name<T>() + ">"; }

  friend constexpr bool operator==(const Range&, const Range&) = default;
};

// A closed range of values, "0...5".
template <class T>
struct ClosedRange {
  T lower;
  T upper;

  constexpr bool contains(const T& v) const { return lower <= v && v <= upper; }
  std::string description() const { return debug(lower) + "..." + debug(upper); }
  static std::string type_name() { return "ClosedRange<" + console::type_name<T>() + ">"; }

  friend constexpr bool operator==(const ClosedRange&, const ClosedRange&) = default;
};

}  // namespace console

// The tuple protocol, so that structured bindings take a Labeled apart.
template <class... Ts>
struct std::tuple_size<console::Labeled<Ts...>> : std::integral_constant<std::size_t, sizeof...(Ts)> {};
template <std::size_t I, class... Ts>
struct std::tuple_element<I, console::Labeled<Ts...>> {
  using type = std::tuple_element_t<I, std::tuple<Ts...>>;
};
