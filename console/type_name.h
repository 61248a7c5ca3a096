// Type names as the programs print them.
//
// console::type_name<T>() spells a type by its kind (traits.h), the same kind by which it prints: a text is
// "String", any sequence "Array<...>" (a std::deque as well as a std::vector), a set "Set<...>", a dictionary
// "Dictionary<K, V>", an optional "Optional<...>", a tuple "(A, B)" and the empty one "()", an integer "Int",
// "UInt8", ..., a strong reference the class it refers to. A type of one's own (a description, a record, an
// enumeration, or a class whose objects print through references) goes by its bare name: that of a
// non-template class or enumeration comes from the compiler, with namespaces and enclosing scopes stripped,
// so q09::weak::Student is "Student" (a class derived from a template is named this way too). A class
// template declares its name once, built from its arguments:
//
//   template <class T> struct Vector {
//     static std::string type_name() { return "Vector<" + console::type_name<T>() + ">"; }
//   };
//
// A type that stands for another type, a metatype, declares `using instance_type = T;` and is named
// "T.Type"; console::Type<T>, a type used as a value ("a type itself"), is one: it prints as T's name, and
// type_name<Type<A>>() == "A.Type".
//
// A type that does not print has no name: type_name<T>() refuses it at compile time (Named<T> tells). The
// same names are given to a class known only at run time (an object reached through a reference to its
// base): console::type_name(typeid(object)) reads the run-time type and spells it by the same rules, so
// Box<double> is "Box<Double>" either way, with every standard library; a type that has no name stops the
// program there, as a logic error.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ranges>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "console/traits.h"

