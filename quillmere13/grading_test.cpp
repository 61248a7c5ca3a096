#include "quillmere13/grading.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace q13 {
namespace {

const Grading marks({90, 80, 70, 60}, {"秀", "優", "良", "可", "不可"});

TEST(GradingTest, AValueEqualToAThresholdTakesThatThresholdsGrade) {
  struct Case {
    std::int64_t value;
    std::string grade;
  };
  for (const Case& c : {Case{90, "秀"}, Case{89, "優"}, Case{80, "優"}, Case{79, "良"}, Case{70, "良"},
                        Case{69, "可"}, Case{60, "可"}, Case{59, "不可"}}) {
    EXPECT_EQ(marks.grade(c.value), c.grade) << "for " << c.value;
  }
}

TEST(GradingTest, ExtremesTakeTheFirstAndTheLastGrade) {
  EXPECT_EQ(marks.grade(std::numeric_limits<std::int64_t>::max()), "秀");
  EXPECT_EQ(marks.grade(std::numeric_limits<std::int64_t>::min()), "不可");
  EXPECT_EQ(Grading({}, {"可"}).grade(0), "可");  // no thresholds: the only grade
}

TEST(GradingDeathTest, GradesMustOutnumberThresholdsByOne) {
  EXPECT_DEATH(Grading({90, 60}, {"秀", "可"}), "2 thresholds and 2 grades; there must be one grade more");
  EXPECT_DEATH(Grading({}, {}), "0 thresholds and 0 grades");
  EXPECT_DEATH(Grading({60}, {"可", "不可", "再"}), "1 thresholds and 3 grades");
}

}  // namespace
}  // namespace q13
