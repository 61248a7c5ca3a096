// Avatar and Player: an overridable class method say(), called on a named class and on an object's
// dynamic class, and exact comparison of an object's class with a class.
#pragma once

#include <string>
#include <utility>

#include "quillmere08/class_object.h"

namespace q08 {

class Avatar : public ClassRoot<Avatar> {
 public:
  struct Type : MetatypeOf<Avatar, ClassObject> {
    virtual void say() const;  // a class method: prints its own class
  };
  explicit Avatar(const Init& init) : ClassRoot(init) {}
};

class Player : public Avatar {
 public:
  struct Type : MetatypeOf<Player, Avatar::Type> {
    void say() const override;
  };
  Player(const Init& init, std::string name) : Avatar(init), name(std::move(name)) {}

  const std::string name;
};

}  // namespace q08
