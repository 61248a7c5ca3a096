// Section 9: a party of explorers, the root of the first key paths.
//
// Explorer is a record (a value type: copied on assignment); Party is a class,
// held by std::shared_ptr. Both declare their stored properties once,
// console::let for fixed ones, console::var for variable ones: the record in
// fields(), which it also prints by, the class in properties(), since an
// object prints by its class name, never as a record. The key paths of
// section 9 read these declarations to decide what they may write.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "console/record.h"
#include "console/values.h"
#include "quillmere09/keypath_components.h"
#include "quillmere09/lifetime.h"

namespace q09::keypaths {

// Spell powers, a labelled pair "(cure: 10, magic: 20)".
using Ability = console::Labeled<std::int64_t, std::int64_t>;

Ability make_ability(std::int64_t cure, std::int64_t magic);

// Key-path components for the two elements of an Ability.
inline constexpr auto cure = keypath::element<0>;
inline constexpr auto magic = keypath::element<1>;

struct Explorer {
  std::string name;
  std::map<std::string, std::int64_t> items;  // item name -> quantity
  std::optional<Ability> ability;             // absent for explorers without spells

  static constexpr auto fields() {
    return std::tuple{console::let("name", &Explorer::name), console::var("items", &Explorer::items),
                      console::var("ability", &Explorer::ability)};
  }
};

class Party : public ReferenceType {
 public:
  explicit Party(std::string name);

  const std::string name;
  std::vector<Explorer> members;

  static constexpr auto properties() {
    return std::tuple{console::let("name", &Party::name), console::var("members", &Party::members)};
  }
};

}  // namespace q09::keypaths
