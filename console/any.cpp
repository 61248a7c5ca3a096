#include "console/any.h"

#include <typeinfo>

#include "console/engine.h"

namespace console {

std::string Any::what_is_held() const {
  if (value_.has_value()) return "value of any type";
  if (!object_) return "nil";
  const Object& object = *object_;
  return "value of type " + detail::dynamic_class_name(typeid(object));
}

}  // namespace console
