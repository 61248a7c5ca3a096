// The components a key path is made of.
//
//   property<&T::m>  a stored property, declared once as console::let (fixed) or console::var: by a record in
//                    its fields(), by a class in its properties()
//   computed<&T::f>  a read-only property computed by a const member function
//   element<I>       the I-th element of a tuple or labelled tuple
//   at(i)            the list element at index i, which must lie within the list
//   key(k)           the dictionary entry under the text k: an optional, empty for a missing key
//   chained          optional chaining: on with the wrapped value, or the whole read ends empty
//
// A class (a q09::Class) is reached through a std::shared_ptr, a record by value; a route that holds a class
// by value or a record through a reference is no route. A weak property (std::weak_ptr<C>) reads as
// std::optional<std::shared_ptr<C>>. A class never declares fields(): that is a record's field list, which
// the renderer prints a value by, while an object prints by its description or its class name.
//
// Besides what the walk needs (keypath_kind.h: effect, chains, reads<In>), each component does two things,
// as a step that hands on to the rest of the route:
//   read(in, next)   calls next with what it reads from in, and returns what next returns;
//   write(in, next)  calls next with the place to write into, and puts that place back where it was a copy.
// The index and the key are copied into the component when it is made.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "console/checked.h"
#include "console/program.h"
#include "console/record.h"
#include "console/traits.h"
#include "quillmere09/keypath_kind.h"
#include "quillmere09/lifetime.h"

namespace q09::keypath {

namespace detail {

template <class Pointer>
struct member_of;
template <class C, class M>
struct member_of<M C::*> {
  using owner = C;
};

// How a value of type In holds an Owner: a class through a strong reference, a record by value.
template <class In, class Owner>
concept Holds = (Class<Owner> && std::same_as<In, std::shared_ptr<Owner>>) ||
                (!Class<Owner> && std::same_as<In, Owner>);

// What the other components apply to.
template <class T, std::size_t I>
concept HasElement = requires {
  requires I < std::tuple_size<T>::value;
};
template <class T>
concept List = std::ranges::random_access_range<T> && std::ranges::sized_range<T>;
template <class T>
concept TextKeyedDictionary = std::same_as<typename T::key_type, std::string> && requires {
  typename T::mapped_type;
};
template <class T>
concept Optional = console::is_optional<T>::value;

// A weak property reads as an optional strong reference, any other as what it stores.
template <class Stored>
struct read_as {
  using type = Stored;
};
template <class T>
struct read_as<std::weak_ptr<T>> {
  using type = std::optional<std::shared_ptr<T>>;
};

// The owner a property is read from or written into (through the reference, for a class).
template <class Owner, class In>
decltype(auto) object_of(In& in) {
  if constexpr (Class<Owner>) {
    if (!in) console::fail("key path applied through an empty reference");
    return (*in);
  } else {
    return (in);
  }
}

// Where an owner declares its stored properties.
template <class Owner>
constexpr auto declared_properties() {
  if constexpr (Class<Owner>) {
    static_assert(
        !console::Record<Owner>,
        "a class declares its properties in properties(), not fields(): its objects are no records");
    return Owner::properties();
  } else {
    return Owner::fields();
  }
}

// How a stored property is declared by its owner: how many times, and whether as fixed (console::let) or
// variable (console::var).
struct Declaration {
  int times = 0;
  bool fixed = false;
};

template <auto Member>
consteval Declaration declaration_of() {
  using Owner = typename member_of<decltype(Member)>::owner;
  Declaration found;
  std::apply(
      [&](const auto&... declared) {
        (
            [&] {
              if constexpr (std::is_same_v<decltype(declared.member), decltype(Member)>) {
                if (declared.member == Member) {
                  ++found.times;
                  found.fixed = std::remove_cvref_t<decltype(declared)>::fixed;
                }
              }
            }(),
            ...);
      },
      declared_properties<Owner>());
  return found;
}

// A read-only step on a route that a later class reference made writable: what it reads is a copy, handed
// on so that the write can go through that reference.
template <class Step, class In, class Next>
void write_through_copy(const Step& step, const In& in, Next& next) {
  step.read(in, [&](const auto& value) {
    auto copy = value;
    next(copy);
  });
}

}  // namespace detail

template <auto Member>
struct Property {
  using Owner = typename detail::member_of<decltype(Member)>::owner;
  using Stored = std::remove_cvref_t<decltype(std::declval<Owner&>().*Member)>;
  static constexpr bool weak = console::is_weak_ptr<Stored>::value;
  static_assert(detail::declaration_of<Member>().times == 1,
                "a key-path property is declared exactly once by its owner");
  static constexpr bool fixed = detail::declaration_of<Member>().fixed;

  static constexpr Effect effect = fixed          ? Effect::read_only
                                   : Class<Owner> ? Effect::reference_writable
                                                  : Effect::none;
  static constexpr bool chains = false;

