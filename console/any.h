// Values of any type: a box that holds a copy of a value of any type, or a strong reference to an object,
// and gives it back by a run-time test of the type asked for.
//
// A value is held as exactly its own type and comes back only as that type. An object comes back as any
// class that its dynamic class is or derives from, whatever reference type it was boxed through, so a cast
// names only the class it wants. For that the box keeps the object through the common root of boxable
// classes, console::Object, from which a dynamic_cast reaches every class of the object:
//
//   class Shape : public console::Object { ... };
//   class Square : public Shape { ... };
//   console::Any thing = std::shared_ptr<Shape>(std::make_shared<Square>());
//   thing.cast<Square>();                 // std::shared_ptr<Square>: the object is a Square
//   thing.cast<Shape>();                  // the same object, as a Shape
//   console::Any text = std::string("駅前");
//   text.cast<std::string>();             // const std::string*: the text inside
//   console::forced_cast<Square>(thing)   // checked.h: the same casts, stopping the program on failure
#pragma once

#include <any>
#include <concepts>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "console/traits.h"

namespace console {

// The root of every class whose objects go into a value of any type (Any). Where a class would reach it
// through two of its bases, those bases derive from it virtually, so that each object has one root.
class Object {
 public:
  virtual ~Object() = default;

 protected:
  Object() = default;
  Object(const Object&) = default;
  Object& operator=(const Object&) = default;
};

class Any;

namespace detail {

template <class T>
concept BoxedValue = !std::same_as<std::decay_t<T>, Any> && !is_shared_ptr<std::decay_t<T>>::value &&
                     std::copy_constructible<std::decay_t<T>>;

template <class C>
concept BoxedObject = std::derived_from<C, Object> && !std::is_const_v<C>;

}  // namespace detail

// What a cast out of a value of any type asks for: an object of a class (the class or any class derived
// from it passes) when T is a polymorphic class, else a value of exactly the type T.
template <class T>
concept ObjectCastTarget = std::is_polymorphic_v<T> && !std::is_const_v<T>;

class Any {
 public:
  // A copy of a value, held as its own type. Like the constructor below, implicit: anything converts to a
  // value of any type.
  template <detail::BoxedValue T>
  Any(T&& value) : value_(std::forward<T>(value)) {}

  // A strong reference to an object. Its class derives from Object, so that its dynamic class can be tested.
  template <detail::BoxedObject C>
  Any(std::shared_ptr<C> object) : object_(std::move(object)) {}

  // The object as a T when it is one (its class is T or derives from T), else null.
  template <ObjectCastTarget T>
  std::shared_ptr<T> cast() const {
    return std::dynamic_pointer_cast<T>(object_);
  }

  // The value inside when it is exactly a T, else null.
  template <class T>
  requires(!ObjectCastTarget<T>) const T* cast() const { return std::any_cast<T>(&value_); }

  // For messages: "value of type Square" (an object's dynamic class), "nil" (a null reference), or "value of
  // any type" (a value).
  std::string what_is_held() const;

 private:
  std::any value_;
  std::shared_ptr<Object> object_;
};

}  // namespace console
