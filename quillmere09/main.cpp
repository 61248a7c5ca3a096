// Quillmere09: reference semantics and object lifetimes.
//
// Strong references are std::shared_ptr, weak ones std::weak_ptr, unowned ones
// q09::Unowned. Every deinit line comes from a destructor; each release below
// (a reset(), a cleared container, a moved-from handle, the end of a block)
// sits exactly where the object's line must appear.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "club_model.h"
#include "console/checked.h"
#include "console/engine.h"
#include "console/print.h"
#include "console/program.h"
#include "console/type_name.h"
#include "explorers.h"
#include "homeroom.h"
#include "keypath.h"
#include "lifetime.h"
#include "locker.h"
#include "optional_chain.h"
#include "strong.h"
#include "unowned.h"
#include "weak.h"

namespace {

using console::cat;
using console::print;
namespace kp = q09::keypath;

// One object, two references.
void section1() {
  using q09::strong::Person;
  std::optional<std::shared_ptr<Person>> first = std::make_shared<Person>("勇太", 16);
  auto second = first;  // a second reference to the same object
  print(first);
  (*second)->age += 1;
  print(first);
  const bool same = first->get() == second->get();  // identity, not equality of contents
  first.reset();
  second.reset();  // the last reference: "勇太: deinit"
  print(same);
}

// An object inside a dictionary inside a list.
void section2() {
  using q09::strong::Person;
  std::map<std::string, std::shared_ptr<Person>> people{{"Natsuki", std::make_shared<Person>("夏希", 18)}};
  std::vector<decltype(people)> entries;
  entries.push_back(people);  // a copy of the dictionary, sharing the one person
  const auto count = static_cast<std::int64_t>(entries.size());
  entries.clear();  // the dictionary variable still holds the person
  print(cat(count, "個のエントリ"));
  people.clear();  // the last reference: "夏希: deinit"
}

// A strong reference cycle: club and student own each other and are never
// destroyed. This leak is deliberate (see lsan.supp).
void section3() {
  using namespace q09::strong;
  auto club = std::make_shared<Club>("昼寝同好会");
  auto yuji = std::make_shared<Student>("悠二");
  club->admit(yuji);
  print(cat(club->name, ": ", static_cast<std::int64_t>(club->members.size()), "人"));
  print(yuji);
  club.reset();
  yuji.reset();  // each is still held by the other: no deinit line, now or at exit
  print("終わり");
}

// A weak reference to a student.
void section4() {
  using q09::strong::Student;
  auto kazumi = std::make_shared<Student>("一美");
  std::weak_ptr<Student> weak_kazumi = kazumi;
  print(console::force(weak_kazumi));
  kazumi.reset();  // "一美: deinit"; the weak reference is empty from now on
  if (const auto student = weak_kazumi.lock()) {
    print(student);
  } else {
    print("nil");
  }
  // No strong reference ever holds her beyond this statement: "ゆかり: deinit" at once.
  std::weak_ptr<Student> weak_yukari = std::make_shared<Student>("ゆかり");
  print("終わり");
}

// The summary line of section 5. The club is used for the last time when its
// name and member list are read; the caller's reference, moved in here, is let
// go right then, before the count is taken, and the copied list goes after it.
std::string headcount(std::shared_ptr<q09::weak::Club> club) {
  const std::string name = club->name;
  auto members = club->members;
  club.reset();  // "Club 昼寝同好会: deinit"; the members live on in the copied list
  const auto count = static_cast<std::int64_t>(members.size());
  q09::release_in_order(members);  // the list was 一美's last holder: "一美: deinit"
  return cat(name, ": ", count, "人");
}

// Weak back-references from students to their club.
void section5() {
  using namespace q09::weak;
  auto yuji = std::make_shared<Student>("悠二");
  auto club = std::make_shared<Club>("昼寝同好会");
  club->admit(yuji);
  club->admit(std::make_shared<Student>("一美"));  // only the club's list holds her
  print(headcount(std::move(club)));
  print(yuji);   // the club is gone, so only the name
  yuji.reset();  // "悠二: deinit"
  print("終わり");
}

// An unowned reference.
void section6() {
  using q09::weak::Student;
  {
    auto kazumi = std::make_shared<Student>("一美");
    q09::Unowned<Student> unowned_kazumi{kazumi};
    print(unowned_kazumi->description());
  }  // the block's strong reference ends: "一美: deinit"
  print("終わり");
}

// Unowned back-references from students to their home room.
void section7() {
  using namespace q09::unowned;
  auto room = std::make_shared<HomeRoom>("３年３組");
  for (const char* name : {"赤沢", "榊原", "風見"}) {
    room->admit(std::make_shared<Student>(name, room));
  }
  print(room->members[0]);
  // The home room's line first, then its students in admission order.
  room.reset();
  print("終わり");
}

// Section 8: optional chaining through weak references. A student refers to its
// club weakly, a club to its teacher weakly, a teacher's subject is optional:
// every step may find nothing.

namespace section8_steps {

using namespace q09::chaining;
using q09::chain;

// From a student to its club's teacher's name, four ways: test, then force
// the unwrapping; bind step by step; bind in one condition; one chain.
void print_adviser_four_ways(const Student& student) {
  using console::force;
  if (student.club.lock() && force(student.club)->teacher.lock()) {
    print("[1]", force(force(student.club)->teacher)->name);
  }
  if (const auto club = student.club.lock()) {
    if (const auto teacher = club->teacher.lock()) {
      print("[1]", teacher->name);
    }
  }
  if (const auto club = student.club.lock(); const auto teacher = club ? club->teacher.lock() : nullptr) {
    print("[2]", teacher->name);
  }
  if (const auto name = chain(student.club, &Club::teacher, &Teacher::name)) {
    print("[3]", *name);
  }
}

// A dictionary lookup is one more step that may find nothing.
void print_officer(const std::map<std::string, std::shared_ptr<Student>>& officers, const std::string& post) {
  if (const auto name = chain(officers, q09::entry(post), &Student::name)) {
    print(cat(post, ": ", *name));
  } else {
    print(cat(post, "(空席)"));
  }
}

// A student without a club: every chain through the club breaks and runs
// nothing at its end, yet its type says what it would have given.
void print_types_of_broken_chains() {
  const auto ota = std::make_shared<Student>("太田");
  if (const auto club = ota->club.lock()) {  // skipped: there is no club
    club->budget += 10000;
    print(cat("予算: ", club->budget));
    club->admit(std::make_shared<Student>("山田"));
  }
  print(console::type_of(chain(ota->club, &Club::teacher, &Teacher::name)));
  print(console::type_of(chain(ota->club, &Club::budget)));
  print(console::type_of(chain(ota->club, &Club::isOfficial)));
  print(console::type_of(chain(ota->club, &Club::teacher, &Teacher::subject)));  // one optional, not two

  // An operation without a result gives an optional empty tuple.
  const auto seina = std::make_shared<Student>("星奈");
  print(console::type_of(chain(ota->club, [&](Club& club) { club.admit(seina); })));
  const auto hida = std::make_shared<Teacher>("飛騨");
  print(console::type_of(chain(ota->club, [&](Club& club) { club.teacher = hida; })));
  static_cast<void>(std::make_shared<Teacher>("高山"));  // a teacher nobody takes: gone with this statement
  print(console::type_of(chain(ota->club, [](Club& club) { club.budget += 5000; })));
}  // 星奈, 飛騨 and 太田 are released here, silently

void print_adviser(const Student& student) {
  if (const auto name = chain(student.club, &Club::teacher, &Teacher::name)) {
    print(cat("顧問: ", *name));
  }
}

// The club of a student that has one, each fact through one chain.
void print_club_report(const Student& student) {
  print_adviser(student);
  if (const auto budget = chain(student.club, &Club::budget)) {
    print(cat("予算: ", *budget));
  }
  if (const auto official = chain(student.club, &Club::isOfficial)) {
    print(cat("クラブ: ", *official ? "公認" : "非公認"));
  } else {
    print("クラブ自体がない");
  }
  if (const auto subject = chain(student.club, &Club::teacher, &Teacher::subject)) {
    print(cat("担当教科: ", *subject));
  }
}

// Makes a new teacher the student's club's adviser and lets go of it: held only
// by the club's weak reference, it is gone, and the club without a teacher, at once.
void appoint_unheld_teacher(const Student& student, std::string name) {
  const auto teacher = std::make_shared<Teacher>(std::move(name));
  chain(student.club, [&](Club& club) { club.teacher = teacher; });
}

}  // namespace section8_steps

void section8() {
  using namespace section8_steps;
  using console::force;
  const auto inoue = std::make_shared<Student>("井上");
  const auto club = std::make_shared<Club>("隣人部");  // the one strong reference to the club
  club->admit(inoue);
  auto takayama = std::make_shared<Teacher>("高山", "精神発達理論");
  club->teacher = takayama;

  print_adviser_four_ways(*inoue);
  std::map<std::string, std::shared_ptr<Student>> officers{{"会長", std::make_shared<Student>("日高")}};
  print_officer(officers, "常任委員");
  print_types_of_broken_chains();

  // Back to 井上, whose club is present.
  print_club_report(*inoue);

  const auto seina = std::make_shared<Student>("星奈");
  if (chain(inoue->club, [&](Club& c) { c.admit(seina); })) {
    print(seina->name, force(seina->club)->name);
  }

  appoint_unheld_teacher(*inoue, "飛騨");
  print_adviser(*inoue);  // prints nothing: that teacher is gone

  auto second_takayama = std::make_shared<Teacher>("高山");
  if (chain(inoue->club, [&](Club& c) { c.teacher = second_takayama; })) {
    print(cat("顧問: ", force(force(inoue->club)->teacher)->name));
  }
  takayama.reset();
  second_takayama.reset();  // the club's teacher is empty again
  officers.clear();         // 日高 goes with the dictionary

  if (chain(inoue->club, [](Club& c) { c.budget += 5000; })) {
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
  print(console::type_of(adviser_name));
}  // the club goes, and with its member list 井上 and 星奈

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

  // Party.members[1].items["薬草"]: a dictionary entry reads as an optional.
  const auto herbs = kp::path<PartyRef>(kp::property<&Party::members>, kp::at(1),
                                        kp::property<&Explorer::items>, kp::key("薬草"));
  if (const auto count = herbs.get(party)) {
    print(*count);
  }
  // Party.members[2].ability?.magic: empty for an explorer without an ability.
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

}  // namespace

int main() {
  console::start_program("Quillmere09");
  section1();
  section2();
  section3();
  section4();
  section5();
  section6();
  section7();
  section8();
  section9();
  section10();
  return 0;
}
