// Type traits that the rendering rules, format and the programs' own machinery (optional chaining, typed
// paths) all need: an optional, a strong and a weak reference, a tuple, and what counts as an integer.
#pragma once

#include <concepts>
#include <memory>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace console {

// is_optional<std::optional<T>>: true, with `wrapped` = T.
template <class T>
struct is_optional : std::false_type {
  using wrapped = void;
};
template <class T>
struct is_optional<std::optional<T>> : std::true_type {
  using wrapped = T;
};

// is_shared_ptr<std::shared_ptr<T>>: true, with `object` = T.
template <class T>
struct is_shared_ptr : std::false_type {};
template <class T>
struct is_shared_ptr<std::shared_ptr<T>> : std::true_type {
  using object = T;
};

// is_weak_ptr<std::weak_ptr<T>>: true, with `object` = T.
template <class T>
struct is_weak_ptr : std::false_type {};
template <class T>
struct is_weak_ptr<std::weak_ptr<T>> : std::true_type {
  using object = T;
};

// is_tuple<T>: std::tuple and std::pair, the anonymous tuples.
template <class T>
struct is_tuple : std::false_type {};
template <class... Ts>
struct is_tuple<std::tuple<Ts...>> : std::true_type {};
template <class A, class B>
struct is_tuple<std::pair<A, B>> : std::true_type {};

// An integer number: the integral types that are neither truth values nor characters.
template <class T>
concept Integer =
    std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
    !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>;

}  // namespace console
