#include "console/any.h"

#include <typeinfo>

#include "console/type_name.h"

namespace console {

std::string Any::what_is_held() const {
  if (value_.has_value()) return "value of any type";
  if (!object_) return "nil";
  const Object& object = *object_;
  return "value of type " + type_name(typeid(object));
}

}  // namespace console
