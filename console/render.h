// Console rendering: how every printed value becomes text, and print.
//
// Every value has a plain form (print, interpolation) and a debug form (values nested inside a collection,
// an optional, a tuple or a record). They differ only in that texts and characters are quoted and escaped
// in the debug form, and records and enumeration cases are prefixed by the program's module name.
//
//   console::print("a", 1, 2.5);                       // a 1 2.5
//   console::print({.terminator = " "}, 9);             // "9 " with no line feed
//   console::print(std::vector<std::optional<int64_t>>{std::nullopt, 3});   // [nil, Optional(3)]
//   std::string s = console::cat("s=", std::tuple{100, 50});              // s=(100, 50)
//
// A type takes part in exactly one way:
//   - a member `std::string description() const`: that text, in both forms;
//   - a record (value type) declares its stored fields once, as `static constexpr auto fields()` returning a
//     std::tuple of console::var / console::let; it prints "Name(field: debug, ...)". The same declaration
//     serves typed paths into the record;
//   - an enumeration: members `case_name()` and optionally `payload()` (a tuple), or for a C++ enum a free
//     function `case_name(E)` found by argument-dependent lookup;
//   - a class held by std::shared_ptr without a description prints "Module.Name".
// Anything else is a compile error, never a silent fallback.
//
// Floats print the shortest digits that read back as the same value of the same width (std::to_chars), as
// a plain decimal with at least one fraction digit ("5.0", "0.138") while 0.0001 <= |x| <= 2^54 for double
// and 0.0001 <= |x| <= 2^24 for float, and in exponent form otherwise ("1e-05", "1.8014398509481988e+16").
// The float limit is chosen where floats stop holding every whole number, so a float printed as a plain
// decimal never shows digits it cannot tell apart. Infinities and NaN print as "inf", "-inf" and "nan".
#pragma once

#include <concepts>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <ranges>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "console/traits.h"
#include "console/type_name.h"
#include "console/utf8.h"

namespace console {

// ---- Program setup -------------------------------------------------------------------------------------

// Names the running program and makes a failed write to standard output a reported failure: at exit
// (a return from main or std::exit) stdout is flushed, and if any write failed, one line naming the
// program and the error goes to stderr and the exit status becomes 1. Call it first in main.
void start_program(std::string_view name);

// The module name that qualifies records, enumeration cases and classes (rules for the debug form).
std::string_view module_name();

// Reports a failure that stdout must not show: one line on stderr, "<program>: <what>: <error text>",
// where error is an errno value. Used for the read errors of the word files and for a failed stdout.
void report_error(std::string_view what, int error);

// ---- Records -------------------------------------------------------------------------------------------

// One stored field of a record: its name, its member pointer, and whether it is fixed at construction.
template <class Class, class Member, bool Fixed>
struct Field {
  using class_type = Class;
  using member_type = Member;
  static constexpr bool fixed = Fixed;

  std::string_view name;
  Member Class::*member;

  constexpr const Member& get(const Class& object) const { return object.*member; }
  constexpr Member& get(Class& object) const { return object.*member; }
};

// A variable field (`var`).
template <class Class, class Member>
constexpr Field<Class, Member, false> var(std::string_view name, Member Class::*member) {
  return {name, member};
}

// A field fixed at construction (`let`).
template <class Class, class Member>
constexpr Field<Class, Member, true> let(std::string_view name, Member Class::*member) {
  return {name, member};
}

template <class T>
concept Record = requires {
  std::tuple_size<decltype(T::fields())>::value;
};

// ---- Values with a shape of their own ------------------------------------------------------------------

// A tuple whose elements carry labels: labeled({"offset", "element"}, 0, name) prints
// "(offset: 0, element: \"...\")".
template <class... Ts>
struct Labeled {
  std::array<std::string_view, sizeof...(Ts)> labels;
  std::tuple<Ts...> values;

