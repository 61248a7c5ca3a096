// Key paths: typed routes from a root value into one of its parts.
//
// A key path is made from components, read from a root, and (for the writable
// kinds) written through:
//
//   namespace kp = q09::keypath;
//   auto herbs = kp::path<std::shared_ptr<Party>>(
//       kp::field<&Party::members>, kp::at(1), kp::field<&Explorer::items>, kp::key("薬草"));
//   herbs.get(party);         // std::optional<std::int64_t>
//   herbs.set(party, 5);      // writes back into the party's member list
//
// Components:
//   field<&C::m>   a stored property declared in C::fields() (console::let / var)
//   computed<&C::f> a read-only property computed by a const member function
//   element<I>     the I-th element of a (labelled) tuple
//   at(i)          the list element at index i (must lie within the list)
//   key(k)         the dictionary entry under k: an optional, empty when missing
//   chained        optional chaining ("?"): continue with the wrapped value, or
//                  end the whole read with an empty result
//
// Reference semantics are spelled as in the rest of the program: a class is
// reached through std::shared_ptr<C>, a weak property (std::weak_ptr<C>) reads
// as std::optional<std::shared_ptr<C>>. A root that is a class is therefore
// std::shared_ptr<C> (its type name is C's).
//
// The kind of a key path is decided at compile time by a walk over its
// components, starting at "writable":
//   - a variable field of a record, an element, an index, a key: no change;
//   - a fixed field (of a record or a class), a computed property, optional
//     chaining: read-only;
//   - a variable field reached through a class reference: writable through a
//     reference (again writable even after an earlier read-only step).
// The value type is the last component's type, made optional when the path
// chains and it is not optional already. path() returns
//   KeyPath<Root, Value>                  read only
//   WritableKeyPath<Root, Value>          also set(Root&, value)
//   ReferenceWritableKeyPath<Root, Value> also set(const Root&, value)
// so writing through a read-only key path does not compile.
//
// A key path is immutable once made and shares its components by reference;
// it holds its own copies of its indexes and keys.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "console/render.h"
#include "lifetime.h"

namespace q09::keypath {

enum class Kind { read_only, writable, reference_writable };

// What one component does to the kind found so far.
enum class Effect { none, read_only, reference_writable };

constexpr Kind after(Kind kind, Effect effect) {
  switch (effect) {
    case Effect::none:
      return kind;
    case Effect::read_only:
      return Kind::read_only;
    case Effect::reference_writable:
      return Kind::reference_writable;
  }
  return kind;
}

namespace detail {

// A weak property reads as an optional strong reference, anything else as itself.
template <class T>
struct read_as {
  using type = T;
};
template <class T>
struct read_as<std::weak_ptr<T>> {
  using type = std::optional<std::shared_ptr<T>>;
};

template <class Pointer>
struct member_of;
template <class C, class M>
struct member_of<M C::*> {
  using owner = C;
  using type = M;
};

// How a stored property is declared in its owner's fields(): true for
// console::let, false for console::var. A property missing there does not
// compile as a key-path component.
template <auto Member>
consteval bool declared_fixed() {
  using Owner = typename member_of<decltype(Member)>::owner;
  constexpr auto fields = Owner::fields();
  int found = 0;
  bool fixed = false;
  std::apply(
      [&](const auto&... field) {
        (
            [&] {
              using Field = std::remove_cvref_t<decltype(field)>;
              if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field.member)>, decltype(Member)>) {
                if (field.member == Member) {
                  ++found;
                  fixed = Field::fixed;
                }
              }
            }(),
            ...);
      },
      fields);
  if (found != 1) {
    throw "a key-path field must be declared exactly once in its owner's fields()";
  }
  return fixed;
}

// Stores `value` into the place a write arrived at. A value made optional by
// chaining is written only when present.
template <class Slot, class Value>
void store(Slot& slot, const Value& value) {
  if constexpr (std::is_assignable_v<Slot&, const Value&>) {
    slot = value;
  } else if constexpr (console::is_optional<Value>::value) {
    if (value) {
      slot = *value;
    }
  } else {
    static_assert(sizeof(Slot) == 0, "this value cannot be stored here");
  }
}

}  // namespace detail

