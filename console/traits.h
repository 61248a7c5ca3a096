// Type traits for the standard wrappers that the rendering rules and the programs' own machinery (optional
// chaining, typed paths) both need to recognise: an optional, a strong and a weak reference.
#pragma once

#include <memory>
#include <optional>
#include <type_traits>

namespace console {

// is_optional<std::optional<T>>: true, with `wrapped` = T.
template <class T>
struct is_optional : std::false_type {
  using wrapped = void;
};
template <class T>
struct is_optional<std::optional<T>> : std::true_type {
  using wrapped = T;
};

// is_shared_ptr<std::shared_ptr<T>>: true, with `object` = T.
template <class T>
struct is_shared_ptr : std::false_type {};
template <class T>
struct is_shared_ptr<std::shared_ptr<T>> : std::true_type {
  using object = T;
};

// is_weak_ptr<std::weak_ptr<T>>: true, with `object` = T.
template <class T>
struct is_weak_ptr : std::false_type {};
template <class T>
struct is_weak_ptr<std::weak_ptr<T>> : std::true_type {
  using object = T;
};

}  // namespace console
