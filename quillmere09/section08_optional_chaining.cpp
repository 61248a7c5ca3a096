// Section 8: optional chaining through weak references. A student refers to its
// club weakly, a club to its teacher weakly, a teacher's subject is optional:
// every step may find nothing.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "club_model.h"
#include "console/checked.h"
#include "console/engine.h"
#include "console/print.h"
#include "console/type_name.h"
#include "keypath.h"
#include "optional_chain.h"
#include "sections.h"

namespace q09 {

using console::cat;
using console::print;
namespace kp = q09::keypath;

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

}  // namespace q09
