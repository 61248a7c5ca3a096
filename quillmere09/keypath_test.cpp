// Key paths: the kind and value type that the walk over the components
// decides, reading (also through missing keys and absent optionals) and
// writing back through records and references.
#include "keypath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "club_model.h"
#include "console/render.h"
#include "explorers.h"
#include "locker.h"

namespace q09 {
namespace {

namespace kp = keypath;
using keypaths::Explorer;
using keypaths::HighScore;
using keypaths::Locker;
using keypaths::Party;
using keypaths::Person;
using Int = std::int64_t;
using PartyRef = std::shared_ptr<Party>;
using LockerRef = std::shared_ptr<Locker>;

template <class Path, class Root, class Value>
concept Settable = requires(const Path& path, Root& root, const Value& value) {
  path.set(root, value);
};

template <class Path, class Root, class Value>
concept SettableThroughConst = requires(const Path& path, const Root& root, const Value& value) {
  path.set(root, value);
};

template <class Root, class... Cs>
using PathOf = decltype(kp::path<Root>(std::declval<Cs>()...));

// Every key path the program makes: kind, value type and printed name.
TEST(KeyPathKinds, FollowTheWalkOverTheComponents) {
  using chaining::Club;
  using chaining::Student;
  using chaining::Teacher;
  const auto teacher_name =
      kp::path<std::shared_ptr<Student>>(kp::field<&Student::club>, kp::chained, kp::field<&Club::teacher>,
                                         kp::chained, kp::field<&Teacher::name>);
  static_assert(std::is_same_v<decltype(teacher_name),
                               const kp::KeyPath<std::shared_ptr<Student>, std::optional<std::string>>>);
  EXPECT_EQ(console::type_name<decltype(teacher_name)>(), "KeyPath<Student, Optional<String>>");

  const auto herbs =
      kp::path<PartyRef>(kp::field<&Party::members>, kp::at(1), kp::field<&Explorer::items>, kp::key("薬草"));
  static_assert(
      std::is_same_v<decltype(herbs), const kp::ReferenceWritableKeyPath<PartyRef, std::optional<Int>>>);
  EXPECT_EQ(console::type_name<decltype(herbs)>(), "ReferenceWritableKeyPath<Party, Optional<Int>>");

  const auto magic = kp::path<PartyRef>(kp::field<&Party::members>, kp::at(2), kp::field<&Explorer::ability>,
                                        kp::chained, keypaths::magic);
  static_assert(std::is_same_v<decltype(magic), const kp::KeyPath<PartyRef, std::optional<Int>>>,
                "a record field after optional chaining is read-only, though every property is variable");

  const auto dagger = kp::path<Explorer>(kp::field<&Explorer::items>, kp::key("短刀"));
  EXPECT_EQ(console::type_name<decltype(dagger)>(), "WritableKeyPath<Explorer, Optional<Int>>");

  const auto member_name =
      kp::path<PartyRef>(kp::field<&Party::members>, kp::at(1), kp::field<&Explorer::name>);
  EXPECT_EQ(console::type_name<decltype(member_name)>(), "KeyPath<Party, String>");

  const auto player_height = kp::path<HighScore>(kp::field<&HighScore::player>, kp::field<&Person::height>);
  EXPECT_EQ(console::type_name<decltype(player_height)>(), "WritableKeyPath<HighScore, Int>");

  const auto player_name = kp::path<HighScore>(kp::field<&HighScore::player>, kp::field<&Person::name>);
  EXPECT_EQ(console::type_name<decltype(player_name)>(), "KeyPath<HighScore, String>");

  const auto owner_height = kp::path<LockerRef>(kp::field<&Locker::owner>, kp::field<&Person::height>);
  EXPECT_EQ(console::type_name<decltype(owner_height)>(), "ReferenceWritableKeyPath<Locker, Int>");

  const auto user_height = kp::path<LockerRef>(kp::computed<&Locker::user>, kp::field<&Person::height>);
  EXPECT_EQ(console::type_name<decltype(user_height)>(), "KeyPath<Locker, Int>");
}

// A class reached through a computed property: the later reference makes the
// path writable again after the read-only step.
class Building {
 public:
  std::shared_ptr<Locker> locker = std::make_shared<Locker>(Person{"東郷", 158});
  std::shared_ptr<Locker> front_locker() const { return locker; }
  static constexpr auto fields() { return std::tuple{console::let("locker", &Building::locker)}; }
};

TEST(KeyPathKinds, LaterClassPropertyMakesAReadOnlyPathWritableThroughAReference) {
  using Path = PathOf<Building, kp::Computed<&Building::front_locker>, kp::Field<&Locker::owner>>;
  static_assert(std::is_same_v<Path, kp::ReferenceWritableKeyPath<Building, Person>>);
  using Fixed =
      PathOf<Building, kp::Field<&Building::locker>, kp::Field<&Locker::owner>, kp::Field<&Person::height>>;
  static_assert(std::is_same_v<Fixed, kp::ReferenceWritableKeyPath<Building, Int>>);

  const Building building;
  const auto height = kp::path<Building>(kp::computed<&Building::front_locker>, kp::field<&Locker::owner>,
                                         kp::field<&Person::height>);
  height.set(building, 170);
  EXPECT_EQ(building.locker->owner.height, 170);
}

TEST(KeyPathKinds, FixedLastFieldIsReadOnlyWhateverPrecedes) {
  using OnRecord = PathOf<Person, kp::Field<&Person::name>>;
  using OnClass = PathOf<PartyRef, kp::Field<&Party::name>>;
  static_assert(std::is_same_v<OnRecord, kp::KeyPath<Person, std::string>>);
  static_assert(std::is_same_v<OnClass, kp::KeyPath<PartyRef, std::string>>);
}

TEST(KeyPathKinds, WritingThroughAReadOnlyKindDoesNotCompile) {
  using ReadOnly = PathOf<LockerRef, kp::Computed<&Locker::user>, kp::Field<&Person::height>>;
  using Writable = PathOf<HighScore, kp::Field<&HighScore::player>, kp::Field<&Person::height>>;
  using Reference = PathOf<LockerRef, kp::Field<&Locker::owner>, kp::Field<&Person::height>>;
  static_assert(!Settable<ReadOnly, LockerRef, Int>);
  static_assert(Settable<Writable, HighScore, Int>);
  static_assert(!SettableThroughConst<Writable, HighScore, Int>, "a record root must be a variable");
  static_assert(SettableThroughConst<Reference, LockerRef, Int>);
}

TEST(KeyPathKinds, ChainingMakesTheValueOptionalOnlyOnce) {
  using chaining::Club;
  using chaining::Student;
  using chaining::Teacher;
  using Subject = PathOf<std::shared_ptr<Student>, kp::Field<&Student::club>, kp::Chained,
                         kp::Field<&Club::teacher>, kp::Chained, kp::Field<&Teacher::subject>>;
  // The variable `subject` of a class makes the path writable again after the chaining steps.
  static_assert(
      std::is_same_v<Subject,
                     kp::ReferenceWritableKeyPath<std::shared_ptr<Student>, std::optional<std::string>>>);
  using ClubOf = PathOf<std::shared_ptr<Student>, kp::Field<&Student::club>>;
  static_assert(std::is_same_v<ClubOf, kp::ReferenceWritableKeyPath<std::shared_ptr<Student>,
                                                                    std::optional<std::shared_ptr<Club>>>>);
  EXPECT_EQ(console::type_name<ClubOf>(), "ReferenceWritableKeyPath<Student, Optional<Club>>");
}

std::shared_ptr<Party> lucky_star() {
  auto party = std::make_shared<Party>("LuckyStar");
  party->members = {
      Explorer{"こなた", {{"剣", 1}, {"兜", 1}}, std::nullopt},
      Explorer{"つかさ", {{"槍", 1}, {"薬草", 3}}, std::nullopt},
      Explorer{"かがみ", {{"薬草", 1}, {"杖", 1}}, keypaths::make_ability(10, 20)},
  };
  return party;
}

TEST(KeyPathReading, ThroughIndexKeyAndOptional) {
  const auto party = lucky_star();
  const auto herbs_of = [](std::size_t index) {
    return kp::path<PartyRef>(kp::field<&Party::members>, kp::at(index), kp::field<&Explorer::items>,
                              kp::key("薬草"));
  };
  EXPECT_EQ(herbs_of(1).get(party), 3);
  EXPECT_EQ(herbs_of(0).get(party), std::nullopt) << "a missing key reads empty";
  const auto magic_of = [](std::size_t index) {
    return kp::path<PartyRef>(kp::field<&Party::members>, kp::at(index), kp::field<&Explorer::ability>,
                              kp::chained, keypaths::magic);
  };
  EXPECT_EQ(magic_of(2).get(party), 20);
  EXPECT_EQ(magic_of(1).get(party), std::nullopt) << "an absent ability reads empty";
  EXPECT_EQ(kp::path<PartyRef>(kp::field<&Party::members>, kp::at(1), kp::field<&Explorer::name>).get(party),
            "つかさ");
}

TEST(KeyPathReading, ThroughWeakReferences) {
  using chaining::Club;
  using chaining::Student;
  using chaining::Teacher;
  const auto name =
      kp::path<std::shared_ptr<Student>>(kp::field<&Student::club>, kp::chained, kp::field<&Club::teacher>,
                                         kp::chained, kp::field<&Teacher::name>);
  auto student = std::make_shared<Student>("井上");
  EXPECT_EQ(name.get(student), std::nullopt);
  auto club = std::make_shared<Club>("隣人部");
  club->admit(student);
  auto teacher = std::make_shared<Teacher>("高山");
  club->teacher = teacher;
  EXPECT_EQ(name.get(student), "高山");
  teacher.reset();
  EXPECT_EQ(name.get(student), std::nullopt);
}

TEST(KeyPathReading, HoldsItsOwnCopyOfTheKey) {
  std::string key = "剣";
  const auto swords = kp::path<Explorer>(kp::field<&Explorer::items>, kp::key(key));
  key = "兜";
  const Explorer konata{"こなた", {{"剣", 2}}, std::nullopt};
  EXPECT_EQ(swords.get(konata), 2);
}

TEST(KeyPathWriting, WritableWritesBackThroughRecords) {
  HighScore score{Person{"結城", 155}, 100};
  const auto height = kp::path<HighScore>(kp::field<&HighScore::player>, kp::field<&Person::height>);
  height.set(score, 157);
  EXPECT_EQ(score.player.height, 157);
  EXPECT_EQ(height.get(score), 157);

  Explorer konata{"こなた", {{"剣", 1}}, std::nullopt};
  const auto dagger = kp::path<Explorer>(kp::field<&Explorer::items>, kp::key("短刀"));
  dagger.set(konata, 2);
  EXPECT_EQ(dagger.get(konata), 2);
  dagger.set(konata, std::nullopt);
  EXPECT_FALSE(konata.items.contains("短刀")) << "writing empty removes the entry";
  EXPECT_EQ(konata.items.size(), 1u);
}

TEST(KeyPathWriting, ReferenceWritableWritesThroughTheReference) {
  const auto party = lucky_star();
  const auto herbs =
      kp::path<PartyRef>(kp::field<&Party::members>, kp::at(2), kp::field<&Explorer::items>, kp::key("薬草"));
  herbs.set(party, 4);
  EXPECT_EQ(herbs.get(party), 4);
  EXPECT_EQ(party->members[2].items.at("薬草"), 4);
  EXPECT_EQ(party->members[1].items.at("薬草"), 3) << "only the indexed member changes";

  const auto locker = std::make_shared<Locker>(Person{"東郷", 158});
  const auto owner_height = kp::path<LockerRef>(kp::field<&Locker::owner>, kp::field<&Person::height>);
  const auto user_height = kp::path<LockerRef>(kp::computed<&Locker::user>, kp::field<&Person::height>);
  owner_height.set(locker, owner_height.get(locker) + 2);
  EXPECT_EQ(locker->owner.height, 160);
  EXPECT_EQ(user_height.get(locker), 160);
}

TEST(KeyPathWriting, ThroughOptionalChainingOnlyWhenTheChainHolds) {
  using chaining::Club;
  using chaining::Student;
  using chaining::Teacher;
  const auto subject =
      kp::path<std::shared_ptr<Student>>(kp::field<&Student::club>, kp::chained, kp::field<&Club::teacher>,
                                         kp::chained, kp::field<&Teacher::subject>);
  auto student = std::make_shared<Student>("井上");
  subject.set(student, "数学");  // broken chain: nothing to write into, nothing happens
  EXPECT_EQ(subject.get(student), std::nullopt);

  auto club = std::make_shared<Club>("隣人部");
  club->admit(student);
  auto teacher = std::make_shared<Teacher>("高山");
  club->teacher = teacher;
  subject.set(student, "精神発達理論");
  EXPECT_EQ(teacher->subject, "精神発達理論");
  EXPECT_EQ(subject.get(student), "精神発達理論");
}

TEST(KeyPathWriting, WeakPropertyIsSetWithAStrongReference) {
  using chaining::Club;
  using chaining::Student;
  const auto club_of = kp::path<std::shared_ptr<Student>>(kp::field<&Student::club>);
  auto student = std::make_shared<Student>("井上");
  auto club = std::make_shared<Club>("隣人部");
  club_of.set(student, club);
  EXPECT_EQ(student->club.lock(), club);
  EXPECT_EQ(club.use_count(), 1) << "the weak property does not own the club";
  club_of.set(student, std::nullopt);
  EXPECT_TRUE(student->club.expired());
}

TEST(KeyPathDeathTest, IndexOutsideTheListStops) {
  const auto party = lucky_star();
  const auto fourth = kp::path<PartyRef>(kp::field<&Party::members>, kp::at(3), kp::field<&Explorer::name>);
  EXPECT_DEATH(static_cast<void>(fourth.get(party)), "index out of range");
}

}  // namespace
}  // namespace q09
