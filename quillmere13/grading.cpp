#include "quillmere13/grading.h"

#include <utility>

#include "console/engine.h"
#include "console/program.h"

namespace q13 {

Grading::Grading(std::vector<std::int64_t> thresholds, std::vector<std::string> grades)
    : thresholds_(std::move(thresholds)), grades_(std::move(grades)) {
  if (grades_.size() != thresholds_.size() + 1) {
    console::fail(console::cat("Grading: ", thresholds_.size(), " thresholds and ", grades_.size(),
                               " grades; there must be one grade more than thresholds"));
  }
}

const std::string& Grading::grade(std::int64_t value) const {
  std::size_t place = 0;
  while (place < thresholds_.size() && value < thresholds_[place]) ++place;
  return grades_[place];
}

}  // namespace q13
