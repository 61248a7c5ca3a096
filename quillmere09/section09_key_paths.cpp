// Section 9: key paths into a party of explorers.
#include <memory>
#include <optional>

#include "console/print.h"
#include "console/type_name.h"
#include "quillmere09/explorers.h"
#include "quillmere09/keypath.h"
#include "quillmere09/sections.h"

namespace q09 {

using console::print;
namespace kp = q09::keypath;

// Key paths into a party. Each path names its route as components; its kind and
// value type follow from them: the party is a class, reached through its reference.
void section9() {
  using namespace q09::keypaths;
  using PartyRef = std::shared_ptr<Party>;
  auto party = std::make_shared<Party>("LuckyStar");
  party->members = {
      Explorer{"こなた", {{"剣", 1}, {"兜", 1}}, std::nullopt},
      Explorer{"つかさ", {{"槍", 1}, {"薬草", 3}}, std::nullopt},
      Explorer{"かがみ", {{"薬草", 1}, {"杖", 1}}, make_ability(10, 20)},
  };

  // The second member's herbs: a dictionary entry reads as an optional.
  const auto herbs = kp::path<PartyRef>(kp::property<&Party::members>, kp::at(1),
                                        kp::property<&Explorer::items>, kp::key("薬草"));
  if (const auto count = herbs.get(party)) {
    print(*count);
  }
  // The third member's ability, chained, then its magic: empty for an explorer without an ability.
  const auto spell = kp::path<PartyRef>(kp::property<&Party::members>, kp::at(2),
                                        kp::property<&Explorer::ability>, kp::chained, magic);
  if (const auto power = spell.get(party)) {
    print(*power);
  }
  print(party->name);

  // Writable into a record variable; through the party's variable members,
  // writable through a reference; ending in a fixed name, read-only.
  const auto dagger = kp::path<Explorer>(kp::property<&Explorer::items>, kp::key("短刀"));
  print(console::type_of(dagger));
  const auto kagami_herbs = kp::path<PartyRef>(kp::property<&Party::members>, kp::at(2),
                                               kp::property<&Explorer::items>, kp::key("薬草"));
  print(console::type_of(kagami_herbs));
  const auto tsukasa_name =
      kp::path<PartyRef>(kp::property<&Party::members>, kp::at(1), kp::property<&Explorer::name>);
  print(console::type_of(tsukasa_name));
}

}  // namespace q09
