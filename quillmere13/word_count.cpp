#include "quillmere13/word_count.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>

namespace q13 {

namespace {

std::size_t hash_of(std::string_view word) {
  return std::hash<std::string_view>{}(word);
}
std::uint32_t tag_of(std::size_t hash) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

}  // namespace

std::string lowercased(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return word;
}

// The slot that holds `word`, or the free slot where it belongs. The table is never full.
std::size_t WordCounts::find(std::string_view word, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = tag_of(hash);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.position == 0) return i;
    if (slot.tag == tag && entries_[slot.position - 1].first == word) return i;
  }
}

bool WordCounts::contains(std::string_view word) const {
  return !slots_.empty() && slots_[find(word, hash_of(word))].position != 0;
}

std::int64_t WordCounts::count(std::string_view word) const {
  if (slots_.empty()) return 0;
  const Slot& slot = slots_[find(word, hash_of(word))];
  return slot.position == 0 ? 0 : entries_[slot.position - 1].second;
}

std::size_t WordCounts::insert(std::string_view word) {
  // At most half full, so that probe runs stay short.
  if (2 * (entries_.size() + 1) > slots_.size()) grow();
  const std::size_t hash = hash_of(word);
  Slot& slot = slots_[find(word, hash)];
  if (slot.position != 0) return slot.position - 1;
  if (entries_.size() >= std::numeric_limits<std::uint32_t>::max()) {
    std::fputs("WordCounts: too many distinct words\n", stderr);
    std::abort();
  }
  entries_.emplace_back(std::string(word), 0);
  slot = Slot{static_cast<std::uint32_t>(entries_.size()), tag_of(hash)};
  return entries_.size() - 1;
}

void WordCounts::grow() {
  slots_.assign(std::max<std::size_t>(64, 2 * slots_.size()), Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t position = 0; position < entries_.size(); ++position) {
    const std::size_t hash = hash_of(entries_[position].first);
    std::size_t i = hash & mask;
    while (slots_[i].position != 0) i = (i + 1) & mask;
    slots_[i] = Slot{static_cast<std::uint32_t>(position + 1), tag_of(hash)};
  }
}

bool operator==(const WordCounts& a, const WordCounts& b) {
  if (a.size() != b.size()) return false;
  return std::all_of(a.begin(), a.end(), [&b](const auto& entry) {
    return b.contains(entry.first) && b.count(entry.first) == entry.second;
  });
}

WordCounts WordList::tally() const {
  std::vector<std::int64_t> occurrences(distinct_.size(), 0);
  for (const std::uint32_t index : indices_) ++occurrences[index];
  WordCounts counts;
  std::size_t index = 0;
  for (const auto& entry : distinct_) counts[entry.first] = occurrences[index++];
  return counts;
}

std::vector<std::pair<std::string, std::int64_t>> by_count(const WordCounts& counts) {
  std::vector<std::pair<std::string, std::int64_t>> ranking(counts.begin(), counts.end());
  std::ranges::stable_sort(ranking, [](const auto& a, const auto& b) { return a.second > b.second; });
  return ranking;
}

}  // namespace q13
