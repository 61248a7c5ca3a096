// Small classes named A and B (in each pair B is a subclass of A), and C with the protocol P.
//
// The module-level A, B and C serve the type values and the protocol test; pair1 to pair5 each belong to
// one driver section: class-level counters (pair1, pair2, section 4), type-level functions named on the
// type (pair3 as static members, pair4 as members of the class objects, section 5), and an
// overridable class method chosen by an object's dynamic class (pair5, section 6).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "quillmere08/class_object.h"

namespace q08 {

class A : public ClassRoot<A> {
 public:
  struct Type : MetatypeOf<A, ClassObject> {};
  explicit A(const Init& init) : ClassRoot(init) {}
};

class B : public A {
 public:
  using A::A;
};

// A protocol without requirements; conformance is tested at run time with dynamic_cast.
class P {
 public:
  virtual ~P() = default;
};

class C : public A, public P {
 public:
  using A::A;
};

// "<total>: A, Level=<level>, 1000pt, <rank>" — the counter is read when the text is made.
std::string scoreText(std::int64_t total, std::int64_t level, std::string_view rank);

namespace pair1 {

class A {
 public:
  A() { total += 1; }
  virtual ~A() = default;
  virtual std::string description() const { return scoreText(total, 1, "1st"); }

  // Objects of A and B made so far in this pair, a B counting twice (its initialiser and A's).
  static inline std::int64_t total = 0;
};

class B : public A {
 public:
  B() { total += 1; }
  std::string description() const override { return scoreText(total, 1, "1st"); }
};

}  // namespace pair1

namespace pair2 {

class A {
 public:
  A() { total += 1; }
  virtual ~A() = default;
  virtual std::string description() const { return scoreText(total, 1, "1st"); }

  static inline std::int64_t total = 0;
};

class B : public A {
 public:
  B() { total += 1; }
  std::string description() const override { return scoreText(total, 2, "中級"); }
};

}  // namespace pair2

namespace pair3 {

// Type-level functions as static members; B's hides A's.
class A {
 public:
  static void show();
};

class B : public A {
 public:
  static void show();
};

}  // namespace pair3

namespace pair4 {

// Type-level functions as members of the class objects, called on the named types; B's hides A's.
class A {
 public:
  struct Type : MetatypeOf<A, ClassObject> {
    void show() const;
  };
};

class B : public A {
 public:
  struct Type : MetatypeOf<B, A::Type> {
    void show() const;
  };
};

}  // namespace pair4

namespace pair5 {

// show() is an overridable class method: the object's dynamic class decides which one runs.
class A : public ClassRoot<A> {
 public:
  struct Type : MetatypeOf<A, ClassObject> {
    virtual void show() const;
  };
  explicit A(const Init& init) : ClassRoot(init) {}
};

class B : public A {
 public:
  struct Type : MetatypeOf<B, A::Type> {
    void show() const override;
  };
  using A::A;
};

}  // namespace pair5

}  // namespace q08
