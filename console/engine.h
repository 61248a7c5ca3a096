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
// One classifier, kind_of<T>(), decides what kind of value a type is; Renderable follows from it, and so does
// the renderer that render_to dispatches to. A type without a kind has no console form: printing it is a
// compile error, never a silent fallback. A type of one's own takes part in one of three ways:
//   - a member `std::string description() const` (description.h): that text, in both forms;
//   - a record declares its stored fields once with fields() (record.h): "Name(field: debug, ...)";
//   - an enumeration: members `case_name()` and optionally `payload()`, or for a C++ enum a free function
//     `case_name(E)` found by argument-dependent lookup: the case name, then the payload in parentheses.
// Objects of classes are printed through references (std::shared_ptr, std::weak_ptr), by their dynamic
// class: its most derived description, or else its qualified name "Module.Name".
#pragma once

#include <concepts>
#include <cstddef>
#include <memory>
#include <optional>
#include <ranges>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "console/description.h"
#include "console/float.h"
#include "console/program.h"
#include "console/record.h"
#include "console/traits.h"
#include "console/type_name.h"
#include "console/utf8.h"

namespace console {

enum class Mode { plain, debug };

// ---- The classifier ------------------------------------------------------------------------------------

// The kinds of values, one renderer each.
enum class Kind {
  none,       // no console form
  described,  // description()
  text,       // anything that reads as a std::string_view
  character,  // console::Character
  boolean,
  integer,
  floating,
  nil,          // std::nullopt
  optional,     // std::optional of a renderable value
  object,       // std::shared_ptr to a class
  weak_object,  // std::weak_ptr to a class: an optional object
  tuple,        // std::tuple, std::pair
  record,       // fields()
  enumeration,  // case_name()
  dictionary,   // a range of key-value pairs with key_type and mapped_type
  sequence,     // any other input range of renderable elements
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
concept Dictionary = std::ranges::input_range<const T> && requires {
  typename T::key_type;
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
// over everything else, a text over being a range of characters, a dictionary over being a range of pairs.
template <class T>
consteval Kind kind_of() {
  using namespace detail;
  if constexpr (Described<T>) {
    return Kind::described;
  } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
    return Kind::text;
  } else if constexpr (std::same_as<T, Character>) {
    return Kind::character;
  } else if constexpr (std::same_as<T, bool>) {
    return Kind::boolean;
  } else if constexpr (Integer<T>) {
    return Kind::integer;
  } else if constexpr (std::same_as<T, double> || std::same_as<T, float>) {
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
    return Renderable<std::ranges::range_value_t<const T>> ? Kind::sequence : Kind::none;
  } else {
    return Kind::none;
  }
}

// ---- The renderers -------------------------------------------------------------------------------------

// Appends the plain or debug form of a value.
template <class T>
void render_to(std::string& out, const T& value, Mode mode);

// Joins rendered pieces with a separator: call next() before each piece.
class Joiner {
 public:
  explicit Joiner(std::string& out, std::string_view separator = ", ") : out_(out), separator_(separator) {}
  void next() {
    if (!first_) out_ += separator_;
    first_ = false;
  }