  template <detail::Holds<Owner> In>
  using reads = typename detail::read_as<Stored>::type;

  template <class In, class Next>
  decltype(auto) read(const In& in, Next&& next) const {
    const auto& stored = detail::object_of<Owner>(in).*Member;
    if constexpr (weak) {
      return next(console::optional_of(stored));
    } else {
      return next(stored);
    }
  }

  template <class In, class Next>
  void write(In& in, Next&& next) const {
    if constexpr (fixed) {
      detail::write_through_copy(*this, in, next);
    } else if constexpr (weak) {
      // A weak property is written with a strong reference, and keeps only a weak one.
      auto& stored = detail::object_of<Owner>(in).*Member;
      auto place = console::optional_of(stored);
      next(place);
      if (place) {
        stored = *place;
      } else {
        stored.reset();
      }
    } else {
      next(detail::object_of<Owner>(in).*Member);
    }
  }
};

template <auto Getter>
struct Computed {
  using Owner = typename detail::member_of<decltype(Getter)>::owner;

  static constexpr Effect effect = Effect::read_only;
  static constexpr bool chains = false;

  template <detail::Holds<Owner> In>
  using reads = std::remove_cvref_t<decltype((std::declval<const Owner&>().*Getter)())>;

  template <class In, class Next>
  decltype(auto) read(const In& in, Next&& next) const {
    return next((std::as_const(detail::object_of<Owner>(in)).*Getter)());
  }

  template <class In, class Next>
  void write(const In& in, Next&& next) const {
    detail::write_through_copy(*this, in, next);
  }
};

// What an element of a tuple and an element of a list share: a part held in place inside the value before it,
// read and written there. Locator gives place_in(in), the part's place.
template <class Locator>
struct Part {
  static constexpr Effect effect = Effect::none;
  static constexpr bool chains = false;

  template <class In, class Next>
  decltype(auto) read(const In& in, Next&& next) const {
    return next(locator().place_in(in));
  }

  template <class In, class Next>
  void write(In& in, Next&& next) const {
    next(locator().place_in(in));
  }

 private:
  const Locator& locator() const { return static_cast<const Locator&>(*this); }
};

template <std::size_t I>
struct Element : Part<Element<I>> {
  template <detail::HasElement<I> In>
  using reads = std::tuple_element_t<I, In>;

  // console::Labeled gives its elements through member get<I>(), std::tuple and std::pair through std::get.
  template <class In>
  static auto& place_in(In& in) {
    if constexpr (requires { in.template get<I>(); }) {
      return in.template get<I>();
    } else {
      return std::get<I>(in);
    }
  }
};

struct Index : Part<Index> {
  explicit Index(std::size_t index) : index(index) {}

  template <detail::List In>
  using reads = std::ranges::range_value_t<In>;

  template <class In>
  auto& place_in(In& in) const {
    if (index >= std::ranges::size(in)) console::fail("key path index out of range");
    return std::ranges::begin(in)[static_cast<std::ranges::range_difference_t<In>>(index)];
  }

  std::size_t index;
};

struct Entry {
  std::string key;

  static constexpr Effect effect = Effect::none;
  static constexpr bool chains = false;

  template <detail::TextKeyedDictionary In>
  using reads = std::optional<typename In::mapped_type>;

  template <class In, class Next>
  decltype(auto) read(const In& in, Next&& next) const {
    return next(entry_of(in));
  }

  // The entry is a copy: put it back, or remove the key when it became empty.
  template <class In, class Next>
  void write(In& in, Next&& next) const {
    auto place = entry_of(in);
    next(place);
    if (place) {
      in.insert_or_assign(key, std::move(*place));
    } else {
      in.erase(key);
    }
  }

 private:
  template <class In>
  std::optional<typename In::mapped_type> entry_of(const In& in) const {
    const auto found = in.find(key);
    if (found == in.end()) return std::nullopt;
    return found->second;
  }
};

struct Chaining {
  static constexpr Effect effect = Effect::read_only;
  static constexpr bool chains = true;

  template <detail::Optional In>
  using reads = typename In::value_type;

  // An empty value ends the whole read with an empty result (a route that chains reads an optional).
  template <class In, class Next>
  auto read(const In& in, Next&& next) const -> decltype(next(*in)) {
    if (!in) return std::nullopt;
    return next(*in);
  }

  // An empty value leaves nothing to write into: the write does not happen.
  template <class In, class Next>
  void write(In& in, Next&& next) const {
    if (in) next(*in);
  }
};

template <auto Member>
inline constexpr Property<Member> property{};

template <auto Getter>
inline constexpr Computed<Getter> computed{};

template <std::size_t I>
inline constexpr Element<I> element{};

inline constexpr Chaining chained{};

inline Index at(std::size_t index) {
  return Index{index};
}

inline Entry key(std::string text) {
  return Entry{std::move(text)};
}

}  // namespace q09::keypath
