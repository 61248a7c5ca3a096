// Optional chaining over the club model: broken chains run nothing, results
// are single optionals, and the recognition test of a club.
#include "quillmere09/optional_chain.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "console/type_name.h"
#include "quillmere09/club_model.h"

namespace q09 {
namespace {

using chaining::Club;
using chaining::Student;
using chaining::Teacher;

struct Model {
  std::shared_ptr<Student> student = std::make_shared<Student>("井上");
  std::shared_ptr<Club> club = std::make_shared<Club>("隣人部");
  std::shared_ptr<Teacher> teacher = std::make_shared<Teacher>("高山", "精神発達理論");

  Model() {
    club->admit(student);
    club->teacher = teacher;
  }
};

TEST(OptionalChainTest, FollowsWeakReferencesToTheEnd) {
  Model m;
  EXPECT_EQ(chain(m.student->club, &Club::teacher, &Teacher::name), std::optional<std::string>("高山"));
  EXPECT_EQ(chain(m.student->club, &Club::budget), std::optional<std::int64_t>(0));
}

TEST(OptionalChainTest, ResultIsASingleOptional) {
  Model m;
  using Subject = decltype(chain(m.student->club, &Club::teacher, &Teacher::subject));
  static_assert(std::is_same_v<Subject, std::optional<std::string>>);
  using Official = decltype(chain(m.student->club, &Club::isOfficial));
  static_assert(std::is_same_v<Official, std::optional<bool>>);
  using Operation = decltype(chain(m.student->club, [](Club&) {}));
  static_assert(std::is_same_v<Operation, std::optional<console::Void>>);
  EXPECT_EQ(console::type_name<Subject>(), "Optional<String>");
  EXPECT_EQ(console::type_name<Operation>(), "Optional<()>");
  EXPECT_EQ(chain(m.student->club, &Club::teacher, &Teacher::subject),
            std::optional<std::string>("精神発達理論"));
}

TEST(OptionalChainTest, EmptyOptionalPropertyEndsTheChain) {
  Model m;
  m.teacher->subject.reset();
  int evaluated = 0;
  const auto result = chain(m.student->club, &Club::teacher, &Teacher::subject, [&](const std::string&) {
    ++evaluated;
    return 1;
  });
  EXPECT_FALSE(result);
  EXPECT_EQ(evaluated, 0);
}

TEST(OptionalChainTest, BrokenChainRunsNoOperation) {
  auto loner = std::make_shared<Student>("太田");
  auto newcomer = std::make_shared<Student>("星奈");
  auto teacher = std::make_shared<Teacher>("飛騨");
  int steps = 0;
  const auto admitted = chain(loner->club, [&](Club& club) {
    ++steps;
    club.admit(newcomer);
  });
  const auto assigned = chain(loner->club, [&](Club& club) {
    ++steps;
    club.teacher = teacher;
  });
  EXPECT_FALSE(admitted);
  EXPECT_FALSE(assigned);
  EXPECT_EQ(steps, 0);
  EXPECT_TRUE(newcomer->club.expired());
  EXPECT_EQ(teacher.use_count(), 1);
}

TEST(OptionalChainTest, OperationOnAPresentChainRunsOnceAndReportsIt) {
  Model m;
  const auto raised = chain(m.student->club, [](Club& club) { club.budget += 5000; });
  EXPECT_TRUE(raised);
  EXPECT_EQ(m.club->budget, 5000);
}

TEST(OptionalChainTest, StopsWhereAWeakReferenceOutlivedItsObject) {
  Model m;
  m.teacher.reset();
  EXPECT_FALSE(chain(m.student->club, &Club::teacher, &Teacher::name));
  m.club.reset();
  EXPECT_FALSE(chain(m.student->club, &Club::budget));
}

TEST(OptionalChainDeathTest, ForcedChainGivesTheValueOrStopsAtAnEmptyStep) {
  Model m;
  EXPECT_EQ(force_chain(m.student->club, &Club::teacher, &Teacher::name), "高山");
  m.teacher.reset();
  EXPECT_DEATH(static_cast<void>(force_chain(m.student->club, &Club::teacher, &Teacher::name)),
               "unexpectedly found nil");
}

TEST(OptionalChainTest, DictionaryEntryIsAnOptionalStep) {
  std::map<std::string, std::shared_ptr<Student>> officers{{"会長", std::make_shared<Student>("日高")}};
  EXPECT_EQ(chain(officers, entry(std::string("会長")), &Student::name), std::optional<std::string>("日高"));
  EXPECT_FALSE(chain(officers, entry(std::string("常任委員")), &Student::name));
}

TEST(OptionalChainTest, NullStrongReferenceCountsAsEmpty) {
  std::shared_ptr<Student> nobody;
  EXPECT_FALSE(chain(nobody, &Student::name));
  // Also when the null reference arrives wrapped, from a dictionary entry or an optional property.
  std::map<std::string, std::shared_ptr<Student>> vacant{{"会長", nullptr}};
  EXPECT_FALSE(chain(vacant, entry(std::string("会長")), &Student::name));
  EXPECT_FALSE(chain(std::optional<std::shared_ptr<Student>>(nullptr), &Student::name));
  static_assert(std::is_same_v<decltype(chain(std::optional<std::optional<std::int64_t>>(),
                                              [](std::int64_t n) { return n; })),
                               std::optional<std::int64_t>>);
}

TEST(ClubModelTest, IsOfficialNeedsFiveMembersAndALiveTeacher) {
  auto club = std::make_shared<Club>("隣人部");
  std::vector<std::shared_ptr<Student>> students;
  for (const char* name : {"井上", "星奈", "夜空", "理科", "幸村"}) {
    students.push_back(std::make_shared<Student>(name));
  }
  auto teacher = std::make_shared<Teacher>("高山");
  club->teacher = teacher;
  for (int i = 0; i < 4; ++i) club->admit(students[static_cast<std::size_t>(i)]);
  EXPECT_FALSE(club->isOfficial()) << "four members with a teacher";
  club->admit(students[4]);
  EXPECT_TRUE(club->isOfficial()) << "five members with a teacher";
  teacher.reset();
  EXPECT_FALSE(club->isOfficial()) << "five members, the teacher is gone";
}

TEST(ClubModelTest, AdmissionSetsTheWeakClubAndDestroyingTheClubEmptiesIt) {
  auto student = std::make_shared<Student>("井上");
  auto club = std::make_shared<Club>("隣人部");
  club->admit(student);
  EXPECT_EQ(student->club.lock(), club);
  EXPECT_EQ(student.use_count(), 2);
  club.reset();
  EXPECT_TRUE(student->club.expired());
  EXPECT_EQ(student.use_count(), 1) << "the club's member list released the student";
}

}  // namespace
}  // namespace q09