// ---- Components -----------------------------------------------------------
// Each component knows, for the type In it is applied to:
//   out<In>     the type it reads;
//   effect<In>  its effect on the kind;
//   get(in)     the value (a reference where one exists);
//   modify(in, next)  calls next with the place to write into, then writes
//                     back where the place was a copy.
// `chains` marks the optional-chaining step, which the walk handles itself.

template <auto Member>
struct Field {
  using Owner = typename detail::member_of<decltype(Member)>::owner;
  using Stored = std::remove_cv_t<typename detail::member_of<decltype(Member)>::type>;
  static constexpr bool fixed = detail::declared_fixed<Member>();
  static constexpr bool chains = false;

  using Read = typename detail::read_as<Stored>::type;

  template <class In>
  using out = Read;

  template <class In>
  static consteval Effect effect_on() {
    // A class (a reference type, which this program makes non-copyable) is reached only through a
    // std::shared_ptr; through a plain value its property would pass for a record field.
    static_assert(console::is_shared_ptr<In>::value || std::is_copy_constructible_v<Owner>,
                  "a class's property is reached through a std::shared_ptr");
    return fixed                               ? Effect::read_only
           : console::is_shared_ptr<In>::value ? Effect::reference_writable
                                               : Effect::none;
  }

  template <class In>
  static constexpr Effect effect = effect_on<In>();

  template <class In>
  static const Owner& object(const In& in) {
    if constexpr (console::is_shared_ptr<In>::value) {
      static_assert(std::is_same_v<typename console::is_shared_ptr<In>::object, Owner>);
      return *in;
    } else {
      static_assert(std::is_same_v<In, Owner>);
      return in;
    }
  }

  template <class In>
  decltype(auto) get(const In& in) const {
    if constexpr (console::is_weak_ptr<Stored>::value) {
      auto target = (object(in).*Member).lock();
      return target ? Read{std::move(target)} : Read{};
    } else {
      return (object(in).*Member);
    }
  }

  // The object a write goes into: through the reference when there is one,
  // so that a reference root may itself be const.
  template <class In>
  static auto& target(In& in) {
    if constexpr (console::is_shared_ptr<std::remove_cv_t<In>>::value) {
      return *in;
    } else {
      return in;
    }
  }

  template <class In, class Next>
  void modify(In&& in, Next&& next) const {
    auto& owner = target(in);
    if constexpr (console::is_weak_ptr<Stored>::value) {
      Read place = get(in);
      next(place);
      owner.*Member = place ? *place : nullptr;
    } else {
      next(owner.*Member);
    }
  }
};

template <auto Getter>
struct Computed {
  static constexpr bool chains = false;

  template <class In>
  using out = std::remove_cvref_t<std::invoke_result_t<decltype(Getter), const In&>>;

  template <class In>
  static constexpr Effect effect = Effect::read_only;

  template <class In>
  auto get(const In& in) const {
    if constexpr (console::is_shared_ptr<In>::value) {
      return std::invoke(Getter, *in);
    } else {
      return std::invoke(Getter, in);
    }
  }

  // Only reached when a later class reference made the path writable again:
  // the write goes through that reference, the computed value is a copy.
  template <class In, class Next>
  void modify(In&& in, Next&& next) const {
    auto value = get(in);
    next(value);
  }
};

template <std::size_t I>
struct Element {
  static constexpr bool chains = false;

  template <class In>
  static decltype(auto) tuple_of(In& in) {
    if constexpr (requires { in.values; }) {
      return (in.values);  // console::Labeled keeps its elements in `values`
    } else {
      return (in);
    }
  }

  template <class In>
  using out = std::remove_cvref_t<decltype(std::get<I>(tuple_of(std::declval<In&>())))>;

  template <class In>
  static constexpr Effect effect = Effect::none;

