// The rendering engine: the plain and the debug form of every kind of value.
//
// Every value has a plain form (print, interpolation) and a debug form (values nested inside a collection,
// an optional, a tuple or a record). They differ only in that texts and characters are quoted and escaped
// in the debug form, and records and enumeration cases are prefixed by the program's module name.
//
//   console::render(std::vector<std::optional<std::int64_t>>{std::nullopt, 3});  // "[nil, Optional(3)]"
//   console::debug(std::string("彼方"));                                        // "\"彼方\""
//   console::cat("s=", std::tuple{100, 50});                                    // "s=(100, 50)"
//
// The one classification, kind_of<T>() (traits.h), decides what kind of value a type is; Renderable follows
// from it. The templates here only classify: a value becomes an Arg, a scalar held by value or a reference
// with the small function that takes its kind apart, and the forms themselves are written by code compiled
// once (engine.cpp). A type without a kind has no console form: printing it is a compile error, never a
// silent fallback. A type of one's own takes part in one of three ways:
//   - a member `std::string description() const` (description.h): that text, in both forms;
//   - a record declares its stored fields once with fields() (record.h): "Name(field: debug, ...)";
//   - an enumeration: members `case_name()` and optionally `payload()`, or for a C++ enum a free function
//     `case_name(E)` found by argument-dependent lookup: the case name, then the payload in parentheses. A
//     payload() that some cases lack returns a CasePayload (description.h), empty for those cases.
// Objects of classes are printed through references (std::shared_ptr, std::weak_ptr), by their dynamic
// class: its most derived description, or else its qualified name "Module.Name".
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <memory>
#include <optional>
#include <ranges>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "console/description.h"
#include "console/record.h"
#include "console/traits.h"
#include "console/type_name.h"
#include "console/utf8.h"

namespace console {

enum class Mode { plain, debug };

// ---- Values handed to the compiled renderer ------------------------------------------------------------

namespace detail {

// One value to render: a scalar by value, or a reference to anything else with the function that renders
// its kind.
struct Arg {
  enum class Tag : unsigned char {
    text,
    character,
    boolean,
    signed_integer,
    unsigned_integer,
    float64,
    float32,
    nil,
    other
  };
  using Render = void (*)(std::string& out, const void* value, Mode mode);
  struct Other {
    const void* value;
    Render render;
  };

  Tag tag;
  union {
    std::string_view text;
    char32_t character;
    bool boolean;
    long long signed_integer;
    unsigned long long unsigned_integer;
    double float64;
    float float32;
    Other other;
  };
};

// Appends the form of one value; the one entry into the compiled renderer.
void render_arg(std::string& out, const Arg& arg, Mode mode);

// The pieces of the compound forms, compiled once.
void append_optional(std::string& out, const Arg* wrapped);  // nil when wrapped is null
void append_tuple(std::string& out, std::span<const Arg> elements, const std::string_view* labels = nullptr);
void append_record(std::string& out, std::string_view type, std::span<const std::string_view> names,
                   std::span<const Arg> fields, Mode mode);
void append_case(std::string& out, std::string_view name, const Arg* payload, bool payload_is_tuple,
                 Mode mode);
void append_class_name(std::string& out, const std::type_info& dynamic, const std::type_info& static_type,
                       std::string (*static_name)());

// The elements of a list or the entries of a dictionary, each in debug form, joined by ", ".
class Items {
 public:
  explicit Items(std::string& out);
  void add(const Arg& element);
  void add(const Arg& key, const Arg& value);
  void end(bool dictionary);

