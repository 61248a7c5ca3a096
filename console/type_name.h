// Type names as the programs print them.
//
// console::type_name<T>() spells a type the way the programs print types: the standard vocabulary by its
// general names ("Int", "String", "Array<Optional<Int>>", "Dictionary<String, Int>", "()"), and the
// program's own types by their bare names. The bare name of a non-template class or enumeration comes from
// the compiler, with namespaces and enclosing scopes stripped, so q09::weak::Student is "Student" (a class
// derived from a template is named this way too). A class template declares its name once, built from its
// arguments:
//
//   template <class T> struct Vector {
//     static std::string type_name() { return "Vector<" + console::type_name<T>() + ">"; }
//   };
//
// The same names are given to a class known only at run time (an object reached through a reference to its
// base): console::type_name(typeid(object)) reads the run-time type and spells it by the same rules, so
// Box<double> is "Box<Double>" either way, with every standard library. A type that type_name<T>() refuses to
// compile (Box<int*>: a pointer other than a C string has no name) stops the program when it is named at run
// time, as a logic error.
//
// console::Type<T> is a type used as a value ("a type itself"); it prints as the type's name, and its own
// type prints with ".Type" appended: type_name<Type<A>>() == "A.Type".
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "console/traits.h"
#include "console/utf8.h"

namespace console {

template <class T>
struct Type;

// The empty tuple, spelled "()"; also the result of an optional operation without a value.
using Void = std::tuple<>;

template <class T>
std::string type_name();

// The printed name of a type known at run time, by the same rules as type_name<T>(); stops the program
// (console::fail) for a type that has none.
std::string type_name(const std::type_info& type);

namespace detail {

// The shapes of names; each is spelled in one place (type_name.cpp), for names known at compile time and at
// run time alike.
enum class NameShape {
  boolean,
  text,
  character,
  float64,
  float32,
  array,
  set,
  dictionary,
  optional,
  tuple,
  metatype
};

// The name of a shape from its arguments' names.
std::string spell(NameShape shape, std::initializer_list<std::string> arguments = {});

// "Int", "UInt8", ...: an integer type by its signedness and width.
std::string integer_name(bool is_signed, std::size_t bits);

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

// Primary: the standard scalars, then the program's own types.
template <class T>
struct TypeName {
  static std::string name() {
    if constexpr (Boolean<T>) {
      return spell(NameShape::boolean);
    } else if constexpr (Text<T>) {
      return spell(NameShape::text);
    } else if constexpr (std::is_same_v<T, Character>) {
      return spell(NameShape::character);
    } else if constexpr (Floating<T>) {
      return spell(std::is_same_v<T, double> ? NameShape::float64 : NameShape::float32);
    } else if constexpr (Integer<T>) {
      return integer_name(std::is_signed_v<T>, sizeof(T) * 8);
    } else if constexpr (requires { typename T::instance_type; }) {
      // A class's metatype, the type of a class object: "A.Type".
      return spell(NameShape::metatype, {type_name<typename T::instance_type>()});
    } else {
      static_assert(std::is_class_v<T> || std::is_enum_v<T>, "this type has no printable name");
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
  }
};

template <NameShape Shape, class... Ts>
struct Spelled {
  static std::string name() { return spell(Shape, {type_name<Ts>()...}); }
};

template <class T, class A>
struct TypeName<std::vector<T, A>> : Spelled<NameShape::array, T> {};
template <class T, std::size_t N>
struct TypeName<std::array<T, N>> : Spelled<NameShape::array, T> {};
template <class T, class C, class A>
struct TypeName<std::set<T, C, A>> : Spelled<NameShape::set, T> {};
template <class T, class H, class E, class A>
struct TypeName<std::unordered_set<T, H, E, A>> : Spelled<NameShape::set, T> {};
template <class K, class V, class C, class A>
struct TypeName<std::map<K, V, C, A>> : Spelled<NameShape::dictionary, K, V> {};
template <class K, class V, class H, class E, class A>
struct TypeName<std::unordered_map<K, V, H, E, A>> : Spelled<NameShape::dictionary, K, V> {};
template <class T>
struct TypeName<std::optional<T>> : Spelled<NameShape::optional, T> {};
// A strong reference is spelled as the class it refers to; a weak one is optional by nature.
template <class T>
struct TypeName<std::shared_ptr<T>> {
  static std::string name() { return type_name<T>(); }
};
template <class T>
struct TypeName<std::weak_ptr<T>> : Spelled<NameShape::optional, T> {};
template <class... Ts>
struct TypeName<std::tuple<Ts...>> : Spelled<NameShape::tuple, Ts...> {};
template <class A, class B>
struct TypeName<std::pair<A, B>> : Spelled<NameShape::tuple, A, B> {};
template <class T>
struct TypeName<Type<T>> : Spelled<NameShape::metatype, T> {};

}  // namespace detail

// The printed name of T (cv-qualifiers and references are ignored).
template <class T>
std::string type_name() {
  return detail::TypeName<std::remove_cvref_t<T>>::name();
}

// A type as a value: prints as the type's name.
template <class T>
struct Type {
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
