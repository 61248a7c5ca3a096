// Section 8: optional chaining through weak references. A student refers to its club weakly, a club to its
// teacher weakly, a teacher's subject is optional: every step may find nothing.
//
// chain(a, &A::b, &B::c) is an optional of the end, empty from the first step that finds nothing;
// force_chain(a, &A::b, &B::c) stops the program at that step instead, as console::force(a) does for one
// optional.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "console/checked.h"
#include "console/engine.h"
#include "console/print.h"
#include "console/type_name.h"
#include "quillmere09/club_model.h"
#include "quillmere09/keypath.h"
#include "quillmere09/optional_chain.h"
#include "quillmere09/sections.h"

namespace q09 {

void section8() {
  using namespace q09::chaining;
  using console::cat;
  using console::force;
  using console::print;
  using console::type_of;
  namespace kp = q09::keypath;

  const auto inoue = std::make_shared<Student>("井上");
  const auto club = std::make_shared<Club>("隣人部");  // the one strong reference to the club
  club->admit(inoue);
  auto takayama = std::make_shared<Teacher>("高山", "精神発達理論");
  club->teacher = takayama;

  // The teacher's name from 井上, four ways: test, then force the unwrapping; bind step by step; bind in one
  // condition; one chain.
  if (chain(inoue->club, &Club::teacher)) {
    print("[1]", force_chain(inoue->club, &Club::teacher, &Teacher::name));
  }
  if (const auto club = inoue->club.lock()) {
    if (const auto teacher = club->teacher.lock()) {
      print("[1]", teacher->name);
    }
  }
  if (const auto club = inoue->club.lock(); const auto teacher = club ? club->teacher.lock() : nullptr) {
    print("[2]", teacher->name);
  }
  if (const auto name = chain(inoue->club, &Club::teacher, &Teacher::name)) {
    print("[3]", *name);
  }

  // A dictionary lookup is one more step that may find nothing.
  std::map<std::string, std::shared_ptr<Student>> officers{{"会長", std::make_shared<Student>("日高")}};
  if (const auto name = chain(officers, entry("常任委員"), &Student::name)) {
    print(cat("常任委員: ", *name));
  } else {
    print("常任委員(空席)");
  }

  // A student without a club: every chain through the club breaks and runs nothing at its end, yet its type
  // says what it would have given; an operation without a result gives an optional empty tuple.
  {
    const auto ota = std::make_shared<Student>("太田");
    if (const auto club = ota->club.lock()) {  // skipped: there is no club
      club->budget += 10000;
      print(cat("予算: ", club->budget));
      club->admit(std::make_shared<Student>("山田"));
    }
    print(type_of(chain(ota->club, &Club::teacher, &Teacher::name)));
    print(type_of(chain(ota->club, &Club::budget)));
    print(type_of(chain(ota->club, &Club::isOfficial)));
    print(type_of(chain(ota->club, &Club::teacher, &Teacher::subject)));  // one optional, not two
    const auto seina = std::make_shared<Student>("星奈");
    print(type_of(chain(ota->club, [&](Club& club) { club.admit(seina); })));
    const auto hida = std::make_shared<Teacher>("飛騨");
    print(type_of(chain(ota->club, [&](Club& club) { club.teacher = hida; })));
    std::make_shared<Teacher>("高山");  // made and released at once, never read
    print(type_of(chain(ota->club, [](Club& club) { club.budget += 5000; })));
  }  // 星奈, 飛騨 and 太田 are released, silently

  // Back to 井上, whose club is present.
  if (const auto name = chain(inoue->club, &Club::teacher, &Teacher::name)) {
    print(cat("顧問: ", *name));
  }
  if (const auto budget = chain(inoue->club, &Club::budget)) {
    print(cat("予算: ", *budget));
  }
  if (const auto official = chain(inoue->club, &Club::isOfficial)) {
    print(cat("クラブ: ", *official ? "公認" : "非公認"));
  } else {
    print("クラブ自体がない");
  }
  if (const auto subject = chain(inoue->club, &Club::teacher, &Teacher::subject)) {
    print(cat("担当教科: ", *subject));
  }

  const auto seina = std::make_shared<Student>("星奈");
  if (chain(inoue->club, [&](Club& club) { club.admit(seina); })) {
    print(seina->name, force(seina->club)->name);
  }

  auto hida = std::make_shared<Teacher>("飛騨");
  chain(inoue->club, [&](Club& club) { club.teacher = hida; });
  hida.reset();  // its only strong reference: the club's weak teacher is empty at once
  if (const auto name = chain(inoue->club, &Club::teacher, &Teacher::name)) {
    print(cat("顧問: ", *name));  // not reached: no teacher
  }

  auto second_takayama = std::make_shared<Teacher>("高山");
  if (chain(inoue->club, [&](Club& club) { club.teacher = second_takayama; })) {
    print(cat("顧問: ", force_chain(inoue->club, &Club::teacher, &Teacher::name)));
  }
  takayama.reset();
  second_takayama.reset();  // the club's teacher is empty again
  officers.clear();         // 日高 goes with the dictionary

  if (chain(inoue->club, [](Club& club) { club.budget += 5000; })) {
    print(cat("予算: ", force(inoue->club)->budget));
  }
  if (const auto name = chain(inoue->club, &Club::teacher, &Teacher::name)) {
    print(*name);  // not reached: no teacher
  }

  // The same route as a key path: read-only, for it ends in a fixed property after chaining.
  const auto adviser_name = kp::path<std::shared_ptr<Student>>(kp::property<&Student::club>, kp::chained,
                                                               kp::property<&Club::teacher>, kp::chained,
                                                               kp::property<&Teacher::name>);
  if (const auto name = adviser_name.get(inoue)) {
    print(*name);  // not reached: no teacher
  }
  print(type_of(adviser_name));
}  // the club goes, and with its member list 井上 and 星奈

}  // namespace q09
