// Key paths: the kind that the walk over the components gives, as a table of routes (most of them routes the
// program never makes), with `set` compiling exactly where the kind allows it; routes that are no routes;
// then reading and writing.
#include "quillmere09/keypath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "console/record.h"
#include "console/type_name.h"
#include "quillmere09/club_model.h"
#include "quillmere09/explorers.h"
#include "quillmere09/lifetime.h"
#include "quillmere09/locker.h"

namespace q09 {
namespace {

namespace kp = keypath;
using chaining::Club;
using chaining::Student;
using chaining::Teacher;
using keypaths::Ability;
using keypaths::Explorer;
using keypaths::HighScore;
using keypaths::Locker;
using keypaths::Party;
using keypaths::Person;
using Int = std::int64_t;
using kp::Kind;

// Test-only types for the rows that the program's own types do not give.

// A record that reaches a class through a fixed strong reference, and through a computed property.
struct Building {
  std::shared_ptr<Locker> locker;
  std::shared_ptr<Locker> front_locker() const { return locker; }
  static constexpr auto fields() { return std::tuple{console::let("locker", &Building::locker)}; }
};

// A record with a fixed record field.
struct Ticket {
  Person holder;
  Int row = 0;
  static constexpr auto fields() {
    return std::tuple{console::let("holder", &Ticket::holder), console::var("row", &Ticket::row)};
  }
};

// A class with a dictionary, a fixed optional, a computed optional, and references to its own kind: weak,
// and optional strong.
class Storeroom : public ReferenceType {
 public:
  explicit Storeroom(std::string name, std::optional<Person> keeper = std::nullopt)
      : name(std::move(name)), keeper(std::move(keeper)) {}

  std::optional<Int> count_of(const std::string& item) const {
    const auto found = stock.find(item);
    return found == stock.end() ? std::nullopt : std::optional<Int>(found->second);
  }
  std::optional<Int> swords() const { return count_of("剣"); }

  const std::string name;
  const std::optional<Person> keeper;
  std::map<std::string, Int> stock;
  std::weak_ptr<Storeroom> annex;
  std::optional<std::shared_ptr<Storeroom>> backup;