  template <class In>
  const auto& get(const In& in) const {
    return std::get<I>(tuple_of(in));
  }

  template <class In, class Next>
  void modify(In&& in, Next&& next) const {
    next(std::get<I>(tuple_of(in)));
  }
};

struct Index {
  std::size_t index;
  static constexpr bool chains = false;

  template <class In>
  using out = typename In::value_type;

  template <class In>
  static constexpr Effect effect = Effect::none;

  template <class In>
  void check(const In& in) const {
    if (index >= in.size()) {
      console::fail("key path index out of range");
    }
  }

  template <class In>
  const auto& get(const In& in) const {
    check(in);
    return in[index];
  }

  template <class In, class Next>
  void modify(In&& in, Next&& next) const {
    check(in);
    next(in[index]);
  }
};

template <class Key>
struct Entry {
  Key key;
  static constexpr bool chains = false;

  template <class In>
  using out = std::optional<typename In::mapped_type>;

  template <class In>
  static constexpr Effect effect = Effect::none;

  template <class In>
  out<In> get(const In& in) const {
    const auto found = in.find(key);
    if (found == in.end()) {
      return std::nullopt;
    }
    return found->second;
  }

  // The entry is a copy: write it back, or remove the key when it became empty.
  template <class In, class Next>
  void modify(In&& in, Next&& next) const {
    auto place = get(in);
    next(place);
    if (place) {
      in.insert_or_assign(key, std::move(*place));
    } else {
      in.erase(key);
    }
  }
};

struct Chained {
  static constexpr bool chains = true;

  template <class In>
  using out = typename console::is_optional<In>::wrapped;  // void: not an optional

  template <class In>
  static constexpr Effect effect = Effect::read_only;
};

template <auto Member>
inline constexpr Field<Member> field{};

template <auto Getter>
inline constexpr Computed<Getter> computed{};

template <std::size_t I>
inline constexpr Element<I> element{};

inline constexpr Chained chained{};

inline Index at(std::size_t index) {
  return Index{index};
}

inline Entry<std::string> key(std::string text) {
  return Entry<std::string>{std::move(text)};
}

// ---- The walk ---------------------------------------------------------------

template <class Current, Kind K, bool Chains, class... Components>
struct Walk {
  using last = Current;
  static constexpr Kind kind = K;
  static constexpr bool chains = Chains;
};

template <class Current, Kind K, bool Chains, class Component, class... Rest>
struct Walk<Current, K, Chains, Component, Rest...>
    : Walk<typename Component::template out<Current>, after(K, Component::template effect<Current>),
           Chains || Component::chains, Rest...> {
  static_assert(!std::is_void_v<typename Component::template out<Current>>,
                "optional chaining needs an optional before it");
};

template <class Root, class... Components>
struct Route {
  using walk = Walk<Root, Kind::writable, false, Components...>;
  static constexpr Kind kind = walk::kind;
  using Value = std::conditional_t<walk::chains && !console::is_optional<typename walk::last>::value,
                                   std::optional<typename walk::last>, typename walk::last>;
};

// ---- Key path kinds ---------------------------------------------------------

namespace detail {

template <class Root, class Value>
struct Reader {
  virtual ~Reader() = default;
  virtual Value get(const Root& root) const = 0;
};

template <class Root, class Value>
struct Writer : Reader<Root, Value> {
  virtual void set(Root& root, const Value& value) const = 0;
};

template <class Value, class Current>
Value read(const Current& current) {
  return Value(current);
}

template <class Value, class Current, class Component, class... Rest>
Value read(const Current& current, const Component& component, const Rest&... rest) {
  if constexpr (Component::chains) {
    if (!current) {
      return Value{};
    }
    return read<Value>(*current, rest...);
  } else {
    return read<Value>(component.get(current), rest...);
  }
}

template <class Value, class Place>
void write(Place&& place, const Value& value) {
  store(place, value);
}

template <class Value, class Place, class Component, class... Rest>
void write(Place&& place, const Value& value, const Component& component, const Rest&... rest) {
  if constexpr (Component::chains) {
    if (place) {
      write(*place, value, rest...);
    }
  } else {
    component.modify(std::forward<Place>(place),
                     [&](auto&& next) { write(std::forward<decltype(next)>(next), value, rest...); });
  }
}

template <class Root, class Value, class... Cs>
class ReadRoute final : public Reader<Root, Value> {
 public:
  explicit ReadRoute(Cs... components) : components_(std::move(components)...) {}

