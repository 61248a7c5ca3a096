// Key paths: typed routes from a root value into one of its parts.
//
//   namespace kp = q09::keypath;
//   const auto herbs = kp::path<std::shared_ptr<Party>>(kp::property<&Party::members>, kp::at(1),
//                                                       kp::property<&Explorer::items>, kp::key("薬草"));
//   herbs.get(party);     // std::optional<std::int64_t>: 3
//   herbs.set(party, 5);  // writes through the party reference into つかさ's items
//
// path<Root>(components...) makes a KeyPath<Root, Components...>: a value that holds its components (the
// index and the key copied into them), nothing else. The walk over the components (keypath_kind.h; the
// components are in keypath_components.h) gives its kind and its value type, and the kind decides what it
// offers:
//
//   read_only           get(root)
//   writable            also set(root, value) into a root held in a variable, written back through every
//                       record on the way
//   reference_writable  also set(root, value) with a const root: the write goes through the reference that
//                       the route passes
//
// so writing through a read-only key path does not compile. A key path is immutable once made. Its printed
// type shows the kind, the root and the value type, never the components:
// "ReferenceWritableKeyPath<Party, Optional<Int>>".
#pragma once

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "console/type_name.h"
#include "quillmere09/keypath_components.h"
#include "quillmere09/keypath_kind.h"

namespace q09::keypath {

namespace detail {

// "KeyPath<Root, Value>", "WritableKeyPath<Root, Value>" or "ReferenceWritableKeyPath<Root, Value>".
std::string printed_type(Kind kind, std::string_view root, std::string_view value);

// Reads along the components, each handing what it read to the rest; at the end comes the final wrapping
// into the value type, where there is one.
template <class Value, class Current>
Value read_along(const Current& current) {
  return Value(current);
}
template <class Value, class Current, class Step, class... Rest>
Value read_along(const Current& current, const Step& step, const Rest&... rest) {
  return step.read(current, [&](const auto& next) { return read_along<Value>(next, rest...); });
}

// Writes along the components: each hands the place to write into to the rest, and puts it back where it
// was a copy.
template <class Value, class Place>
void write_along(Place& place, const Value& value) {
  place = value;
}
template <class Value, class Place, class Step, class... Rest>
void write_along(Place& place, const Value& value, const Step& step, const Rest&... rest) {
  step.write(place, [&](auto& next) { write_along(next, value, rest...); });
}

}  // namespace detail

template <class Root, class... Components>
requires Route<Root, Components...>
class KeyPath {
  using Walked = Walk<Root, Components...>;

 public:
  using root_type = Root;
  using value_type = typename Walked::Value;
  static constexpr Kind kind = Walked::kind;

  explicit KeyPath(Components... components) : components_(std::move(components)...) {}

  value_type get(const Root& root) const {
    return std::apply([&](const auto&... step) { return detail::read_along<value_type>(root, step...); },
                      components_);
  }

  void set(Root& root, const value_type& value) const requires(kind == Kind::writable) { write(root, value); }

  // The root is copied, not changed: the write lands behind the reference the copy shares.
  void set(const Root& root, const value_type& value) const requires(kind == Kind::reference_writable) {
    Root handle = root;
    write(handle, value);
  }

  static std::string type_name() {
    return detail::printed_type(kind, console::type_name<Root>(), console::type_name<value_type>());
  }

 private:
  void write(Root& root, const value_type& value) const {
    std::apply([&](const auto&... step) { detail::write_along(root, value, step...); }, components_);
  }

  std::tuple<Components...> components_;
};

// The key path from Root through the components, of the kind and value type the walk finds; none where the
// components make no Route from Root.
template <class Root, class... Components>
KeyPath<Root, Components...> path(Components... components) {
  return KeyPath<Root, Components...>(std::move(components)...);
}

}  // namespace q09::keypath
