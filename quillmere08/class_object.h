// Class objects: a class used as a run-time value (classObject<A>(), or an object's dynamicType()), and
// objects that always know the class they were made as.
//
// A class with class-level behaviour declares its metatype as a nested class `Type`, derived from its base
// class's `Type` (or from ClassObject at the root) through MetatypeOf, which names "T.Type". Class methods
// are virtual functions of `Type`; an override in a subclass's `Type` is an overriding class method. A
// subclass that adds no class method declares no `Type` and inherits its base's methods.
//
// Each class T has exactly one class object, classObject<T>(): an object of T's `Type` that knows T's name
// and, when the root's `Type` declares a RequiredInitialiser, makes objects of T. Nothing of this is written
// per class, so no subclass can answer with its base class's name or make its base class's objects.
//
// Objects of a class with a dynamic class object derive (at the root) from ClassRoot<Root> and are made only
// by q08::make<T>(args...): every constructor takes a `const Init&` first, which only make can create and
// which carries T's class object to the root. A class that does not take an Init cannot be constructed.
//
//   class Avatar : public q08::ClassRoot<Avatar> {
//    public:
//     struct Type : q08::MetatypeOf<Avatar, q08::ClassObject> {
//       virtual void say() const;                           // a class method, overridable
//     };
//     explicit Avatar(const q08::Init& init) : ClassRoot(init) {}
//   };
//   class Player : public Avatar {
//    public:
//     struct Type : q08::MetatypeOf<Player, Avatar::Type> {
//       void say() const override;
//     };
//     Player(const q08::Init& init, std::string name) : Avatar(init), name(std::move(name)) {}
//     const std::string name;
//   };
//
//   q08::classObject<Player>().say();                       // "Player"
//   std::shared_ptr<Avatar> a = q08::make<Player>("(none)");  // Player(name: "(none)")
//   a->dynamicType().say();                                 // on the dynamic class: "Player"
//
// A class object prints as the class's bare name ("A"); its static type prints with ".Type" ("A.Type").
// Two class objects are equal exactly when they stand for the same class.
#pragma once

#include <concepts>
#include <memory>
#include <string>
#include <utility>

#include "console/type_name.h"

namespace q08 {

// The root of every metatype: what all class objects can do.
class ClassObject {
 public:
  ClassObject(const ClassObject&) = delete;
  ClassObject& operator=(const ClassObject&) = delete;
  virtual ~ClassObject() = default;

  // The bare name of the class this object stands for.
  virtual std::string name() const = 0;
  std::string description() const { return name(); }

  // One class object per class, so identity is type equality (exact, not a subclass test).
  friend bool operator==(const ClassObject& a, const ClassObject& b) { return &a == &b; }

 protected:
  ClassObject() = default;
};

// The metatype T declares, derived from Base, the metatype of T's base class (ClassObject for a root class).
// Its static type prints as "T.Type".
template <class T, class Base>
class MetatypeOf : public Base {
 public:
  using instance_type = T;
};

// A required initialiser from Args..., declared once in the root's metatype: called on a class object, it
// makes an object of that class. Every class of the hierarchy must be constructible from these arguments;
// one that is not cannot be made at all.
template <class Root, class... Args>
class RequiredInitialiser {
 public:
  using required_initialiser = RequiredInitialiser;

  virtual std::shared_ptr<Root> make(Args... args) const = 0;

 protected:
  ~RequiredInitialiser() = default;
};

template <class T>
class ClassObjectOf;

// The class object of T.
template <class T>
const ClassObjectOf<T>& classObject();

namespace detail {

template <class Metatype>
concept DeclaresRequiredInitialiser = requires {
  typename Metatype::required_initialiser;
};

// The RequiredInitialiser a metatype declares, or void.
template <class Metatype>
struct RequiredOf {
  using type = void;
};
template <DeclaresRequiredInitialiser Metatype>
struct RequiredOf<Metatype> {
  using type = typename Metatype::required_initialiser;
};

// T's metatype, with the required initialiser (if its hierarchy has one) made to build a T.
template <class T, class Required = typename RequiredOf<typename T::Type>::type>
class MetatypeFor : public T::Type {};

template <class T, class Root, class... Args>
class MetatypeFor<T, RequiredInitialiser<Root, Args...>> : public T::Type {
 public:
  std::shared_ptr<Root> make(Args... args) const override;
};

}  // namespace detail

// The one class object of T: T's metatype (its own `Type`, or the one it inherits), named after T.
template <class T>
class ClassObjectOf final : public detail::MetatypeFor<T> {
 public:
  using instance_type = T;  // prints as "T.Type", also where T inherits its base's `Type`

  std::string name() const override { return console::type_name<T>(); }

 private:
  ClassObjectOf() = default;
  friend const ClassObjectOf& classObject<T>();
};

template <class T>
const ClassObjectOf<T>& classObject() {
  static const ClassObjectOf<T> object;
  return object;
}

class Init;

template <class Root>
class ClassRoot;

namespace detail {

// Whether T can be made through its hierarchy's required initialiser (true when there is none).
template <class T, class Required = typename RequiredOf<typename T::Type>::type>
inline constexpr bool offers_required = true;
template <class T, class Root, class... Args>
inline constexpr bool offers_required<T, RequiredInitialiser<Root, Args...>> =
    std::constructible_from<T, const Init&, Args...>;

}  // namespace detail

// Whether make<T>(args...) can make an object: T has a class root, its metatype descends from the root's,
// it takes an Init before the arguments, and it offers its hierarchy's required initialiser.
template <class T, class... Args>
concept Makeable = std::derived_from<T, ClassRoot<typename T::root_class>> &&
    std::derived_from<typename T::Type, typename T::root_class::Type> &&
    std::constructible_from<T, const Init&, Args...> && detail::offers_required<T>;

// T(args...): a new object of class T, which knows T as its dynamic class.
template <class T, class... Args>
requires Makeable<T, Args...> std::shared_ptr<T> make(Args&&... args);

// The proof that an object is being made by make<T>, carrying T's class object to the root of the
// object. Only make can create one, and it cannot be copied.
class Init {
 public:
  Init(const Init&) = delete;
  Init& operator=(const Init&) = delete;

 private:
  explicit Init(const ClassObject& type) : type_(type) {}

  const ClassObject& type_;

  template <class T, class... Args>
  requires Makeable<T, Args...>
  friend std::shared_ptr<T> make(Args&&... args);
  template <class Root>
  friend class ClassRoot;
};

// The root of a class hierarchy whose objects know their class. Objects are reference types: they are
// neither copied nor assigned, so a copy can never carry another class's object.
template <class Root>
class ClassRoot {
 public:
  using root_class = Root;

  ClassRoot(const ClassRoot&) = delete;
  ClassRoot& operator=(const ClassRoot&) = delete;
  virtual ~ClassRoot() = default;

  // The class object of the class the object was made as.
  const auto& dynamicType() const {
    // make<T> made sure that T's class object is a Root::Type.
    return static_cast<const typename Root::Type&>(type_);
  }

 protected:
  explicit ClassRoot(const Init& init) : type_(init.type_) {}

 private:
  const ClassObject& type_;
};

template <class T, class... Args>
requires Makeable<T, Args...> std::shared_ptr<T> make(Args&&... args) {
  return std::make_shared<T>(Init(classObject<T>()), std::forward<Args>(args)...);
}

namespace detail {

template <class T, class Root, class... Args>
std::shared_ptr<Root> MetatypeFor<T, RequiredInitialiser<Root, Args...>>::make(Args... args) const {
  return q08::make<T>(std::move(args)...);
}

}  // namespace detail

}  // namespace q08
