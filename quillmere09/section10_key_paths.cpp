// Section 10: key paths into records and a locker.
#include <memory>
#include <optional>

#include "console/print.h"
#include "console/type_name.h"
#include "quillmere09/keypath.h"
#include "quillmere09/locker.h"
#include "quillmere09/sections.h"

namespace q09 {

using console::print;
namespace kp = q09::keypath;

// Key paths into records and a locker: the same variable height is writable
// into a record, writable through the locker's reference, and read-only behind
// the computed `user`.
void section10() {
  using namespace q09::keypaths;
  using LockerRef = std::shared_ptr<Locker>;
  const auto locker = std::make_shared<Locker>(Person{"東郷", 158});

  const auto player_height =
      kp::path<HighScore>(kp::property<&HighScore::player>, kp::property<&Person::height>);
  print(console::type_of(player_height));
  const auto player_name = kp::path<HighScore>(kp::property<&HighScore::player>, kp::property<&Person::name>);
  print(console::type_of(player_name));
  const auto owner_height = kp::path<LockerRef>(kp::property<&Locker::owner>, kp::property<&Person::height>);
  print(console::type_of(owner_height));
  const auto user_height = kp::path<LockerRef>(kp::computed<&Locker::user>, kp::property<&Person::height>);
  print(console::type_of(user_height));

  const HighScore record{Person{"結城", 155}, 9800};
  print(player_height.get(record));
  owner_height.set(locker, owner_height.get(locker) + 2);  // through the reference: `locker` stays const
  print(owner_height.get(locker));
  print(user_height.get(locker));
}

}  // namespace q09
