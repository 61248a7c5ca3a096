// When objects die: strong, weak and unowned references, and the order of
// deinit lines when an object releases what it holds.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "console/engine.h"
#include "console/program.h"
#include "console/type_name.h"
#include "quillmere09/homeroom.h"
#include "quillmere09/lifetime.h"
#include "quillmere09/strong.h"
#include "quillmere09/unowned.h"
#include "quillmere09/weak.h"
#include "testing/support.h"

namespace q09 {
namespace {

using test_support::printed_by;

TEST(StrongReferencesTest, PersonDiesWithItsLastReference) {
  auto first = std::make_shared<strong::Person>("勇太", 16);
  auto second = first;
  second->age += 1;
  EXPECT_EQ(console::render(first), "勇太, 17");
  EXPECT_EQ(printed_by([&] { first.reset(); }), "");
  EXPECT_EQ(printed_by([&] { second.reset(); }), "勇太: deinit\n");
}

TEST(StrongReferencesTest, StudentWithoutClubIsItsBareName) {
  std::string text;
  printed_by([&] { text = console::render(std::make_shared<strong::Student>("一美")); });
  EXPECT_EQ(text, "一美");
}

TEST(StrongReferencesTest, StudentsClubIsAnOptionalStrongReference) {
  static_assert(
      std::is_same_v<decltype(strong::Student::club), std::optional<std::shared_ptr<strong::Club>>>);
  EXPECT_EQ(console::type_name<decltype(strong::Student::club)>(), "Optional<Club>");
  const auto student = std::make_shared<strong::Student>("悠二");
  EXPECT_EQ(console::render(student->club), "nil");
  const auto club = std::make_shared<strong::Club>("昼寝同好会");
  club->admit(student);
  EXPECT_EQ(console::render(student->club), console::cat("Optional(", console::module_name(), ".Club)"));
  EXPECT_EQ(club.use_count(), 2) << "the student holds the club strongly";
  // Break the cycle so that both are destroyed with the test.
  printed_by([&] { student->club.reset(); });
}

TEST(StrongReferencesTest, AdmittedPairIsNeverDestroyed) {
  std::weak_ptr<strong::Club> observer;
  const auto out = printed_by([&] {
    auto club = std::make_shared<strong::Club>("昼寝同好会");
    auto student = std::make_shared<strong::Student>("悠二");
    club->admit(student);
    EXPECT_EQ(console::render(student), "悠二, 昼寝同好会");
    observer = club;
    club.reset();
    student.reset();
  });
  EXPECT_EQ(out, "");
  ASSERT_FALSE(observer.expired()) << "the cycle must keep both objects alive";
  // Break the cycle by hand so that the test itself leaks nothing.
  const auto broken = printed_by([&] {
    auto club = observer.lock();
    club->members.front()->club.reset();
  });
  EXPECT_EQ(broken, "Club 昼寝同好会: deinit\n悠二: deinit\n");
}

TEST(WeakReferencesTest, ReadsEmptyRightAfterTheObjectDies) {
  auto student = std::make_shared<strong::Student>("一美");
  std::weak_ptr<strong::Student> weak = student;
  ASSERT_TRUE(weak.lock());
  bool empty_in_destructor_line = false;
  const auto out = printed_by([&] {
    student.reset();
    empty_in_destructor_line = weak.expired();
  });
  EXPECT_EQ(out, "一美: deinit\n");
  EXPECT_TRUE(empty_in_destructor_line);
  EXPECT_EQ(weak.lock(), nullptr);
}

TEST(WeakReferencesTest, ObjectHeldOnlyWeaklyDiesAtOnce) {
  std::weak_ptr<strong::Student> weak;
  EXPECT_EQ(printed_by([&] { weak = std::make_shared<strong::Student>("ゆかり"); }), "ゆかり: deinit\n");
  EXPECT_TRUE(weak.expired());
}

TEST(WeakBackReferencesTest, ClubDiesBeforeItsMembersWhoDieInAdmissionOrder) {
  const auto out = printed_by([] {
    auto club = std::make_shared<weak::Club>("昼寝同好会");
    for (const char* name : {"悠二", "一美", "ゆかり"}) {
      club->admit(std::make_shared<weak::Student>(name));
    }
    club.reset();
  });
  EXPECT_EQ(out, "Club 昼寝同好会: deinit\n悠二: deinit\n一美: deinit\nゆかり: deinit\n");
}

TEST(WeakBackReferencesTest, MemberForgetsItsClubOnceTheClubIsGone) {
  auto student = std::make_shared<weak::Student>("悠二");
  auto club = std::make_shared<weak::Club>("昼寝同好会");
  club->admit(student);
  EXPECT_EQ(console::render(student), "悠二, 昼寝同好会");
  EXPECT_EQ(printed_by([&] { club.reset(); }), "Club 昼寝同好会: deinit\n");
  EXPECT_EQ(console::render(student), "悠二");
  EXPECT_EQ(printed_by([&] { student.reset(); }), "悠二: deinit\n");
}

TEST(WeakBackReferencesTest, MemberHeldElsewhereOutlivesTheClub) {
  auto kept = std::make_shared<weak::Student>("悠二");
  const auto out = printed_by([&] {
    auto club = std::make_shared<weak::Club>("昼寝同好会");
    club->admit(kept);
    club->admit(std::make_shared<weak::Student>("一美"));
  });
  EXPECT_EQ(out, "Club 昼寝同好会: deinit\n一美: deinit\n");
  EXPECT_EQ(printed_by([&] { kept.reset(); }), "悠二: deinit\n");
}

TEST(UnownedBackReferencesTest, HomeRoomLineComesBeforeItsStudentsInAdmissionOrder) {
  std::string first;
  const auto out = printed_by([&] {
    auto room = std::make_shared<unowned::HomeRoom>("３年３組");
    for (const char* name : {"赤沢", "榊原", "風見"}) {
      room->admit(std::make_shared<unowned::Student>(name, room));
    }
    first = console::render(room->members[0]);
    room.reset();
  });
  EXPECT_EQ(first, "赤沢, ３年３組");
  EXPECT_EQ(out, "HomeRoom ３年３組: deinit\n赤沢: deinit\n榊原: deinit\n風見: deinit\n");
}

TEST(UnownedTest, NeitherKeepsItsObjectAliveNorExtendsItsLife) {
  auto room = std::make_shared<unowned::HomeRoom>("３年３組");
  Unowned<unowned::HomeRoom> home{room};
  EXPECT_EQ(home->name, "３年３組");
  EXPECT_EQ(room.use_count(), 1) << "an access must not leave a strong reference behind";
  EXPECT_EQ(printed_by([&] { room.reset(); }), "HomeRoom ３年３組: deinit\n");
}

TEST(UnownedDeathTest, ReadingADeadObjectStopsTheProgram) {
  auto room = std::make_shared<unowned::HomeRoom>("３年３組");
  Unowned<unowned::HomeRoom> home{room};
  printed_by([&] { room.reset(); });
  EXPECT_DEATH(static_cast<void>(home->name), "unowned reference after its object was destroyed");
}

TEST(ReleaseInOrderTest, ReleasesFrontToBackAndEmptiesTheList) {
  std::vector<std::shared_ptr<weak::Student>> list;
  for (const char* name : {"a", "b", "c"}) {
    list.push_back(std::make_shared<weak::Student>(name));
  }
  auto kept = list[1];
  EXPECT_EQ(printed_by([&] { release_in_order(list); }), "a: deinit\nc: deinit\n");
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(printed_by([&] { kept.reset(); }), "b: deinit\n");
}

TEST(TypeNamesTest, SameNamedClassesOfEachSectionGroupPrintTheirBareName) {
  EXPECT_EQ(console::type_name<strong::Student>(), "Student");
  EXPECT_EQ(console::type_name<weak::Student>(), "Student");
  EXPECT_EQ(console::type_name<unowned::Student>(), "Student");
  EXPECT_EQ(console::type_name<std::shared_ptr<weak::Club>>(), "Club");
  EXPECT_EQ(console::type_name<strong::Person>(), "Person");
}

}  // namespace
}  // namespace q09
