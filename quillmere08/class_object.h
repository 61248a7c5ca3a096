// Class objects: a class used as a run-time value ("A.self", "type(of: a)").
//
// Every class with class-level behaviour declares its metatype as a nested class `Type`, derived from its
// base class's `Type` (or from ClassObject at the root), through MetatypeOf so that the class object knows
// the class's name. Class methods are virtual functions of `Type`; an override in a subclass's `Type` is
// an overriding class method. Each class has exactly one class object, reached in two ways:
//
//   class A {
//    public:
//     struct Type : q08::MetatypeOf<A, q08::ClassObject> {
//       virtual void show() const;                            // class func show()
//     };
//     static const Type& self() { return q08::class_object<A>(); }           // A.self
//     virtual const Type& dynamicType() const { return self(); }              // type(of: a)
//   };
//
// A class object prints as the class's bare name ("A"); its static type prints with ".Type" ("A.Type").
// Two class objects are equal exactly when they stand for the same class.
#pragma once

#include <string>

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

// Ties a metatype to its class: the class object's name, and the metatype's own printed name "T.Type".
// Base is the metatype of T's base class, or ClassObject for a root class.
template <class T, class Base>
class MetatypeOf : public Base {
 public:
  using instance_type = T;  // prints as "T.Type"
  std::string name() const override { return console::type_name<T>(); }
};

// The single class object of T (an instance of T::Type, made on first use and kept for the run).
template <class T>
const typename T::Type& class_object() {
  static const typename T::Type object;
  return object;
}

}  // namespace q08
