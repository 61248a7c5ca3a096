#include "quillmere09/explorers.h"

#include <utility>

#include "console/values.h"

namespace q09::keypaths {

Ability make_ability(std::int64_t cure, std::int64_t magic) {
  return console::labeled({"cure", "magic"}, cure, magic);
}

Party::Party(std::string name) : name(std::move(name)) {}

}  // namespace q09::keypaths
