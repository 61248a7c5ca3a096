// The one classification of the standard vocabulary, shared by the renderer, type names, format and the
// programs' own machinery (optional chaining, typed paths): what counts as a text, an integer, a floating
// value, an optional, a strong or a weak reference, a tuple. A type is named and printed by the same
// predicates, so that whatever has a printed name of a kind also prints as that kind.
#pragma once

#include <concepts>
#include <memory>
#include <optional>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

namespace console {

template <class... Ts>
struct Labeled;

// A text: anything that reads as a std::string_view (std::string, string literals, const char*).
template <class T>
concept Text = std::is_convertible_v<const T&, std::string_view>;

// A truth value.
template <class T>
concept Boolean = std::same_as<T, bool>;

// An integer number: the integral types that are neither truth values nor characters.
template <class T>
concept Integer =
    std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
    !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>;

// A floating-point number of 64 or 32 bits.
template <class T>
concept Floating = std::same_as<T, double> || std::same_as<T, float>;

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

// A value that may be absent: an optional, a weak reference (absent once its object is gone) or a strong
// reference (absent when null).
template <class T>
concept OptionalLike = is_optional<T>::value || is_weak_ptr<T>::value || is_shared_ptr<T>::value;

// is_tuple<T>: std::tuple and std::pair, the anonymous tuples.
template <class T>
struct is_tuple : std::false_type {};
template <class... Ts>
struct is_tuple<std::tuple<Ts...>> : std::true_type {};
template <class A, class B>
struct is_tuple<std::pair<A, B>> : std::true_type {};

// is_labeled<T>: console::Labeled, a tuple whose elements carry labels.
template <class T>
struct is_labeled : std::false_type {};
template <class... Ts>
struct is_labeled<Labeled<Ts...>> : std::true_type {};

// A tuple with or without labels: its form brings its own parentheses.
template <class T>
concept TupleForm = is_tuple<T>::value || is_labeled<T>::value;

// A weak reference read as an optional: the object, pinned while the result lives, or empty once the
// object was destroyed.
template <class T>
std::optional<std::shared_ptr<T>> optional_of(const std::weak_ptr<T>& reference) {
  if (auto object = reference.lock()) return object;
  return std::nullopt;
}

}  // namespace console
