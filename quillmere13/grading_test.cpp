#include "quillmere13/grading.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace q13 {
namespace {

const Grading marks({90, 80, 70, 60}, {"秀", "優", "良", "可", "不可"});

TEST(GradingTest, AValueEqualToAThresholdTakesThatThresholdsGrade) {
  EXPECT_EQ(marks.grade(90), "秀");
  EXPECT_EQ(marks.grade(80), "優");
  EXPECT_EQ(marks.grade(70), "良");
  EXPECT_EQ(marks.grade(60), "可");
}

TEST(GradingTest, OneBelowAThresholdTakesTheNextGrade) {
  EXPECT_EQ(marks.grade(89), "優");
  EXPECT_EQ(marks.grade(79), "良");
  EXPECT_EQ(marks.grade(69), "可");
  EXPECT_EQ(marks.grade(59), "不可");
}

TEST(GradingTest, ExtremesTakeTheFirstAndTheLastGrade) {
  EXPECT_EQ(marks.grade(std::numeric_limits<std::int64_t>::max()), "秀");
  EXPECT_EQ(marks.grade(std::numeric_limits<std::int64_t>::min()), "不可");
  EXPECT_EQ(marks.grade(-1), "不可");
}

TEST(GradingTest, ThePointsOfTheProgram) {
  EXPECT_EQ(marks.grade(68), "可");
  EXPECT_EQ(marks.grade(52), "不可");
  EXPECT_EQ(marks.grade(75), "良");
}

TEST(GradingTest, WithoutThresholdsEveryValueTakesTheOnlyGrade) {
  const Grading pass_fail({}, {"可"});
  EXPECT_EQ(pass_fail.grade(0), "可");
}

TEST(GradingDeathTest, GradesMustOutnumberThresholdsByOne) {
  EXPECT_DEATH(Grading({90, 60}, {"秀", "可"}), "2 thresholds and 2 grades; there must be one grade more");
  EXPECT_DEATH(Grading({}, {}), "0 thresholds and 0 grades");
  EXPECT_DEATH(Grading({60}, {"可", "不可", "再"}), "1 thresholds and 3 grades");
}

}  // namespace
}  // namespace q13
