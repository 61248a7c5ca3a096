// Avatar and Player: an overridable class method say(), called on a named class and on an object's
// dynamic class, and exact comparison of an object's class with a class.
#pragma once

#include <string>

#include "quillmere08/class_object.h"

namespace q08 {

class Avatar {
 public:
  struct Type : MetatypeOf<Avatar, ClassObject> {
    virtual void say() const;  // class func say(): prints its own class
  };
  static const Type& self() { return class_object<Avatar>(); }
  virtual const Type& dynamicType() const { return self(); }
  virtual ~Avatar() = default;
};

class Player : public Avatar {
 public:
  struct Type : MetatypeOf<Player, Avatar::Type> {
    void say() const override;
  };
  static const Type& self() { return class_object<Player>(); }
  const Type& dynamicType() const override { return self(); }

  explicit Player(std::string name) : name(std::move(name)) {}

  const std::string name;
};

}  // namespace q08
