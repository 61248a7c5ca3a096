#include "console/type_name.h"

#include <cstddef>
#include <initializer_list>
#include <string>

namespace console {

namespace detail {

std::string spell(NameShape shape, std::initializer_list<std::string> arguments) {
  std::string joined;
  for (const std::string& argument : arguments) {
    if (!joined.empty()) joined += ", ";
    joined += argument;
  }
  switch (shape) {
    case NameShape::boolean:
      return "Bool";
    case NameShape::text:
      return "String";
    case NameShape::character:
      return "Character";
    case NameShape::float64:
      return "Double";
    case NameShape::float32:
      return "Float";
    case NameShape::array:
      return "Array<" + joined + ">";
    case NameShape::set:
      return "Set<" + joined + ">";
    case NameShape::dictionary:
      return "Dictionary<" + joined + ">";
    case NameShape::optional:
      return "Optional<" + joined + ">";
    case NameShape::tuple:
      return "(" + joined + ")";
    case NameShape::metatype:
      return joined + ".Type";
    case NameShape::none:
    case NameShape::integer:
    case NameShape::reference:
    case NameShape::own:
      break;
  }
  return joined;
}

std::string integer_name(bool is_signed, std::size_t bits) {
  std::string name = is_signed ? "Int" : "UInt";
  if (bits != 64) name += std::to_string(bits);
  return name;
}

}  // namespace detail

}  // namespace console
