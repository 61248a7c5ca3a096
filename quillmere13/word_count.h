// Counting words: lower-casing, tallying and ranking by count.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace q13 {

using WordCounts = std::unordered_map<std::string, std::int64_t>;

// ASCII letters to lower case; every other byte stays as it is.
std::string lowercased(std::string word);

// How often each word occurs.
WordCounts tally(const std::vector<std::string>& words);

// The (word, count) pairs, larger counts first; equal counts keep the dictionary's iteration order.
std::vector<std::pair<std::string, std::int64_t>> by_count(const WordCounts& counts);

}  // namespace q13
