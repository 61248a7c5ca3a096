// Section 16: transforming dictionaries (grades, passes, a flattened guest list), with one value printed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <ranges>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "console/print.h"
#include "quillmere13/reply.h"
#include "quillmere13/sections.h"
#include "quillmere13/sequences.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

// Three transforms of dictionaries whose results are kept but not printed, then one value.
void section16() {
  using Points = std::unordered_map<std::string, Int>;
  const std::vector<Int> thresholds{90, 80, 70, 60};
  const Strings grades{"秀", "優", "良", "可", "不可"};

  // Each value mapped to its grade: {"晴信": "可", "香子": "不可", "あかり": "秀", "零": "良"}. The walk
  // stops at the first threshold the value reaches, so a value equal to a threshold takes its grade, and one
  // below them all takes the last.
  const auto grade = [&thresholds, &grades](Int value) {
    std::size_t place = 0;
    while (place < thresholds.size() && value < thresholds[place]) ++place;
    return grades[place];
  };
  const Points points{{"晴信", 68}, {"香子", 52}, {"あかり", 90}, {"零", 75}};
  std::unordered_map<std::string, std::string> report;
  std::ranges::transform(points, std::inserter(report, report.end()), [&grade](const auto& entry) {
    return std::pair{entry.first, grade(entry.second)};
  });

  // The names whose value is at least 60: 晴信, あかり and 零.
  const Points points2{{"晴信", 68}, {"香子", 52}, {"あかり", 90}, {"零", 75}};
  const auto passed = to_vector(
      points2 | std::views::filter([](const auto& entry) { return entry.second >= 60; }) | std::views::keys);

  // Everyone who comes, flattened from the replies: 那由多 伊月, 政宗, 遥 秋穂 (entries in any order).
  const std::unordered_map<std::string, Reply> replies{{"那由多", Reply::attendWith("伊月")},
                                                       {"夢子", Reply::notAttend()},
                                                       {"政宗", Reply::attend()},
                                                       {"遥", Reply::attendWith("秋穂")}};
  const auto who_comes = [](const auto& entry) { return attendees(entry.first, entry.second); };
  const auto guests = to_vector(replies | std::views::transform(who_comes) | std::views::join);

  // The span of the passing thresholds.
  print(thresholds.front() - thresholds.back());
}

}  // namespace q13