  static constexpr auto properties() {
    return std::tuple{console::let("name", &Storeroom::name), console::let("keeper", &Storeroom::keeper),
                      console::var("stock", &Storeroom::stock), console::var("annex", &Storeroom::annex),
                      console::var("backup", &Storeroom::backup)};
  }
};

using PartyRef = std::shared_ptr<Party>;
using LockerRef = std::shared_ptr<Locker>;
using StudentRef = std::shared_ptr<Student>;
using ClubRef = std::shared_ptr<Club>;
using TeacherRef = std::shared_ptr<Teacher>;
using StoreroomRef = std::shared_ptr<Storeroom>;

// Short names for the component types, so that a row reads like the route.
template <auto Member>
using P = kp::Property<Member>;
template <auto Getter>
using C = kp::Computed<Getter>;
template <std::size_t I>
using E = kp::Element<I>;
using Q = kp::Chaining;  // optional chaining
using At = kp::Index;
using Key = kp::Entry;

template <class Root, class... Components>
using PathOf = decltype(kp::path<Root>(std::declval<Components>()...));

// The kind a key-path type has by what it lets one do: set into a root held in a variable, set with a
// const root.
template <class Path>
consteval Kind kind_by_use() {
  using Root = typename Path::root_type;
  using Value = typename Path::value_type;
  constexpr bool set_variable = requires(const Path& path, Root& root, const Value& value) {
    path.set(root, value);
  };
  constexpr bool set_const = requires(const Path& path, const Root& root, const Value& value) {
    path.set(root, value);
  };
  return set_const ? Kind::reference_writable : set_variable ? Kind::writable : Kind::read_only;
}

// One row of the table: the kind the walk gives, `set` compiling exactly as that kind allows, and the
// printed type (which shows the kind, the root and the value type).
template <Kind Expected, class Root, class... Components>
void expect_route(std::string_view printed) {
  using Path = PathOf<Root, Components...>;
  static_assert(Path::kind == Expected && kind_by_use<Path>() == Expected);
  EXPECT_EQ(console::type_name<Path>(), printed);
}

constexpr Kind RO = Kind::read_only;
constexpr Kind W = Kind::writable;
constexpr Kind RW = Kind::reference_writable;

TEST(KeyPathKindTest, EachComponentAlone) {
  expect_route<W, HighScore, P<&HighScore::score>>("WritableKeyPath<HighScore, Int>");
  expect_route<RO, Person, P<&Person::name>>("KeyPath<Person, String>");
  expect_route<RW, PartyRef, P<&Party::members>>("ReferenceWritableKeyPath<Party, Array<Explorer>>");
  expect_route<RO, PartyRef, P<&Party::name>>("KeyPath<Party, String>");
  expect_route<RW, StudentRef, P<&Student::club>>("ReferenceWritableKeyPath<Student, Optional<Club>>");
  expect_route<RW, StoreroomRef, P<&Storeroom::backup>>(
      "ReferenceWritableKeyPath<Storeroom, Optional<Storeroom>>");
  expect_route<RO, LockerRef, C<&Locker::user>>("KeyPath<Locker, Person>");
  expect_route<RO, Building, C<&Building::front_locker>>("KeyPath<Building, Locker>");
  expect_route<W, Ability, E<1>>("WritableKeyPath<(Int, Int), Int>");
  expect_route<W, std::vector<Explorer>, At>("WritableKeyPath<Array<Explorer>, Explorer>");
  expect_route<W, std::map<std::string, Int>, Key>("WritableKeyPath<Dictionary<String, Int>, Optional<Int>>");
  expect_route<RO, std::optional<Person>, Q>("KeyPath<Optional<Person>, Optional<Person>>");
}

TEST(KeyPathKindTest, EveryComponentBeforeAChainEndsReadOnly) {
  expect_route<RO, Explorer, P<&Explorer::ability>, Q>("KeyPath<Explorer, Optional<(Int, Int)>>");
  expect_route<RO, TeacherRef, P<&Teacher::subject>, Q>("KeyPath<Teacher, Optional<String>>");
  expect_route<RO, StudentRef, P<&Student::club>, Q>("KeyPath<Student, Optional<Club>>");
  expect_route<RO, StoreroomRef, P<&Storeroom::backup>, Q>("KeyPath<Storeroom, Optional<Storeroom>>");
  expect_route<RO, StoreroomRef, P<&Storeroom::keeper>, Q>("KeyPath<Storeroom, Optional<Person>>");
  expect_route<RO, StoreroomRef, C<&Storeroom::swords>, Q>("KeyPath<Storeroom, Optional<Int>>");
  expect_route<RO, std::tuple<std::optional<Int>, Int>, E<0>, Q>(
      "KeyPath<(Optional<Int>, Int), Optional<Int>>");
  expect_route<RO, std::vector<std::optional<Person>>, At, Q>(
      "KeyPath<Array<Optional<Person>>, Optional<Person>>");
  expect_route<RO, Explorer, P<&Explorer::items>, Key, Q>("KeyPath<Explorer, Optional<Int>>");
  expect_route<RO, std::optional<std::optional<Int>>, Q, Q>(
      "KeyPath<Optional<Optional<Int>>, Optional<Int>>");
}

TEST(KeyPathKindTest, AfterAChainOnlyAClassPropertyThatIsAlreadyOptionalMakesItWritable) {
  // Record fields stay read-only, with the final wrapping or without.
  expect_route<RO, std::optional<Person>, Q, P<&Person::height>>("KeyPath<Optional<Person>, Optional<Int>>");
  expect_route<RO, std::optional<Explorer>, Q, P<&Explorer::ability>>(
      "KeyPath<Optional<Explorer>, Optional<(Int, Int)>>");
  expect_route<RO, std::optional<Person>, Q, P<&Person::name>>("KeyPath<Optional<Person>, Optional<String>>");
  // A variable class property that must be wrapped: the wrapping makes it read-only again.
  expect_route<RO, StudentRef, P<&Student::club>, Q, P<&Club::budget>>("KeyPath<Student, Optional<Int>>");
  expect_route<RO, StoreroomRef, P<&Storeroom::backup>, Q, P<&Storeroom::stock>>(
      "KeyPath<Storeroom, Optional<Dictionary<String, Int>>>");
  // A class property that is optional already (an optional value, a weak reference): no wrapping.
  expect_route<RW, ClubRef, P<&Club::teacher>, Q, P<&Teacher::subject>>(
      "ReferenceWritableKeyPath<Club, Optional<String>>");
  expect_route<RW, StudentRef, P<&Student::club>, Q, P<&Club::teacher>>(
      "ReferenceWritableKeyPath<Student, Optional<Teacher>>");
  expect_route<RW, StoreroomRef, P<&Storeroom::annex>, Q, P<&Storeroom::annex>>(
      "ReferenceWritableKeyPath<Storeroom, Optional<Storeroom>>");
  expect_route<RW, StudentRef, P<&Student::club>, Q, P<&Club::teacher>, Q, P<&Teacher::subject>>(
      "ReferenceWritableKeyPath<Student, Optional<String>>");
  // ... or an entry after it, which reads an optional.
  expect_route<RW, StoreroomRef, P<&Storeroom::annex>, Q, P<&Storeroom::stock>, Key>(
      "ReferenceWritableKeyPath<Storeroom, Optional<Int>>");
  expect_route<RO, std::optional<Explorer>, Q, P<&Explorer::items>, Key>(
      "KeyPath<Optional<Explorer>, Optional<Int>>");
  // Fixed properties, computed properties, elements, indexes and further chaining.
  expect_route<RO, StudentRef, P<&Student::club>, Q, P<&Club::name>>("KeyPath<Student, Optional<String>>");
  expect_route<RO, StudentRef, P<&Student::club>, Q, C<&Club::isOfficial>>(
      "KeyPath<Student, Optional<Bool>>");
  expect_route<RO, Explorer, P<&Explorer::ability>, Q, E<0>>("KeyPath<Explorer, Optional<Int>>");
  expect_route<RO, StudentRef, P<&Student::club>, Q, P<&Club::members>, At>(
      "KeyPath<Student, Optional<Student>>");
  expect_route<RO, StudentRef, P<&Student::club>, Q, P<&Club::teacher>, Q, P<&Teacher::subject>, Q>(
      "KeyPath<Student, Optional<String>>");
}

TEST(KeyPathKindTest, AFixedFieldAnywhere) {
  expect_route<RO, Ticket, P<&Ticket::holder>, P<&Person::height>>("KeyPath<Ticket, Int>");
  expect_route<RO, StoreroomRef, P<&Storeroom::keeper>, Q, P<&Person::height>>(
      "KeyPath<Storeroom, Optional<Int>>");
  expect_route<RW, Building, P<&Building::locker>, P<&Locker::owner>, P<&Person::height>>(
      "ReferenceWritableKeyPath<Building, Int>");
  expect_route<RO, LockerRef, P<&Locker::owner>, P<&Person::name>>("KeyPath<Locker, String>");
  expect_route<RO, ClubRef, P<&Club::members>, At, P<&Student::name>>("KeyPath<Club, String>");
  expect_route<RW, ClubRef, P<&Club::members>, At, P<&Student::club>>(
      "ReferenceWritableKeyPath<Club, Optional<Club>>");
}

TEST(KeyPathKindTest, AComputedPropertyFollowedByAClassProperty) {
  expect_route<RW, Building, C<&Building::front_locker>, P<&Locker::owner>>(
      "ReferenceWritableKeyPath<Building, Person>");
  expect_route<RW, Building, C<&Building::front_locker>, P<&Locker::owner>, P<&Person::height>>(
      "ReferenceWritableKeyPath<Building, Int>");
  expect_route<RO, Building, C<&Building::front_locker>, P<&Locker::owner>, P<&Person::name>>(
      "KeyPath<Building, String>");
}

TEST(KeyPathKindTest, TheRoutesOfTheProgram) {
  expect_route<RO, StudentRef, P<&Student::club>, Q, P<&Club::teacher>, Q, P<&Teacher::name>>(
      "KeyPath<Student, Optional<String>>");
  expect_route<RW, PartyRef, P<&Party::members>, At, P<&Explorer::items>, Key>(
      "ReferenceWritableKeyPath<Party, Optional<Int>>");
  expect_route<RO, PartyRef, P<&Party::members>, At, P<&Explorer::ability>, Q, E<1>>(
      "KeyPath<Party, Optional<Int>>");
  expect_route<W, Explorer, P<&Explorer::items>, Key>("WritableKeyPath<Explorer, Optional<Int>>");
  expect_route<RO, PartyRef, P<&Party::members>, At, P<&Explorer::name>>("KeyPath<Party, String>");
  expect_route<W, HighScore, P<&HighScore::player>, P<&Person::height>>("WritableKeyPath<HighScore, Int>");
  expect_route<RO, HighScore, P<&HighScore::player>, P<&Person::name>>("KeyPath<HighScore, String>");
  expect_route<RW, LockerRef, P<&Locker::owner>, P<&Person::height>>("ReferenceWritableKeyPath<Locker, Int>");
  expect_route<RO, LockerRef, C<&Locker::user>, P<&Person::height>>("KeyPath<Locker, Int>");
}

template <class Root, class... Components>
constexpr bool makes_a_route = requires(Components... components) {
  kp::path<Root>(components...);
};

TEST(KeyPathKindTest, ClassesAreReachedThroughReferencesRecordsByValue) {
  static_assert(Class<Club> && Class<Student> && Class<Teacher> && Class<Party> && Class<Locker>);
  static_assert(!Class<Explorer> && !Class<Person> && !Class<HighScore>);
  static_assert(!std::is_copy_constructible_v<Teacher> && !std::is_copy_assignable_v<Student>);

  static_assert(makes_a_route<StudentRef, P<&Student::club>>);
  static_assert(!makes_a_route<Student, P<&Student::club>>, "a class held by value is no record");
  static_assert(!makes_a_route<Party, P<&Party::members>>);
  static_assert(!makes_a_route<Building, C<&Building::front_locker>, Q>,
                "a strong reference is not optional");
  static_assert(!makes_a_route<std::shared_ptr<Person>, P<&Person::height>>, "a record is reached by value");
  // A class declares properties for key paths, yet an object prints by its class name, never as a record
  // (Storeroom: a class the program never uses).
  static_assert(!console::Renderable<Party> && !console::Renderable<Locker> &&
                !console::Renderable<Storeroom>);
  console::start_program("Quillmere09");
  EXPECT_EQ(console::render(std::make_shared<Party>("LuckyStar")), "Quillmere09.Party");
  const auto store = std::make_shared<Storeroom>("本館");
  store->annex = store;
  EXPECT_EQ(console::render(std::vector{store->annex}), "[Optional(Quillmere09.Storeroom)]");
}

TEST(KeyPathKindTest, ComponentsThatDoNotFitTheValueBeforeThemMakeNoRoute) {
  static_assert(!makes_a_route<Person, Q>, "chaining needs an optional");
  static_assert(!makes_a_route<Explorer, P<&Explorer::items>, At>, "a dictionary has no index");
  static_assert(!makes_a_route<PartyRef, P<&Party::members>, Key>, "a list has no key");
  static_assert(!makes_a_route<Ability, E<2>>, "a pair has two elements");
  static_assert(!makes_a_route<Person, E<0>>, "a record has no elements");
  static_assert(!makes_a_route<Person, P<&HighScore::score>>, "another type's property");
  static_assert(!makes_a_route<std::map<Int, Int>, Key>, "keys are texts");
}

// ---- Reading and writing ----------------------------------------------------------------------------------

std::shared_ptr<Party> lucky_star() {
  auto party = std::make_shared<Party>("LuckyStar");
  party->members = {
      Explorer{"こなた", {{"剣", 1}, {"兜", 1}}, std::nullopt},
      Explorer{"つかさ", {{"槍", 1}, {"薬草", 3}}, std::nullopt},
      Explorer{"かがみ", {{"薬草", 1}, {"杖", 1}}, keypaths::make_ability(10, 20)},
  };
  return party;
}

TEST(KeyPathReadingTest, ThroughIndexKeyAndOptional) {
  const auto party = lucky_star();
  const auto herbs_of = [](std::size_t index) {
    return kp::path<PartyRef>(kp::property<&Party::members>, kp::at(index), kp::property<&Explorer::items>,
                              kp::key("薬草"));
  };
  EXPECT_EQ(herbs_of(1).get(party), 3);
  EXPECT_EQ(herbs_of(0).get(party), std::nullopt) << "a missing key reads empty";
  const auto magic_of = [](std::size_t index) {
    return kp::path<PartyRef>(kp::property<&Party::members>, kp::at(index), kp::property<&Explorer::ability>,
                              kp::chained, keypaths::magic);
  };
  EXPECT_EQ(magic_of(2).get(party), 20);
  EXPECT_EQ(magic_of(1).get(party), std::nullopt) << "an absent ability reads empty";
  const auto name =
      kp::path<PartyRef>(kp::property<&Party::members>, kp::at(1), kp::property<&Explorer::name>);
  EXPECT_EQ(name.get(party), "つかさ");
}

TEST(KeyPathReadingTest, ThroughWeakReferencesWrappedAtTheEnd) {
  const auto teacher_name =
      kp::path<StudentRef>(kp::property<&Student::club>, kp::chained, kp::property<&Club::teacher>,
                           kp::chained, kp::property<&Teacher::name>);
  const auto budget =
      kp::path<StudentRef>(kp::property<&Student::club>, kp::chained, kp::property<&Club::budget>);
  auto student = std::make_shared<Student>("井上");
  EXPECT_EQ(teacher_name.get(student), std::nullopt);
  EXPECT_EQ(budget.get(student), std::nullopt);
  auto club = std::make_shared<Club>("隣人部");
  club->admit(student);
  club->budget = 5000;
  EXPECT_EQ(budget.get(student), std::optional<Int>(5000));
  EXPECT_EQ(teacher_name.get(student), std::nullopt);
  auto teacher = std::make_shared<Teacher>("高山");
  club->teacher = teacher;
  EXPECT_EQ(teacher_name.get(student), "高山");
  teacher.reset();
  EXPECT_EQ(teacher_name.get(student), std::nullopt) << "the weak teacher is gone";
}

TEST(KeyPathReadingTest, HoldsItsOwnCopyOfTheKey) {
  std::string key = "剣";
  const auto swords = kp::path<Explorer>(kp::property<&Explorer::items>, kp::key(key));
  key = "兜";
  EXPECT_EQ(swords.get(Explorer{"こなた", {{"剣", 2}}, std::nullopt}), 2);
}

TEST(KeyPathWritingTest, WritableWritesBackThroughRecords) {
  HighScore score{Person{"結城", 155}, 100};
  const auto height = kp::path<HighScore>(kp::property<&HighScore::player>, kp::property<&Person::height>);
  height.set(score, 157);
  EXPECT_EQ(score.player.height, 157);

  Explorer konata{"こなた", {{"剣", 1}}, std::nullopt};
  const auto dagger = kp::path<Explorer>(kp::property<&Explorer::items>, kp::key("短刀"));
  dagger.set(konata, 2);
  EXPECT_EQ(dagger.get(konata), 2);
  dagger.set(konata, std::nullopt);
  EXPECT_FALSE(konata.items.contains("短刀")) << "writing empty removes the entry";
  EXPECT_EQ(konata.items.size(), 1u);

  auto power = keypaths::make_ability(10, 20);
  kp::path<Ability>(keypaths::cure).set(power, 12);
  EXPECT_EQ(power, keypaths::make_ability(12, 20));
}

TEST(KeyPathWritingTest, ReferenceWritableWritesThroughTheReference) {
  const auto party = lucky_star();
  const auto herbs = kp::path<PartyRef>(kp::property<&Party::members>, kp::at(2),
                                        kp::property<&Explorer::items>, kp::key("薬草"));
  herbs.set(party, 4);
  EXPECT_EQ(party->members[2].items.at("薬草"), 4);
  EXPECT_EQ(party->members[1].items.at("薬草"), 3) << "only the indexed member changes";

  const auto locker = std::make_shared<Locker>(Person{"東郷", 158});
  const auto owner_height = kp::path<LockerRef>(kp::property<&Locker::owner>, kp::property<&Person::height>);
  const auto user_height = kp::path<LockerRef>(kp::computed<&Locker::user>, kp::property<&Person::height>);
  owner_height.set(locker, owner_height.get(locker) + 2);
  EXPECT_EQ(locker->owner.height, 160);
  EXPECT_EQ(user_height.get(locker), 160);
}

TEST(KeyPathWritingTest, PastAFixedOrComputedStepIntoTheObjectBehindTheReference) {
  const Building building{std::make_shared<Locker>(Person{"東郷", 158})};
  const auto through_fixed = kp::path<Building>(kp::property<&Building::locker>, kp::property<&Locker::owner>,
                                                kp::property<&Person::height>);
  through_fixed.set(building, 170);
  EXPECT_EQ(building.locker->owner.height, 170);
  const auto through_computed =
      kp::path<Building>(kp::computed<&Building::front_locker>, kp::property<&Locker::owner>);
  through_computed.set(building, Person{"三好", 150});
  EXPECT_EQ(building.locker->owner.name, "三好");
}

TEST(KeyPathWritingTest, AfterChainingOnlyWhenTheChainHolds) {
  const auto subject =
      kp::path<StudentRef>(kp::property<&Student::club>, kp::chained, kp::property<&Club::teacher>,
                           kp::chained, kp::property<&Teacher::subject>);
  auto student = std::make_shared<Student>("井上");
  subject.set(student, "数学");  // a broken chain: nothing to write into, nothing happens
  EXPECT_EQ(subject.get(student), std::nullopt);

  auto club = std::make_shared<Club>("隣人部");
  club->admit(student);
  auto teacher = std::make_shared<Teacher>("高山");
  club->teacher = teacher;
  subject.set(student, "精神発達理論");
  EXPECT_EQ(teacher->subject, "精神発達理論");

  const auto annex_swords = kp::path<StoreroomRef>(kp::property<&Storeroom::annex>, kp::chained,
                                                   kp::property<&Storeroom::stock>, kp::key("剣"));
  const auto store = std::make_shared<Storeroom>("本館");
  annex_swords.set(store, 3);
  EXPECT_TRUE(store->stock.empty()) << "no annex: nothing is written";
  const auto annex = std::make_shared<Storeroom>("別館");
  store->annex = annex;
  annex_swords.set(store, 3);
  EXPECT_EQ(annex->count_of("剣"), 3);
  EXPECT_EQ(annex_swords.get(store), 3);
  EXPECT_EQ(annex.use_count(), 1) << "the weak annex still does not own it";
}

TEST(KeyPathWritingTest, WeakPropertyIsSetWithAStrongReference) {
  const auto club_of = kp::path<StudentRef>(kp::property<&Student::club>);
  auto student = std::make_shared<Student>("井上");
  auto club = std::make_shared<Club>("隣人部");
  club_of.set(student, club);
  EXPECT_EQ(student->club.lock(), club);
  EXPECT_EQ(club.use_count(), 1) << "the weak property does not own the club";
  club_of.set(student, std::nullopt);
  EXPECT_TRUE(student->club.expired());
}

TEST(KeyPathDeathTest, AnIndexOutsideTheListOrAnEmptyReferenceStops) {
  const auto party = lucky_star();
  const auto fourth =
      kp::path<PartyRef>(kp::property<&Party::members>, kp::at(3), kp::property<&Explorer::name>);
  EXPECT_DEATH(static_cast<void>(fourth.get(party)), "index out of range");
  const auto owner = kp::path<LockerRef>(kp::property<&Locker::owner>);
  EXPECT_DEATH(static_cast<void>(owner.get(nullptr)), "through an empty reference");
}

}  // namespace
}  // namespace q09
