#include "quillmere13/word_counts.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "console/program.h"

namespace q13 {

// The table: slots of 8 bytes, eight to a cache line, each the low half of its word's hash (a tag) and where
// the word's record starts. A record holds the count and the position beside the bytes, so a lookup of a
// word that is not in the cache misses on the slot and on the record, nothing else. The tag also picks the
// slot, so growing the table needs no hashing again.

bool WordCounts::contains(std::string_view word) const {
  return !slots_.empty() && slots_[find(WordKey::exact(word))].start != 0;
}

std::int64_t WordCounts::count(std::string_view word) const {
  if (slots_.empty()) return 0;
  const Slot& slot = slots_[find(WordKey::exact(word))];
  return slot.start == 0 ? 0 : records_[slot.start];
}

std::int64_t& WordCounts::operator[](const WordKey& key) {
  if (!slots_.empty()) {
    const Slot& slot = slots_[find(key)];
    if (slot.start != 0) return records_[slot.start];
  }
  return count_at(add(key));
}

std::int64_t& WordCounts::operator[](LowerInPlace word) {
  return (*this)[word.key()];
}

// An absent word: a record, a count, and a free slot of a table that stays at most three quarters full, so
// that probe runs stay short (a word present is found within two or three slots on average, at the fullest).
std::size_t WordCounts::add(const WordKey& key) {
  if (size() >= std::numeric_limits<std::uint32_t>::max())
    console::fail("WordCounts: too many distinct words");
  if (key.text().size() > std::numeric_limits<std::uint32_t>::max())
    console::fail("WordCounts: a word of 4 GiB");
  if (4 * (size() + 1) > 3 * slots_.size()) grow();
  Slot& slot = slots_[find(key)];
  if (records_.empty()) records_.push_back(0);
  const std::size_t start = records_.size();
  const std::size_t bytes = key.text().size();
  if (start + 2 + (bytes + 7) / 8 > std::numeric_limits<std::uint32_t>::max())
    console::fail("WordCounts: 32 GiB of words");
  records_.resize(start + 2 + (bytes + 7) / 8);
  records_[start + 1] = static_cast<std::int64_t>(bytes | std::uint64_t{size()} << 32);
  std::memcpy(&records_[start + 2], key.text().data(), bytes);
  starts_.push_back(start);
  slot = {.tag = tag(key.hash()), .start = static_cast<std::uint32_t>(start)};
  return size() - 1;
}

void WordCounts::grow() {
  std::vector<Slot> old(std::max<std::size_t>(64, 2 * slots_.size()));
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.start == 0) continue;
    std::size_t i = slot.tag & mask;
    while (slots_[i].start != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace q13
