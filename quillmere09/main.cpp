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
#include "console/render.h"
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

// Optional chaining through weak references.
void section8() {
  using namespace q09::chaining;
  using console::force;
  using q09::chain;

  auto inoue = std::make_shared<Student>("井上");
  auto club = std::make_shared<Club>("隣人部");
  club->admit(inoue);
  auto takayama = std::make_shared<Teacher>("高山", "精神発達理論");
  club->teacher = takayama;

  // Four ways from 井上 to the teacher's name.
  if (inoue->club.lock() && force(inoue->club)->teacher.lock()) {
    print("[1]", force(force(inoue->club)->teacher)->name);
  }
  if (const auto own_club = inoue->club.lock()) {
    if (const auto teacher = own_club->teacher.lock()) {
      print("[1]", teacher->name);
    }
  }
  if (const auto own_club = inoue->club.lock();
      const auto teacher = own_club ? own_club->teacher.lock() : nullptr) {
    print("[2]", teacher->name);
  }
  if (const auto name = chain(inoue->club, &Club::teacher, &Teacher::name)) {
    print("[3]", *name);
  }

  std::map<std::string, std::shared_ptr<Student>> officers{{"会長", std::make_shared<Student>("日高")}};
  if (const auto name = chain(officers, q09::entry(std::string("常任委員")), &Student::name)) {
    print(cat("常任委員: ", *name));
  } else {
    print("常任委員(空席)");
  }

  // 太田 never joins a club: every chain through his club breaks.
  {
    auto ota = std::make_shared<Student>("太田");
    if (const auto ota_club = ota->club.lock()) {
      ota_club->budget += 10000;
      print(cat("予算: ", ota_club->budget));
      ota_club->admit(std::make_shared<Student>("山田"));
    }
    const auto teacher_name = chain(ota->club, &Club::teacher, &Teacher::name);
    print(console::type_of(teacher_name));
    const auto budget = chain(ota->club, &Club::budget);
    print(console::type_of(budget));
    const auto official = chain(ota->club, &Club::isOfficial);
    print(console::type_of(official));
    const auto subject = chain(ota->club, &Club::teacher, &Teacher::subject);
    print(console::type_of(subject));

    auto seina = std::make_shared<Student>("星奈");
    const auto admitted = chain(ota->club, [&](Club& c) { c.admit(seina); });
    print(console::type_of(admitted));

    auto hida = std::make_shared<Teacher>("飛騨");
    const auto assigned = chain(ota->club, [&](Club& c) { c.teacher = hida; });
    print(console::type_of(assigned));
    std::make_shared<Teacher>("高山").reset();  // created and released again, never read

    const auto raised = chain(ota->club, [](Club& c) { c.budget += 5000; });
    print(console::type_of(raised));
  }  // 星奈, 飛騨 and 太田 are released here, silently

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

  auto seina = std::make_shared<Student>("星奈");
  if (chain(inoue->club, [&](Club& c) { c.admit(seina); })) {
    print(seina->name, force(seina->club)->name);
  }

  auto hida = std::make_shared<Teacher>("飛騨");
  chain(inoue->club, [&](Club& c) { c.teacher = hida; });
  hida.reset();  // the weak teacher was its only other reference: the club has no teacher now
  if (const auto name = chain(inoue->club, &Club::teacher, &Teacher::name)) {
    print(cat("顧問: ", *name));
  }

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
    print(*name);
  }

  const auto teacher_name = kp::path<std::shared_ptr<Student>>(kp::property<&Student::club>, kp::chained,
                                                               kp::property<&Club::teacher>, kp::chained,
                                                               kp::property<&Teacher::name>);
  if (const auto name = teacher_name.get(inoue)) {
    print(*name);
  }
  print(console::type_of(teacher_name));
}  // the club goes, and with its member list 井上 and 星奈

// Key paths into a party.
void section9() {
  using namespace q09::keypaths;
  auto party = std::make_shared<Party>("LuckyStar");
  party->members = {
      Explorer{"こなた", {{"剣", 1}, {"兜", 1}}, std::nullopt},
      Explorer{"つかさ", {{"槍", 1}, {"薬草", 3}}, std::nullopt},
      Explorer{"かがみ", {{"薬草", 1}, {"杖", 1}}, make_ability(10, 20)},
  };

  const auto herbs = kp::path<std::shared_ptr<Party>>(kp::property<&Party::members>, kp::at(1),
                                                      kp::property<&Explorer::items>, kp::key("薬草"));
  if (const auto count = herbs.get(party)) {
    print(*count);
  }
  const auto spell = kp::path<std::shared_ptr<Party>>(kp::property<&Party::members>, kp::at(2),
                                                      kp::property<&Explorer::ability>, kp::chained, magic);
  if (const auto power = spell.get(party)) {
    print(*power);
  }
  print(party->name);

  const auto dagger = kp::path<Explorer>(kp::property<&Explorer::items>, kp::key("短刀"));
  print(console::type_of(dagger));
  const auto kagami_herbs = kp::path<std::shared_ptr<Party>>(kp::property<&Party::members>, kp::at(2),
                                                             kp::property<&Explorer::items>, kp::key("薬草"));
  print(console::type_of(kagami_herbs));
  const auto tsukasa_name = kp::path<std::shared_ptr<Party>>(kp::property<&Party::members>, kp::at(1),
                                                             kp::property<&Explorer::name>);
  print(console::type_of(tsukasa_name));
}

// Key paths into records and a locker.
void section10() {
  using namespace q09::keypaths;
  const auto locker = std::make_shared<Locker>(Person{"東郷", 158});

  const auto player_height =
      kp::path<HighScore>(kp::property<&HighScore::player>, kp::property<&Person::height>);
  print(console::type_of(player_height));
  const auto player_name = kp::path<HighScore>(kp::property<&HighScore::player>, kp::property<&Person::name>);
  print(console::type_of(player_name));
  const auto owner_height =
      kp::path<std::shared_ptr<Locker>>(kp::property<&Locker::owner>, kp::property<&Person::height>);
  print(console::type_of(owner_height));
  const auto user_height =
      kp::path<std::shared_ptr<Locker>>(kp::computed<&Locker::user>, kp::property<&Person::height>);
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
