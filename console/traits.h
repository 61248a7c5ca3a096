// The one classification of values, shared by the renderer, type names, format and the programs' own
// machinery (optional chaining, typed paths): what counts as a text, an integer, a floating value, an
// optional, a strong or a weak reference, a tuple, a dictionary, a set, a sequence, and a type of one's own
// (described, a record, an enumeration). kind_of<T>() gives a type's kind; how it prints (engine.h) and how
// it is named (type_name.h) both follow from that kind, so that whatever prints as a kind is named as that
// kind, and a type without a kind neither prints nor has a name.
//
//   static_assert(console::kind_of<std::deque<std::int64_t>>() == console::Kind::sequence);  // "Array<Int>"
//   static_assert(console::kind_of<std::set<std::string>>() == console::Kind::set);          // "Set<String>"
#pragma once

#include <concepts>
#include <cstddef>
#include <memory>
#include <optional>
#include <ranges>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "console/description.h"
#include "console/record.h"
#include "console/utf8.h"

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

// ---- Kinds --------------------------------------------------------------------------------------------

// The kinds of values.
enum class Kind {
  none,       // no console form and no name
  described,  // description()
  text,       // anything that reads as a std::string_view
  character,  // console::Character
  boolean,
  integer,
  floating,
  nil,          // std::nullopt
  optional,     // std::optional of a value of a kind
  object,       // std::shared_ptr to a class
  weak_object,  // std::weak_ptr to a class: an optional object
  tuple,        // std::tuple, std::pair
  record,       // fields()
  enumeration,  // case_name()
  dictionary,   // a range of key-value pairs with key_type and mapped_type
  set,          // a range with key_type and no mapped_type
  sequence,     // any other input range of values of a kind
};

template <class T>
consteval Kind kind_of();

// Whether a type has a plain and a debug form.
template <class T>
concept Renderable = kind_of<std::remove_cvref_t<T>>()
!= Kind::none;

namespace detail {

template <class T>
concept MemberEnumeration = requires(const T& v) {
  { v.case_name() } -> std::convertible_to<std::string_view>;
};

template <class T>
concept FreeEnumeration = std::is_enum_v<T> && requires(const T& v) {
  { case_name(v) } -> std::convertible_to<std::string_view>;
};

template <class T>
concept KeyedRange = std::ranges::input_range<const T> && requires {
  typename T::key_type;
};

template <class T>
concept Dictionary = KeyedRange<T> && requires {
  typename T::mapped_type;
};

template <class T>
consteval bool all_elements_renderable() {
  return []<std::size_t... I>(std::index_sequence<I...>) {
    return (Renderable<std::tuple_element_t<I, T>> && ...);
  }
  (std::make_index_sequence<std::tuple_size_v<T>>{});
}

}  // namespace detail

// The kind of T (a type without cv-qualifiers or reference). The order settles overlaps: a description wins
// over everything else, a text over being a range of characters, a record over being a range, a dictionary
// over being a range of pairs.
template <class T>
consteval Kind kind_of() {
  using namespace detail;
  if constexpr (Described<T>) {
    return Kind::described;
  } else if constexpr (Text<T>) {
    return Kind::text;
  } else if constexpr (std::same_as<T, Character>) {
    return Kind::character;
  } else if constexpr (Boolean<T>) {
    return Kind::boolean;
  } else if constexpr (Integer<T>) {
    return Kind::integer;
  } else if constexpr (Floating<T>) {
    return Kind::floating;
  } else if constexpr (std::same_as<T, std::nullopt_t>) {
    return Kind::nil;
  } else if constexpr (is_optional<T>::value) {
    return Renderable<typename T::value_type> ? Kind::optional : Kind::none;
  } else if constexpr (is_shared_ptr<T>::value) {
    return std::is_class_v<typename T::element_type> ? Kind::object : Kind::none;
  } else if constexpr (is_weak_ptr<T>::value) {
    return std::is_class_v<typename T::element_type> ? Kind::weak_object : Kind::none;
  } else if constexpr (is_tuple<T>::value) {
    return all_elements_renderable<T>() ? Kind::tuple : Kind::none;
  } else if constexpr (Record<T>) {
    return Kind::record;
  } else if constexpr (MemberEnumeration<T> || FreeEnumeration<T>) {
    return Kind::enumeration;
  } else if constexpr (Dictionary<T>) {
    return Renderable<typename T::key_type> && Renderable<typename T::mapped_type> ? Kind::dictionary
                                                                                   : Kind::none;
  } else if constexpr (std::ranges::input_range<const T>) {
    if constexpr (!Renderable<std::ranges::range_value_t<const T>>) {
      return Kind::none;
    } else {
      return KeyedRange<T> ? Kind::set : Kind::sequence;
    }
  } else {
    return Kind::none;
  }
}

}  // namespace console