namespace console {

template <class T>
std::string type_name();

// The printed name of a type known at run time, by the same rules as type_name<T>(); stops the program
// (console::fail) for a type that has none.
std::string type_name(const std::type_info& type);

namespace detail {

// The shapes of names, by kind; each is spelled in one place (type_name.cpp), for names known at compile
// time and at run time alike.
enum class NameShape {
  none,  // no name
  boolean,
  text,
  character,
  integer,
  float64,
  float32,
  array,
  set,
  dictionary,
  optional,
  tuple,
  metatype,
  reference,  // a strong reference: the name of the class it refers to
  own         // a type of one's own: its bare name, or the name its class template declares
};

// The compiler spells the type in the function's signature (standard C++ has no portable spelling: GCC 12's
// std::source_location leaves the template arguments out). GCC and Clang: "... [with T = ns::Name; ...]",
// "... [T = ns::Name]"; MSVC: "... compiler_name<struct ns::Name>(void)", with the kind of class in front.
template <class T>
constexpr std::string_view compiler_name() {
#if defined(__GNUC__) || defined(__clang__)
  constexpr std::string_view signature = __PRETTY_FUNCTION__;
  constexpr std::string_view marker = "T = ";
  constexpr auto start = signature.find(marker) + marker.size();
  constexpr auto end = signature.find_first_of(";]", start);
  return signature.substr(start, end - start);
#else
  constexpr std::string_view signature = __FUNCSIG__;
  constexpr std::string_view marker = "compiler_name<";
  constexpr auto start = signature.find(marker) + marker.size();
  constexpr auto end = signature.rfind(">(void)");
  std::string_view name = signature.substr(start, end - start);
  for (const std::string_view kind : {"struct ", "class ", "enum ", "union "}) {
    if (name.starts_with(kind)) name.remove_prefix(kind.size());
  }
  return name;
#endif
}

// Drops every "scope::" prefix (namespaces, enclosing classes, enclosing functions such as "main()::").
constexpr std::string_view bare_name(std::string_view qualified) {
  int depth = 0;
  std::size_t cut = 0;
  for (std::size_t i = 0; i < qualified.size(); ++i) {
    const char c = qualified[i];
    if (c == '<' || c == '(') {
      ++depth;
    } else if (c == '>' || c == ')') {
      --depth;
    } else if (depth == 0 && c == ':' && i + 1 < qualified.size() && qualified[i + 1] == ':') {
      cut = i + 2;
      ++i;
    }
  }
  return qualified.substr(cut);
}

// A type of one's own has a name when the compiler's is plain or its class template declares one.
template <class T>
concept OwnNamed = bare_name(compiler_name<T>())
.find('<') == std::string_view::npos || requires {
  { T::type_name() } -> std::convertible_to<std::string>;
};

template <class T>
concept Metatype = requires {
  typename T::instance_type;
};

// The shape of T's name. With the kinds it is the one table behind every name: type_name<T>() spells a
// type by it, and the run-time names learn from it how the standard templates are spelled.
template <class T>
consteval NameShape name_shape() {
  constexpr Kind kind = kind_of<T>();
  if constexpr (kind == Kind::text) {
    return NameShape::text;
  } else if constexpr (kind == Kind::character) {
    return NameShape::character;
  } else if constexpr (kind == Kind::boolean) {
    return NameShape::boolean;
  } else if constexpr (kind == Kind::integer) {
    return NameShape::integer;
  } else if constexpr (kind == Kind::floating) {
    return std::is_same_v<T, double> ? NameShape::float64 : NameShape::float32;
  } else if constexpr (kind == Kind::optional || kind == Kind::weak_object) {
    return NameShape::optional;
  } else if constexpr (kind == Kind::object) {
    return NameShape::reference;
  } else if constexpr (kind == Kind::tuple || (kind == Kind::described && is_labeled<T>::value)) {
    return NameShape::tuple;
  } else if constexpr (kind == Kind::dictionary) {
    return NameShape::dictionary;
  } else if constexpr (kind == Kind::set) {
    return NameShape::set;
  } else if constexpr (kind == Kind::sequence) {
    return NameShape::array;
  } else if constexpr (Metatype<T>) {
    return NameShape::metatype;
  } else if constexpr ((kind == Kind::described || kind == Kind::record || kind == Kind::enumeration ||
                        (kind == Kind::none && std::is_class_v<T>)) &&
                       OwnNamed<T>) {
    // A type of one's own, or a class whose objects print through references.
    return NameShape::own;
  } else {
    return NameShape::none;
  }
}

// How many of a template's arguments its name shows (all: every one).
constexpr std::size_t all_arguments = static_cast<std::size_t>(-1);
constexpr std::size_t arguments_shown(NameShape shape) {
  switch (shape) {
    case NameShape::dictionary:
      return 2;
    case NameShape::tuple:
    case NameShape::own:
      return all_arguments;
    default:
      return 1;
  }
}

// The name of a shape from its arguments' names.
std::string spell(NameShape shape, std::initializer_list<std::string> arguments = {});

// "Int", "UInt8", ...: an integer type by its signedness and width.
std::string integer_name(bool is_signed, std::size_t bits);

// The names of a tuple's elements.
template <class T>
std::string element_names() {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return spell(NameShape::tuple, {type_name<std::tuple_element_t<I, T>>()...});
  }
  (std::make_index_sequence<std::tuple_size_v<T>>{});
}

// The name of a type of one's own.
template <class T>
std::string own_name() {
  constexpr std::string_view name = bare_name(compiler_name<T>());
  if constexpr (name.find('<') == std::string_view::npos) {
    // A plain class is named by the compiler, even when a base class template declares type_name().
    return std::string(name);
  } else {
    static_assert(
        requires { T::type_name(); },
        "a class template declares its name with static std::string type_name()");
    return std::string(T::type_name());
  }
}

template <class T>
std::string name_of() {
  constexpr NameShape shape = name_shape<T>();
  static_assert(shape != NameShape::none,
                "this type does not print, so it has no name: give it a description(), fields() or "
                "case_name(), or name a class whose objects print through a std::shared_ptr; a class "
                "template declares its name with static std::string type_name()");
  if constexpr (shape == NameShape::integer) {
    return integer_name(std::is_signed_v<T>, sizeof(T) * 8);
  } else if constexpr (shape == NameShape::optional) {
    if constexpr (is_optional<T>::value) {
      return spell(shape, {type_name<typename T::value_type>()});
    } else {
      return spell(shape, {type_name<typename T::element_type>()});  // a weak reference: an optional object
    }
  } else if constexpr (shape == NameShape::reference) {
    return type_name<typename T::element_type>();
  } else if constexpr (shape == NameShape::tuple) {
    return element_names<T>();
  } else if constexpr (shape == NameShape::dictionary) {
    return spell(shape, {type_name<typename T::key_type>(), type_name<typename T::mapped_type>()});
  } else if constexpr (shape == NameShape::set || shape == NameShape::array) {
    return spell(shape, {type_name<std::ranges::range_value_t<const T>>()});
  } else if constexpr (shape == NameShape::metatype) {
    return spell(shape, {type_name<typename T::instance_type>()});
  } else if constexpr (shape == NameShape::own) {
    return own_name<T>();
  } else {
    return spell(shape);
  }
}

}  // namespace detail

// Whether a type has a printed name: exactly the types that print, directly or, for a class, through a
// reference to its objects.
template <class T>
concept Named = detail::name_shape<std::remove_cvref_t<T>>()
!= detail::NameShape::none;

// The printed name of T (cv-qualifiers and references are ignored).
template <class T>
std::string type_name() {
  return detail::name_of<std::remove_cvref_t<T>>();
}

// A type as a value: prints as the type's name; its own type is the metatype "T.Type".
template <class T>
struct Type {
  using instance_type = T;
  static std::string name() { return type_name<T>(); }
  std::string description() const { return name(); }
  friend constexpr bool operator==(Type, Type) = default;
};

template <class T>
inline constexpr Type<T> type{};

// The static type of an expression, as a value: type_of(x) prints what decltype(x) is.
template <class T>
constexpr Type<std::remove_cvref_t<T>> type_of(const T&) {
  return {};
}

}  // namespace console