  Value get(const Root& root) const override {
    return std::apply([&](const auto&... component) { return read<Value>(root, component...); }, components_);
  }

 private:
  std::tuple<Cs...> components_;
};

template <class Root, class Value, class... Cs>
class WriteRoute final : public Writer<Root, Value> {
 public:
  explicit WriteRoute(Cs... components) : components_(std::move(components)...) {}

  Value get(const Root& root) const override {
    return std::apply([&](const auto&... component) { return read<Value>(root, component...); }, components_);
  }

  void set(Root& root, const Value& value) const override {
    std::apply([&](const auto&... component) { write(root, value, component...); }, components_);
  }

 private:
  std::tuple<Cs...> components_;
};

}  // namespace detail

template <class Root, class Value>
class KeyPath {
 public:
  Value get(const Root& root) const { return route_->get(root); }

  static std::string type_name() {
    return "KeyPath<" + console::type_name<Root>() + ", " + console::type_name<Value>() + ">";
  }

 public:
  // Made by path(); holds the shared, immutable route.
  explicit KeyPath(std::shared_ptr<const detail::Reader<Root, Value>> route) : route_(std::move(route)) {}

 protected:
  // Only the writable kinds call this; they are made from a Writer alone.
  const detail::Writer<Root, Value>& writer() const {
    return static_cast<const detail::Writer<Root, Value>&>(*route_);
  }

  std::shared_ptr<const detail::Reader<Root, Value>> route_;
};

template <class Root, class Value>
class WritableKeyPath : public KeyPath<Root, Value> {
 public:
  // Writes into a root held in a variable, and back through every record on the way.
  void set(Root& root, const Value& value) const { this->writer().set(root, value); }

  static std::string type_name() {
    return "WritableKeyPath<" + console::type_name<Root>() + ", " + console::type_name<Value>() + ">";
  }

 public:
  explicit WritableKeyPath(std::shared_ptr<const detail::Writer<Root, Value>> route)
      : KeyPath<Root, Value>(std::move(route)) {}
};

template <class Root, class Value>
class ReferenceWritableKeyPath : public WritableKeyPath<Root, Value> {
 public:
  using WritableKeyPath<Root, Value>::set;

  // Writes through the reference the root holds: the root itself stays as it is.
  void set(const Root& root, const Value& value) const {
    Root handle = root;
    this->writer().set(handle, value);
  }

  static std::string type_name() {
    return "ReferenceWritableKeyPath<" + console::type_name<Root>() + ", " + console::type_name<Value>() +
           ">";
  }

 public:
  using WritableKeyPath<Root, Value>::WritableKeyPath;
};

// Makes a key path from Root through the components; its kind and value type
// come from the walk described at the top of this file.
template <class Root, class... Components>
auto path(Components... components) {
  using R = Route<Root, Components...>;
  using Value = typename R::Value;
  if constexpr (R::kind == Kind::read_only) {
    using Impl = detail::ReadRoute<Root, Value, Components...>;
    return KeyPath<Root, Value>(std::make_shared<const Impl>(std::move(components)...));
  } else {
    using Impl = detail::WriteRoute<Root, Value, Components...>;
    auto route = std::make_shared<const Impl>(std::move(components)...);
    if constexpr (R::kind == Kind::writable) {
      return WritableKeyPath<Root, Value>(std::move(route));
    } else {
      return ReferenceWritableKeyPath<Root, Value>(std::move(route));
    }
  }
}

}  // namespace q09::keypath
