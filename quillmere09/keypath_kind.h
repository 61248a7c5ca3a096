// What a key path may do follows from the components it is made of.
//
// A key path names a route from a root type to a value, one component at a time: a property, a list
// element, a dictionary entry, optional chaining (a step into an optional's value that finds nothing when
// the optional is empty). Its kind says what it allows:
//
//   KeyPath<Root, Value>                   reading
//   WritableKeyPath<Root, Value>           reading, and writing into a root held in a variable
//   ReferenceWritableKeyPath<Root, Value>  reading, and writing through a root reference
//
// The kind is found by a walk: start at writable, then apply each component's effect in order, where
// "none" leaves the kind as it was:
//
//   component                                                   effect
//   variable field of a record, element of a (labelled) tuple   none
//   fixed field, of a record or of a class                      read-only
//   settable property of a class (variable, or weak)            writable through a reference
//   computed read-only property                                 read-only
//   list element at a fixed index                               none
//   dictionary entry at a fixed key                             none
//   optional chaining, and the final wrapping of the value
//   into an optional that follows it                            read-only
//
// A later class property thus makes writable-through-a-reference again what an earlier component made
// read-only: the write lands in the object behind that reference, whatever copies led there. The final
// wrapping is the last step of a route that chains: its value type is what the last component reads, made
// optional when it is not optional already, and a value made up that way has nowhere to be written back.
//
//   property<&Party::members>, at(1), property<&Explorer::items>, key("薬草")
//     variable class property, index, variable record field, entry     -> reference_writable, Optional<Int>
//   property<&Party::members>, at(2), property<&Explorer::ability>, chained, magic
//     the same to the ability, then chaining, tuple element, wrapping  -> read_only, Optional<Int>
//   property<&Student::club>, chained, property<&Club::budget>
//     weak class property, chaining, variable class property, wrapping -> read_only, Optional<Int>
//   property<&Student::club>, chained, property<&Club::teacher>
//     weak class property, chaining, weak class property (already optional: no wrapping)
//                                                                      -> reference_writable,
//                                                                      Optional<Teacher>
//
// The components themselves are in keypath_components.h; the key path, a value of its components, in
// keypath.h.
#pragma once

#include <concepts>
#include <initializer_list>
#include <optional>
#include <type_traits>

#include "console/traits.h"

namespace q09::keypath {

enum class Kind { read_only, writable, reference_writable };

// What one component does to the kind found so far.
enum class Effect { none, read_only, reference_writable };

// The walk: writable to start with, then each effect in turn.
constexpr Kind walk(std::initializer_list<Effect> effects) {
  Kind kind = Kind::writable;
  for (const Effect effect : effects) {
    if (effect == Effect::read_only) kind = Kind::read_only;
    if (effect == Effect::reference_writable) kind = Kind::reference_writable;
  }
  return kind;
}

// What every component declares for the walk: its effect, whether it is optional chaining, and
// `reads<In>`, the type it reads from a value of type In (no such type where it does not apply to In).
template <class C>
concept Component = requires {
  { C::effect } -> std::convertible_to<Effect>;
  { C::chains } -> std::convertible_to<bool>;
};

// The type read after each component, from the root on. There is no `last` where a component does not
// apply to the value before it, so that such a route is no Route.
template <class In, class... Components>
struct Reads {};
template <class In>
struct Reads<In> {
  using last = In;
};
template <class In, class C, class... Rest>
requires requires {
  typename C::template reads<In>;
}
struct Reads<In, C, Rest...> : Reads<typename C::template reads<In>, Rest...> {};

// Components that lead, one after the other, from Root to a value.
template <class Root, class... Components>
concept Route = (Component<Components> && ...) && requires {
  typename Reads<Root, Components...>::last;
};

// The kind and the value type of a key path from Root through the components.
template <class Root, class... Components>
requires Route<Root, Components...>
struct Walk {
  using Last = typename Reads<Root, Components...>::last;
  static constexpr bool chains = (Components::chains || ...);
  // The final wrapping of the value into an optional.
  static constexpr bool wraps = chains && !console::is_optional<Last>::value;
  using Value = std::conditional_t<wraps, std::optional<Last>, Last>;
  static constexpr Kind kind = walk({Components::effect..., wraps ? Effect::read_only : Effect::none});
};

}  // namespace q09::keypath
