#include "quillmere13/word_count.h"

#include <algorithm>

namespace q13 {

std::string lowercased(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return word;
}

WordCounts tally(const std::vector<std::string>& words) {
  WordCounts counts;
  for (const auto& word : words) ++counts[word];
  return counts;
}

std::vector<std::pair<std::string, std::int64_t>> by_count(const WordCounts& counts) {
  std::vector<std::pair<std::string, std::int64_t>> ranking(counts.begin(), counts.end());
  std::ranges::stable_sort(ranking, [](const auto& a, const auto& b) { return a.second > b.second; });
  return ranking;
}

}  // namespace q13
