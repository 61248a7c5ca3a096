// Sections 1 to 7: references and lifetimes.
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

#include "console/checked.h"
#include "console/engine.h"
#include "console/print.h"
#include "quillmere09/homeroom.h"
#include "quillmere09/lifetime.h"
#include "quillmere09/sections.h"
#include "quillmere09/strong.h"
#include "quillmere09/unowned.h"
#include "quillmere09/weak.h"

namespace q09 {

using console::cat;
using console::force;
using console::print;

// One object, two references.
void section1() {
  using q09::strong::Person;
  std::optional<std::shared_ptr<Person>> first = std::make_shared<Person>("勇太", 16);
  auto second = first;  // a second reference to the same object
  print(first);
  force(second)->age += 1;
  print(first);
  const bool same = first == second;  // references compare by identity, not by contents
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
  print(force(weak_kazumi));
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

// Weak back-references from students to their club.
void section5() {
  using namespace q09::weak;
  auto yuji = std::make_shared<Student>("悠二");
  auto club = std::make_shared<Club>("昼寝同好会");
  club->admit(yuji);
  club->admit(std::make_shared<Student>("一美"));  // only the club's list holds her

  // The summary line. The club is used for the last time when its name and member list are read, and let go
  // right then; the list that was read lives until its count is taken, and only then is the line printed.
  const std::string name = club->name;
  auto members = club->members;
  club.reset();  // "Club 昼寝同好会: deinit"
  const auto count = static_cast<std::int64_t>(members.size());
  release_in_order(members);  // the list was 一美's last holder: "一美: deinit"
  print(cat(name, ": ", count, "人"));

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

}  // namespace q09
