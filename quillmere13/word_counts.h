// WordCounts: a dictionary from words to counts, built for many lookups of few distinct words.
//
// It behaves as a dictionary from text to integer: looking up an absent word inserts it with 0, and the
// (word, count) pairs iterate in insertion order. Each word also has its position in that order, by which
// it can be read back. A word is looked up as it is, or through lower_in_place (word_key.h).
//
//   q13::WordCounts counts;
//   counts["the"] += 1;
//   counts[q13::lower_in_place(word)] += 1;  // word lowered where it lies, then counted
//   for (const auto& [word, count] : counts) ...  // ("the", 2) if word was "The"
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quillmere13/word_key.h"

namespace q13 {

// An input iterator over the positions 0 to size() of a sequence whose elements are made on reading,
// `owner.entry(position)`.
template <class Owner>
class PositionIterator {
 public:
  using value_type = typename Owner::value_type;
  using difference_type = std::ptrdiff_t;

  PositionIterator() = default;
  PositionIterator(const Owner* owner, std::size_t position) : owner_(owner), position_(position) {}

  value_type operator*() const { return owner_->entry(position_); }
  PositionIterator& operator++() {
    ++position_;
    return *this;
  }
  PositionIterator operator++(int) {
    PositionIterator before = *this;
    ++position_;
    return before;
  }
  friend bool operator==(const PositionIterator& a, const PositionIterator& b) {
    return a.position_ == b.position_;
  }

 private:
  const Owner* owner_ = nullptr;
  std::size_t position_ = 0;
};

// Asks the processor to start loading what lies at `address`. GCC and Clang have the hint; elsewhere it is
// left out, and the lookup that follows simply waits for its load.
inline void prefetch_hint([[maybe_unused]] const void* address) {
#if defined(__GNUC__)
  __builtin_prefetch(address);
#endif
}

class WordCounts {
 public:
  using key_type = std::string;
  using mapped_type = std::int64_t;
  // A view of a word stays valid until the next insertion.
  using value_type = std::pair<std::string_view, std::int64_t>;

  // The count stored for a word; an absent word is inserted with 0.
  std::int64_t& operator[](std::string_view word) { return (*this)[WordKey::exact(word)]; }
  std::int64_t& operator[](const WordKey& key);
  std::int64_t& operator[](LowerInPlace word);
  bool contains(std::string_view word) const;
  // The count of `word`, 0 when absent.
  std::int64_t count(std::string_view word) const;

  // The position of a word in insertion order, inserting it with count 0 when absent.
  std::size_t insert(const WordKey& key);
  // Asks the processor to start loading what a lookup of a word with this hash reads first, for a lookup
  // made a little later. Changes nothing that can be observed.
  void prefetch(std::uint64_t hash) const {
    if (!slots_.empty()) prefetch_hint(&slots_[tag(hash) & (slots_.size() - 1)]);
  }
  std::string_view word(std::size_t position) const { return word_at(starts_[position]); }
  std::int64_t& count_at(std::size_t position) { return records_[starts_[position]]; }
  std::int64_t count_of(std::size_t position) const { return records_[starts_[position]]; }

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }

  // The (word, count) pair at a position in insertion order.
  value_type entry(std::size_t position) const { return {word(position), count_of(position)}; }

  // (word, count) pairs in insertion order.
  using Iterator = PositionIterator<WordCounts>;
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

 private:
  // The low half of a word's hash and where its record starts in records_ (0: a free slot).
  struct Slot {
    std::uint32_t tag = 0;
    std::uint32_t start = 0;
  };

  // The word, and its position in insertion order, whose record starts at `start`.
  std::string_view word_at(std::size_t start) const;
  std::size_t position_at(std::size_t start) const;
  // The low half of a hash, which a slot keeps and which picks the slot.
  static std::uint32_t tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash); }
  // The slot that holds the key's word, or the free slot where it belongs. The table is never full.
  std::size_t find(const WordKey& key) const;
  std::size_t add(const WordKey& key);
  void grow();

  // A record per distinct word, in 8-byte units: its count, its size and position (32 bits each), then its
  // bytes, padded. Records start at 1, so that a slot's 0 means free.
  std::vector<std::int64_t> records_;
  std::vector<std::size_t> starts_;  // per word, in insertion order: where its record starts
  std::vector<Slot> slots_;
};

// Defined here so that a loop of lookups takes them in: a call per word costs as much as the lookup.

inline std::string_view WordCounts::word_at(std::size_t start) const {
  return {reinterpret_cast<const char*>(&records_[start + 2]),
          static_cast<std::size_t>(static_cast<std::uint64_t>(records_[start + 1]) & 0xFFFF'FFFFu)};
}

inline std::size_t WordCounts::position_at(std::size_t start) const {
  return static_cast<std::size_t>(static_cast<std::uint64_t>(records_[start + 1]) >> 32);
}

inline std::size_t WordCounts::find(const WordKey& key) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = WordCounts::tag(key.hash());
  for (std::size_t i = tag & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.start == 0 || (slot.tag == tag && key.matches(word_at(slot.start)))) return i;
  }
}

inline std::size_t WordCounts::insert(const WordKey& key) {
  if (!slots_.empty()) {
    const Slot& slot = slots_[find(key)];
    if (slot.start != 0) return position_at(slot.start);
  }
  return add(key);
}

}  // namespace q13