 private:
  std::string& out_;
  std::string_view separator_;
  bool first_ = true;
};

namespace detail {

// Appends a text in the given form; the one place where escaping happens.
void append_text(std::string& out, std::string_view text, Mode mode);

// The bare name of an object's dynamic class, for a class other than the static type.
std::string dynamic_class_name(const std::type_info& type);

// "Module." before records and enumeration cases in the debug form.
inline void append_module_prefix(std::string& out, Mode mode) {
  if (mode == Mode::debug) {
    out += module_name();
    out += '.';
  }
}

// "(a, b, c)" from the elements of a tuple, each in debug form, each after its label where it has one.
template <class Tuple>
void append_tuple(std::string& out, const Tuple& tuple, const std::string_view* labels = nullptr) {
  out += '(';
  Joiner joiner(out);
  std::apply(
      [&](const auto&... element) {
        [[maybe_unused]] std::size_t index = 0;
        (
            [&] {
              joiner.next();
              if (labels != nullptr && !labels[index].empty()) {
                out += labels[index];
                out += ": ";
              }
              ++index;
              render_to(out, element, Mode::debug);
            }(),
            ...);
      },
      tuple);
  out += ')';
}

// An object behind a reference, by its dynamic class: the most derived description, else its class name.
template <class T>
void append_object(std::string& out, const T& object) {
  if constexpr (std::is_polymorphic_v<T>) {
    if (const auto* described = dynamic_cast<const CustomStringConvertible*>(&object)) {
      out += described->description();
      return;
    }
  }
  if constexpr (Described<T>) {
    out += object.description();
  } else {
    out += module_name();
    out += '.';
    if (typeid(object) == typeid(T)) {
      out += type_name<T>();
    } else {
      out += dynamic_class_name(typeid(object));
    }
  }
}

template <Kind K>
struct Renderer;  // one specialisation per kind; none for Kind::none

template <>
struct Renderer<Kind::described> {
  template <class T>
  static void render(std::string& out, const T& value, Mode) {
    out += value.description();
  }
};

template <>
struct Renderer<Kind::text> {
  template <class T>
  static void render(std::string& out, const T& value, Mode mode) {
    append_text(out, std::string_view(value), mode);
  }
};

template <>
struct Renderer<Kind::character> {
  static void render(std::string& out, Character value, Mode mode) {
    append_text(out, utf8(value.value), mode);
  }
};

template <>
struct Renderer<Kind::boolean> {
  static void render(std::string& out, bool value, Mode) { out += value ? "true" : "false"; }
};

template <>
struct Renderer<Kind::integer> {
  template <class T>
  static void render(std::string& out, T value, Mode) {
    out += std::to_string(value);
  }
};

template <>
struct Renderer<Kind::floating> {
  template <class T>
  static void render(std::string& out, T value, Mode) {
    append_float(out, value);
  }
};

template <>
struct Renderer<Kind::nil> {
  static void render(std::string& out, std::nullopt_t, Mode) { out += "nil"; }
};

template <>
struct Renderer<Kind::optional> {
  template <class T>
  static void render(std::string& out, const std::optional<T>& value, Mode) {
    if (!value) {
      out += "nil";
      return;
    }
    out += "Optional(";
    render_to(out, *value, Mode::debug);
    out += ')';
  }
};

template <>
struct Renderer<Kind::object> {
  template <class T>
  static void render(std::string& out, const std::shared_ptr<T>& object, Mode) {
    if (object) {
      append_object(out, *object);
    } else {
      out += "nil";
    }
  }
};

template <>
struct Renderer<Kind::weak_object> {
  // A weak reference reads as an optional: the object while it lives, nil afterwards.
  template <class T>
  static void render(std::string& out, const std::weak_ptr<T>& reference, Mode mode) {
    auto object = reference.lock();
    Renderer<Kind::optional>::render(
        out, object ? std::optional{std::move(object)} : std::optional<std::shared_ptr<T>>{}, mode);
  }
};

template <>
struct Renderer<Kind::tuple> {
  template <class T>
  static void render(std::string& out, const T& tuple, Mode) {
    append_tuple(out, tuple);
  }
};

template <>
struct Renderer<Kind::record> {
  template <class T>
  static void render(std::string& out, const T& record, Mode mode) {
    append_module_prefix(out, mode);
    out += type_name<T>();
    out += '(';
    Joiner joiner(out);
    std::apply(
        [&](const auto&... field) {
          (
              [&] {
                joiner.next();
                out += field.name;
                out += ": ";
                render_to(out, field.get(record), Mode::debug);
              }(),
              ...);
        },
        T::fields());
    out += ')';
  }
};

template <>
struct Renderer<Kind::enumeration> {
  template <class T>
  static void render(std::string& out, const T& value, Mode mode) {
    append_module_prefix(out, mode);
    if constexpr (MemberEnumeration<T>) {
      out += value.case_name();
      if constexpr (requires { value.payload(); }) {
        const auto payload = value.payload();
        if constexpr (is_optional<std::remove_cvref_t<decltype(payload)>>::value) {
          if (payload) append_payload(out, *payload);
        } else {
          append_payload(out, payload);
        }
      }
    } else {
      out += case_name(value);
    }
  }

  // The payload in parentheses: a tuple brings its own, a single value gets them.
  template <class P>
  static void append_payload(std::string& out, const P& payload) {
    if constexpr (is_tuple<P>::value) {
      append_tuple(out, payload);
    } else {
      out += '(';
      render_to(out, payload, Mode::debug);
      out += ')';
    }
  }
};

template <>
struct Renderer<Kind::dictionary> {
  template <class T>
  static void render(std::string& out, const T& dictionary, Mode) {
    if (std::ranges::empty(dictionary)) {
      out += "[:]";
      return;
    }
    out += '[';
    Joiner joiner(out);
    for (const auto& [key, mapped] : dictionary) {
      joiner.next();
      render_to(out, key, Mode::debug);
      out += ": ";
      render_to(out, mapped, Mode::debug);
    }
    out += ']';
  }
};

template <>
struct Renderer<Kind::sequence> {
  template <class T>
  static void render(std::string& out, const T& sequence, Mode) {
    out += '[';
    Joiner joiner(out);
    for (const auto& element : sequence) {
      joiner.next();
      render_to(out, static_cast<const std::ranges::range_value_t<const T>&>(element), Mode::debug);
    }
    out += ']';
  }
};

}  // namespace detail

template <class T>
void render_to(std::string& out, const T& value, Mode mode) {
  static_assert(Renderable<T>,
                "this type has no console form: give it a description(), fields() or case_name(), or print "
                "objects of a class through a std::shared_ptr");
  detail::Renderer<kind_of<T>()>::render(out, value, mode);
}

// The plain or debug form of a value as a text of its own.
template <class T>
std::string form(const T& value, Mode mode) {
  std::string out;
  render_to(out, value, mode);
  return out;
}

// The plain form: what print and interpolation write.
template <class T>
std::string render(const T& value) {
  return form(value, Mode::plain);
}

// The debug form: what a value looks like inside a collection, an optional, a tuple or a record.
template <class T>
std::string debug(const T& value) {
  return form(value, Mode::debug);
}

// Interpolation: the plain forms of the pieces, one after the other.
template <class... Ts>
std::string cat(const Ts&... pieces) {
  std::string out;
  (render_to(out, pieces, Mode::plain), ...);
  return out;
}

}  // namespace console