 private:
  std::string& out_;
  bool empty_ = true;
};

template <class T>
Arg arg_of(const T& value);

template <class T>
void render_value(std::string& out, const void* value, Mode mode);

template <class Tuple>
auto args_of_tuple(const Tuple& tuple) {
  return std::apply(
      [](const auto&... element) { return std::array<Arg, sizeof...(element)>{arg_of(element)...}; }, tuple);
}

template <class T>
void render_object(std::string& out, const T& object) {
  if constexpr (std::is_polymorphic_v<T>) {
    if (const auto* described = dynamic_cast<const CustomStringConvertible*>(&object)) {
      out += described->description();
      return;
    }
  }
  if constexpr (Described<T>) {
    out += object.description();
  } else {
    append_class_name(out, typeid(object), typeid(T), &type_name<T>);
  }
}

// Takes a value of one kind apart into Args; everything it writes is written by the compiled pieces.
template <class T>
void render_value(std::string& out, const void* pointer, Mode mode) {
  const T& value = *static_cast<const T*>(pointer);
  constexpr Kind kind = kind_of<T>();
  if constexpr (kind == Kind::described) {
    out += value.description();
  } else if constexpr (kind == Kind::optional) {
    if (value) {
      const Arg wrapped = arg_of(*value);
      append_optional(out, &wrapped);
    } else {
      append_optional(out, nullptr);
    }
  } else if constexpr (kind == Kind::object) {
    if (value) {
      render_object(out, *value);
    } else {
      append_optional(out, nullptr);
    }
  } else if constexpr (kind == Kind::weak_object) {
    // An optional object: pinned while it prints, or nil once it was destroyed.
    if (const auto object = value.lock()) {
      const Arg pinned = arg_of(object);
      append_optional(out, &pinned);
    } else {
      append_optional(out, nullptr);
    }
  } else if constexpr (kind == Kind::tuple) {
    const auto elements = args_of_tuple(value);
    append_tuple(out, elements);
  } else if constexpr (kind == Kind::record) {
    constexpr auto fields = T::fields();
    const auto names = std::apply([](const auto&... field) { return std::array{field.name...}; }, fields);
    const auto args = std::apply(
        [&](const auto&... field) { return std::array<Arg, sizeof...(field)>{arg_of(field.get(value))...}; },
        fields);
    append_record(out, type_name<T>(), names, args, mode);
  } else if constexpr (kind == Kind::enumeration) {
    if constexpr (MemberEnumeration<T>) {
      if constexpr (requires { value.payload(); }) {
        const auto payload = value.payload();
        using P = std::remove_cvref_t<decltype(payload)>;
        if constexpr (is_case_payload<P>::value) {
          if (payload.value) {
            const Arg arg = arg_of(*payload.value);
            append_case(out, value.case_name(), &arg, TupleForm<typename P::value_type>, mode);
          } else {
            append_case(out, value.case_name(), nullptr, false, mode);
          }
        } else {
          const Arg arg = arg_of(payload);
          append_case(out, value.case_name(), &arg, TupleForm<P>, mode);
        }
      } else {
        append_case(out, value.case_name(), nullptr, false, mode);
      }
    } else {
      append_case(out, case_name(value), nullptr, false, mode);
    }
  } else if constexpr (kind == Kind::dictionary) {
    Items items(out);
    for (const auto& [key, mapped] : value) items.add(arg_of(key), arg_of(mapped));
    items.end(true);
  } else if constexpr (kind == Kind::set || kind == Kind::sequence) {
    Items items(out);
    for (const auto& element : value)
      items.add(arg_of(static_cast<const std::ranges::range_value_t<const T>&>(element)));
    items.end(false);
  }
}

// Classifies a value: scalars are packed by value, everything else by reference with its renderer.
template <class T>
Arg arg_of(const T& value) {
  constexpr Kind kind = kind_of<T>();
  static_assert(kind != Kind::none,
                "this type has no console form: give it a description(), fields() or case_name(), or print "
                "objects of a class through a std::shared_ptr");
  Arg arg{};
  if constexpr (kind == Kind::text) {
    arg.tag = Arg::Tag::text;
    arg.text = std::string_view(value);
  } else if constexpr (kind == Kind::character) {
    arg.tag = Arg::Tag::character;
    arg.character = value.value;
  } else if constexpr (kind == Kind::boolean) {
    arg.tag = Arg::Tag::boolean;
    arg.boolean = value;
  } else if constexpr (kind == Kind::integer && std::is_signed_v<T>) {
    arg.tag = Arg::Tag::signed_integer;
    arg.signed_integer = value;
  } else if constexpr (kind == Kind::integer) {
    arg.tag = Arg::Tag::unsigned_integer;
    arg.unsigned_integer = value;
  } else if constexpr (std::same_as<T, double>) {
    arg.tag = Arg::Tag::float64;
    arg.float64 = value;
  } else if constexpr (std::same_as<T, float>) {
    arg.tag = Arg::Tag::float32;
    arg.float32 = value;
  } else if constexpr (kind == Kind::nil) {
    arg.tag = Arg::Tag::nil;
  } else {
    arg.tag = Arg::Tag::other;
    arg.other = {&value, &render_value<T>};
  }
  return arg;
}

// The arguments of a call, packed for the code compiled once: print, cat and format pack theirs this way.
template <class... Ts>
std::array<Arg, sizeof...(Ts)> pack(const Ts&... values) {
  return {arg_of(values)...};
}

// The plain or debug form of one value as a text of its own.
std::string form(const Arg& arg, Mode mode);

// The plain forms of the pieces, one after the other.
std::string concatenated(std::span<const Arg> pieces);

}  // namespace detail

// Appends the plain or debug form of a value.
template <class T>
void render_to(std::string& out, const T& value, Mode mode) {
  detail::render_arg(out, detail::arg_of(value), mode);
}

// The plain form: what print and interpolation write.
template <class T>
std::string render(const T& value) {
  return detail::form(detail::arg_of(value), Mode::plain);
}

// The debug form: what a value looks like inside a collection, an optional, a tuple or a record.
template <class T>
std::string debug(const T& value) {
  return detail::form(detail::arg_of(value), Mode::debug);
}

// Interpolation: the plain forms of the pieces, one after the other.
template <class... Ts>
std::string cat(const Ts&... pieces) {
  return detail::concatenated(detail::pack(pieces...));
}

}  // namespace console
