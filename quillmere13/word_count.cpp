#include "quillmere13/word_count.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>

#include "console/program.h"

namespace q13 {

namespace {

constexpr std::uint32_t long_word = 31;

std::size_t hash_of(std::string_view word) {
  return std::hash<std::string_view>{}(word);
}

// High hash bits with the length (or long_word) in the low 5 bits: equal tags mean equal lengths.
std::uint32_t tag_of(std::size_t hash, std::size_t length, std::size_t inline_bytes) {
  const auto high = static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
  return (high & ~long_word) | (length <= inline_bytes ? static_cast<std::uint32_t>(length) : long_word);
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
  const std::uint32_t tag = tag_of(hash, word.size(), inline_bytes);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.position == 0) return i;
    if (slot.tag != tag) continue;
    if (word.size() <= inline_bytes ? std::memcmp(slot.bytes, word.data(), word.size()) == 0
                                    : words_[slot.position - 1] == word) {
      return i;
    }
  }
}

bool WordCounts::contains(std::string_view word) const {
  return !slots_.empty() && slots_[find(word, hash_of(word))].position != 0;
}

std::int64_t WordCounts::count(std::string_view word) const {
  if (slots_.empty()) return 0;
  const Slot& slot = slots_[find(word, hash_of(word))];
  return slot.position == 0 ? 0 : counts_[slot.position - 1];
}

std::size_t WordCounts::insert(std::string_view word) {
  // At most half full, so that probe runs stay short.
  if (2 * (words_.size() + 1) > slots_.size()) grow();
  const std::size_t hash = hash_of(word);
  Slot& slot = slots_[find(word, hash)];
  if (slot.position != 0) return slot.position - 1;
  if (words_.size() >= std::numeric_limits<std::uint32_t>::max()) {
    console::fail("WordCounts: too many distinct words");
  }
  words_.emplace_back(word);
  counts_.push_back(0);
  slot.position = static_cast<std::uint32_t>(words_.size());
  slot.tag = tag_of(hash, word.size(), inline_bytes);
  if (word.size() <= inline_bytes) std::memcpy(slot.bytes, word.data(), word.size());
  return words_.size() - 1;
}

void WordCounts::grow() {
  std::vector<Slot> old(std::max<std::size_t>(64, 2 * slots_.size()));
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.position == 0) continue;
    std::size_t i = hash_of(words_[slot.position - 1]) & mask;
    while (slots_[i].position != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

bool operator==(const WordCounts& a, const WordCounts& b) {
  if (a.size() != b.size()) return false;
  return std::all_of(a.begin(), a.end(), [&b](const WordCounts::value_type& entry) {
    return b.contains(entry.first) && b.count(entry.first) == entry.second;
  });
}

WordCounts WordList::tally() const {
  std::vector<std::int64_t> occurrences(distinct_.size(), 0);
  for (const std::uint32_t index : indices_) ++occurrences[index];
  WordCounts counts;
  for (std::size_t position = 0; position < distinct_.size(); ++position) {
    counts[distinct_.word(position)] = occurrences[position];
  }
  return counts;
}

std::vector<std::pair<std::string, std::int64_t>> by_count(const WordCounts& counts) {
  std::vector<std::pair<std::string, std::int64_t>> ranking;
  ranking.reserve(counts.size());
  for (const auto& [word, count] : counts) ranking.emplace_back(word, count);
  std::ranges::stable_sort(ranking, [](const auto& a, const auto& b) { return a.second > b.second; });
  return ranking;
}

}  // namespace q13
