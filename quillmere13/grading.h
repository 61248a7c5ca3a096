// Grading: the grade of a value against a list of thresholds.
//
// The thresholds are walked from the front while the value is strictly below the current one; the place
// reached picks the grade. So a value equal to a threshold takes that threshold's grade, and a value below
// every threshold takes the last grade, the one more grade than there are thresholds.
//
//   const q13::Grading grading({90, 80, 70, 60}, {"秀", "優", "良", "可", "不可"});
//   grading.grade(90);  // "秀"
//   grading.grade(89);  // "優"
//   grading.grade(12);  // "不可"
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace q13 {

class Grading {
 public:
  // Needs exactly one grade more than thresholds; any other count is a logic error that stops the program.
  Grading(std::vector<std::int64_t> thresholds, std::vector<std::string> grades);

  const std::string& grade(std::int64_t value) const;

 private:
  std::vector<std::int64_t> thresholds_;
  std::vector<std::string> grades_;
};

}  // namespace q13