  template <std::size_t I>
  constexpr const auto& get() const {
    return std::get<I>(values);
  }
  template <std::size_t I>
  constexpr auto& get() {
    return std::get<I>(values);
  }
  friend constexpr bool operator==(const Labeled& a, const Labeled& b) { return a.values == b.values; }
};

template <class... Ts>
constexpr Labeled<std::decay_t<Ts>...> labeled(std::array<std::string_view, sizeof...(Ts)> labels,
                                               Ts&&... values) {
  return {labels, {std::forward<Ts>(values)...}};
}

namespace detail {
template <class... Ts>
struct TypeName<Labeled<Ts...>> {
  static std::string name() { return "(" + join_names<Ts...>() + ")"; }
};
}  // namespace detail

// A half-open range of values, "0..<5".
template <class T>
struct Range {
  T lower;
  T upper;
  constexpr bool contains(const T& v) const { return lower <= v && v < upper; }
  friend constexpr bool operator==(const Range&, const Range&) = default;
};

// A closed range of values, "0...5".
template <class T>
struct ClosedRange {
  T lower;
  T upper;
  constexpr bool contains(const T& v) const { return lower <= v && v <= upper; }
  friend constexpr bool operator==(const ClosedRange&, const ClosedRange&) = default;
};

// ---- The rendering engine ------------------------------------------------------------------------------

enum class Mode { plain, debug };

template <class T>
void render_to(std::string& out, const T& value, Mode mode);

namespace detail {

template <class T>
concept Described = requires(const T& v) {
  { v.description() } -> std::convertible_to<std::string>;
};

template <class T>
concept Text = std::convertible_to<const T&, std::string_view> && !Described<T>;

template <class T>
concept Integer =
    std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
    !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>;

template <class T>
concept MemberEnumeration = requires(const T& v) {
  { v.case_name() } -> std::convertible_to<std::string_view>;
};

template <class T>
concept FreeEnumeration = std::is_enum_v<T> && requires(const T& v) {
  { case_name(v) } -> std::convertible_to<std::string_view>;
};

template <class T>
struct is_specialization_of_tuple : std::false_type {};
template <class... Ts>
struct is_specialization_of_tuple<std::tuple<Ts...>> : std::true_type {};
template <class A, class B>
struct is_specialization_of_tuple<std::pair<A, B>> : std::true_type {};

template <class T>
concept TupleLike = is_specialization_of_tuple<T>::value;

template <class T>
struct is_labeled : std::false_type {};
template <class... Ts>
struct is_labeled<Labeled<Ts...>> : std::true_type {};

template <class T>
struct is_type_value : std::false_type {};
template <class T>
struct is_type_value<Type<T>> : std::true_type {};

template <class T>
concept Dictionary = std::ranges::input_range<const T> && requires {
  typename T::key_type;
  typename T::mapped_type;
};

template <class T>
concept Sequence = std::ranges::input_range<const T>;

// Appends a text in the given form; the one place where escaping happens.
void append_text(std::string& out, std::string_view text, Mode mode);
void append_float(std::string& out, double value);
void append_float(std::string& out, float value);

// An object behind a reference is a class instance: its description, or its qualified class name (even
// when it declares fields for other uses, such as typed paths).
template <class T>
void render_object(std::string& out, const T& object) {
  if constexpr (Described<T>) {
    out += object.description();
  } else {
    // A class instance without a description: its qualified name, in both forms.
    out += module_name();
    out += '.';
    out += type_name<T>();
  }
}

template <class Tuple, std::size_t... I>
void render_tuple(std::string& out, const Tuple& tuple, [[maybe_unused]] const std::string_view* labels,
                  std::index_sequence<I...>) {
  out += '(';
  (
      [&] {
        if constexpr (I > 0) out += ", ";
        if (labels != nullptr && !labels[I].empty()) {
          out += labels[I];
          out += ": ";
        }
        render_to(out, std::get<I>(tuple), Mode::debug);
      }(),
      ...);
  out += ')';
}

template <class T>
void render_record(std::string& out, const T& record, Mode mode) {
  if (mode == Mode::debug) {
    out += module_name();
    out += '.';
  }
  out += type_name<T>();
  out += '(';
  bool first = true;
  std::apply(
      [&](const auto&... field) {
        (
            [&] {
              if (!first) out += ", ";
              first = false;
              out += field.name;
              out += ": ";
              render_to(out, field.get(record), Mode::debug);
            }(),
            ...);
      },
      T::fields());
  out += ')';
}

template <class T>
void render_enumeration(std::string& out, const T& value, Mode mode) {
  if (mode == Mode::debug) {
    out += module_name();
    out += '.';
  }
  if constexpr (MemberEnumeration<T>) {
    out += value.case_name();
    if constexpr (requires { value.payload(); }) {
      const auto payload = value.payload();
      if constexpr (is_optional<std::remove_cvref_t<decltype(payload)>>::value) {
        if (payload) render_to(out, *payload, Mode::debug);
      } else {
        render_to(out, payload, Mode::debug);
      }
    }
  } else {
    out += case_name(value);
  }
}

template <class T>
constexpr bool renderable() {
  if constexpr (Described<T> || Text<T> || Integer<T> || std::floating_point<T> || std::same_as<T, bool> ||
                std::same_as<T, Character> || std::same_as<T, std::nullopt_t> || TupleLike<T> ||
                is_labeled<T>::value || is_type_value<T>::value || Record<T> || MemberEnumeration<T> ||
                FreeEnumeration<T>) {
    return true;
  } else if constexpr (is_optional<T>::value) {
    return renderable<typename T::value_type>();
  } else if constexpr (is_shared_ptr<T>::value || is_weak_ptr<T>::value) {
    return std::is_class_v<typename T::element_type>;
  } else if constexpr (Sequence<T>) {
    return renderable<std::remove_cvref_t<std::ranges::range_value_t<const T>>>() || Dictionary<T>;
  } else {
    return false;
  }
}

template <class T>
struct is_range_value : std::false_type {};
template <class T>
struct is_range_value<Range<T>> : std::true_type {};
template <class T>
struct is_closed_range_value : std::false_type {};
template <class T>
struct is_closed_range_value<ClosedRange<T>> : std::true_type {};

}  // namespace detail

// Whether a type has a plain and a debug form.
template <class T>
concept Renderable = detail::renderable<std::remove_cvref_t<T>>() || detail::is_range_value<T>::value
    || detail::is_closed_range_value<T>::value;

// Appends the plain or debug form of a value.
template <class T>
void render_to(std::string& out, const T& value, Mode mode) {
  using namespace detail;
  if constexpr (Described<T>) {
    out += value.description();
  } else if constexpr (Text<T>) {
    append_text(out, std::string_view(value), mode);
  } else if constexpr (std::same_as<T, Character>) {
    std::string scalar;
    append_utf8(scalar, value.value);
    append_text(out, scalar, mode);
  } else if constexpr (std::same_as<T, bool>) {
    out += value ? "true" : "false";
  } else if constexpr (Integer<T>) {
    out += std::to_string(value);
  } else if constexpr (std::same_as<T, double> || std::same_as<T, float>) {
    append_float(out, value);
  } else if constexpr (std::same_as<T, std::nullopt_t>) {
    out += "nil";
  } else if constexpr (is_optional<T>::value) {
    if (value) {
      out += "Optional(";
      render_to(out, *value, Mode::debug);
      out += ')';
    } else {
      out += "nil";
    }
  } else if constexpr (is_shared_ptr<T>::value) {
    if (value) {
      render_object(out, *value);
    } else {
      out += "nil";
    }
  } else if constexpr (is_weak_ptr<T>::value) {
    render_to(out,
              value.expired() ? std::optional<std::shared_ptr<typename T::element_type>>{}
                              : std::optional{value.lock()},
              mode);
  } else if constexpr (is_type_value<T>::value) {
    out += T::name();
  } else if constexpr (is_range_value<T>::value || is_closed_range_value<T>::value) {
    render_to(out, value.lower, Mode::debug);
    out += is_range_value<T>::value ? "..<" : "...";
    render_to(out, value.upper, Mode::debug);
  } else if constexpr (is_labeled<T>::value) {
    render_tuple(out, value.values, value.labels.data(),
                 std::make_index_sequence<std::tuple_size_v<decltype(value.values)>>{});
  } else if constexpr (TupleLike<T>) {
    render_tuple(out, value, nullptr, std::make_index_sequence<std::tuple_size_v<T>>{});
  } else if constexpr (Record<T>) {
    render_record(out, value, mode);
  } else if constexpr (MemberEnumeration<T> || FreeEnumeration<T>) {
    render_enumeration(out, value, mode);
  } else if constexpr (Dictionary<T>) {
    if (std::ranges::empty(value)) {
      out += "[:]";
      return;
    }
    out += '[';
    bool first = true;
    for (const auto& [key, mapped] : value) {
      if (!first) out += ", ";
      first = false;
      render_to(out, key, Mode::debug);
      out += ": ";
      render_to(out, mapped, Mode::debug);
    }
    out += ']';
  } else if constexpr (Sequence<T>) {
    out += '[';
    bool first = true;
    for (const auto& element : value) {
      if (!first) out += ", ";
      first = false;
      render_to(out, static_cast<const std::remove_cvref_t<decltype(element)>&>(element), Mode::debug);
    }
    out += ']';
  } else {
    static_assert(!sizeof(T*),
                  "this type has no console form: give it a description(), fields() or case_name()");
  }
}

// The plain form: what print and interpolation write.
template <class T>
std::string render(const T& value) {
  std::string out;
  render_to(out, value, Mode::plain);
  return out;
}

// The debug form: what a value looks like inside a collection, an optional, a tuple or a record.
template <class T>
std::string debug(const T& value) {
  std::string out;
  render_to(out, value, Mode::debug);
  return out;
}

// Interpolation: the plain forms of the pieces, one after the other.
template <class... Ts>
std::string cat(const Ts&... pieces) {
  std::string out;
  (render_to(out, pieces, Mode::plain), ...);
  return out;
}

// ---- print ---------------------------------------------------------------------------------------------

struct PrintOptions {
  std::string_view separator = " ";
  std::string_view terminator = "\n";
};

namespace detail {
// Writes through the C library's stdout, so that printf-family output interleaves in order.
void write_stdout(std::string_view text);

template <class... Ts>
void append_line(std::string& out, const PrintOptions& options, const Ts&... items) {
  [[maybe_unused]] bool first = true;
  (
      [&] {
        if (!first) out += options.separator;
        first = false;
        render_to(out, items, Mode::plain);
      }(),
      ...);
  out += options.terminator;
}
}  // namespace detail

// Writes the plain forms of the items, separated by a blank and ended by a line feed.
template <class... Ts>
void print(const Ts&... items) {
  std::string line;
  detail::append_line(line, PrintOptions{}, items...);
  detail::write_stdout(line);
}

// The same with a chosen separator and terminator: print({.terminator = ""}, x).
template <class... Ts>
void print(const PrintOptions& options, const Ts&... items) {
  std::string line;
  detail::append_line(line, options, items...);
  detail::write_stdout(line);
}

// Appends to a text instead of standard output.
template <class... Ts>
void print_to(std::string& target, const Ts&... items) {
  detail::append_line(target, PrintOptions{}, items...);
}

template <class... Ts>
void print_to(std::string& target, const PrintOptions& options, const Ts&... items) {
  detail::append_line(target, options, items...);
}

// ---- Formatting ----------------------------------------------------------------------------------------

// One argument of format: an integer (always 64-bit), a floating value or a text.
class FormatArgument {
 public:
  template <detail::Integer T>
  FormatArgument(T value)  // NOLINT: implicit on purpose, format's arguments convert on the call
      : kind_(std::is_signed_v<T> ? Kind::signed_integer : Kind::unsigned_integer),
        integer_(static_cast<long long>(value)),
        unsigned_(static_cast<unsigned long long>(value)) {}
  FormatArgument(double value) : kind_(Kind::floating), floating_(value) {}      // NOLINT
  FormatArgument(std::string_view value) : kind_(Kind::text), text_(value) {}    // NOLINT
  FormatArgument(const char* value) : kind_(Kind::text), text_(value) {}         // NOLINT
  FormatArgument(const std::string& value) : kind_(Kind::text), text_(value) {}  // NOLINT

  enum class Kind { signed_integer, unsigned_integer, floating, text };
  Kind kind() const { return kind_; }
  long long integer() const;
  unsigned long long unsigned_integer() const;
  double floating() const;
  const std::string& text() const { return text_; }

 private:
  Kind kind_;
  long long integer_ = 0;
  unsigned long long unsigned_ = 0;
  double floating_ = 0;
  std::string text_;
};

// String(format:): the C printf conversions applied to the arguments; integer conversions ("%d", "%2d",
// "%02d", "%x", ...) take any integer as 64-bit, floating ones a double, "%s" a text, "%%" a percent sign.
std::string format_list(std::string_view format, const std::vector<FormatArgument>& arguments);

template <class... Ts>
std::string format(std::string_view format, const Ts&... arguments) {
  return format_list(format, {FormatArgument(arguments)...});
}

}  // namespace console
