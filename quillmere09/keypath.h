// Key paths: typed routes from a root value into one of its parts.
//
//   namespace kp = q09::keypath;
//   const auto herbs = kp::path<std::shared_ptr<Party>>(kp::property<&Party::members>, kp::at(1),
//                                                       kp::property<&Explorer::items>, kp::key("薬草"));
//   herbs.get(party);     // std::optional<std::int64_t>: 3
//   herbs.set(party, 5);  // writes through the party reference into つかさ's items
//
// path<Root>(components...) makes a key path of the kind that the walk over the components finds
// (keypath_kind.h; the components are in keypath_components.h). The three kinds are value types over a
// type-erased reader and writer, each extending the one before:
//
//   KeyPath<Root, Value>                   get(root)
//   WritableKeyPath<Root, Value>           also set(root, value) into a root held in a variable, written
//                                          back through every record on the way
//   ReferenceWritableKeyPath<Root, Value>  also set(root, value) with a const root: the write goes through
//                                          the reference that the route passes
//
// so writing through a read-only kind does not compile. A key path is immutable once made, and its copies
// share its components.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "console/type_name.h"
#include "keypath_components.h"
#include "keypath_kind.h"

namespace q09::keypath {

namespace detail {

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

template <class Root, class Value>
std::string name_of_kind(std::string_view kind) {
  return std::string(kind) + "<" + console::type_name<Root>() + ", " + console::type_name<Value>() + ">";
}

}  // namespace detail

template <class Root, class... Components>
requires Route<Root, Components...>
auto path(Components... components);

template <class Root, class Value>
class KeyPath {
 public:
  using root_type = Root;
  using value_type = Value;

  Value get(const Root& root) const { return read_(root); }

  static std::string type_name() { return detail::name_of_kind<Root, Value>("KeyPath"); }

 protected:
  using Reader = std::function<Value(const Root&)>;
  explicit KeyPath(Reader read) : read_(std::move(read)) {}

 private:
  template <class R, class... Cs>
  requires Route<R, Cs...>
  friend auto path(Cs... components);

  Reader read_;
};

template <class Root, class Value>
class WritableKeyPath : public KeyPath<Root, Value> {
 public:
  void set(Root& root, const Value& value) const { write_(root, value); }

  static std::string type_name() { return detail::name_of_kind<Root, Value>("WritableKeyPath"); }

 protected:
  using Writer = std::function<void(Root&, const Value&)>;
  WritableKeyPath(typename KeyPath<Root, Value>::Reader read, Writer write)
      : KeyPath<Root, Value>(std::move(read)), write_(std::move(write)) {}

 private:
  template <class R, class... Cs>
  requires Route<R, Cs...>
  friend auto path(Cs... components);

  Writer write_;
};

template <class Root, class Value>
class ReferenceWritableKeyPath : public WritableKeyPath<Root, Value> {
 public:
  // The root is copied, not changed: the write lands behind the reference the copy shares.
  void set(const Root& root, const Value& value) const {
    Root handle = root;
    WritableKeyPath<Root, Value>::set(handle, value);
  }

  static std::string type_name() { return detail::name_of_kind<Root, Value>("ReferenceWritableKeyPath"); }

 private:
  template <class R, class... Cs>
  requires Route<R, Cs...>
  friend auto path(Cs... components);

  ReferenceWritableKeyPath(typename KeyPath<Root, Value>::Reader read,
                           typename WritableKeyPath<Root, Value>::Writer write)
      : WritableKeyPath<Root, Value>(std::move(read), std::move(write)) {}
};

// The key path from Root through the components, of the kind and value type the walk finds.
template <class Root, class... Components>
requires Route<Root, Components...>
auto path(Components... components) {
  using Walked = Walk<Root, Components...>;
  using Value = typename Walked::Value;
  const auto route = std::make_shared<const std::tuple<Components...>>(std::move(components)...);
  auto read = [route](const Root& root) {
    return std::apply([&](const auto&... step) { return detail::read_along<Value>(root, step...); }, *route);
  };
  if constexpr (Walked::kind == Kind::read_only) {
    return KeyPath<Root, Value>(read);
  } else {
    auto write = [route](Root& root, const Value& value) {
      std::apply([&](const auto&... step) { detail::write_along(root, value, step...); }, *route);
    };
    if constexpr (Walked::kind == Kind::writable) {
      return WritableKeyPath<Root, Value>(read, write);
    } else {
      return ReferenceWritableKeyPath<Root, Value>(read, write);
    }
  }
}

}  // namespace q09::keypath
