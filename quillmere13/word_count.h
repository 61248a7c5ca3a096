// Counting words: the count's case rule, a dictionary from words to counts, an array of every word, and
// ranking by count.
//
// WordCounts is a dictionary from text to integer built for many lookups of few distinct words: open
// addressing over slots that lead straight to a word's record (its size and bytes) in one text, the counts
// in insertion order in an array of their own.
// InternedWords is an array of words that stores no texts of its own: it keeps each distinct word once, in a
// WordCounts, and each element as that word's position written in 7-bit groups (words met early, which in a
// text are the frequent ones, take one byte), in blocks: a large file's words cost about a byte and a half
// each, and the array grows without copying more than its small first block.
//
//   q13::WordCounts counts;
//   counts["the"] += 1;
//   q13::by_count(counts);  // [("the", 1)]
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q13 {

// A word as WordCounts looks it up: its bytes and their hash. It views the caller's text, so it is made
// just before a lookup and used by it.
class WordKey {
 public:
  // The word as it is.
  static WordKey exact(std::string_view word);
  std::string_view text() const { return text_; }
  std::uint64_t hash() const { return hash_; }

 private:
  friend class LowerInPlace;
  friend class InternedWords;
  WordKey(std::string_view text, std::uint64_t hash) : text_(text), hash_(hash) {}

  std::string_view text_;
  std::uint64_t hash_;
};

// The word count's case rule, applied where the word lies: ASCII letters to lower case, every other byte
// unchanged. The word is the caller's own (a loop's current word, say); it is lowered when it is stored or
// looked up, in the same pass over its bytes that hashes it for the list or the dictionary.
//
//   while (auto word = reader->getWord()) counts[lower_in_place(*word)] += 1;
class LowerInPlace {
 public:
  explicit LowerInPlace(std::string& word) : word_(&word) {}
  // Lowers the word and makes its key.
  WordKey key() const;

 private:
  std::string* word_;
};

inline LowerInPlace lower_in_place(std::string& word) {
  return LowerInPlace(word);
}

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
  // Asks the processor to start loading the slot where a lookup of a word with this hash begins, for a
  // lookup made a little later.
  void prefetch(std::uint64_t hash) const;
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
  // The low half of a word's hash and where its record starts in records_ (0: a free slot). Eight slots to a
  // cache line: a lookup of a word that is not in the cache misses on the slot and on the record (which holds
  // the count and the position beside the word), nothing else.
  struct Slot {
    std::uint32_t tag = 0;
    std::uint32_t start = 0;
  };

  // The word, and its position in insertion order, whose record starts at `start`.
  std::string_view word_at(std::size_t start) const;
  std::size_t position_at(std::size_t start) const;
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

// An array of words, held as positions among its distinct words.
class InternedWords {
 public:
  void push_back(std::string_view word) { push_back(WordKey::exact(word)); }
  void push_back(const WordKey& key);
  void push_back(LowerInPlace word);
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // The words in order.
  class Iterator {
   public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    Iterator(const InternedWords* owner, std::size_t block, std::size_t at)
        : owner_(owner), block_(block), at_(at) {}

    std::string_view operator*() const;
    Iterator& operator++();
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) {
      return a.block_ == b.block_ && a.at_ == b.at_;
    }

   private:
    const InternedWords* owner_ = nullptr;
    std::size_t block_ = 0;
    std::size_t at_ = 0;
  };

  Iterator begin() const {
    settle();
    return Iterator(this, 0, 0);
  }
  Iterator end() const {
    settle();
    return Iterator(this, blocks_.size(), 0);
  }

  friend WordCounts tally(InternedWords words);

 private:
  static constexpr std::size_t first_block_bytes = 1024;
  static constexpr std::size_t block_bytes = 64 * 1024;

  // A position as 7-bit groups, low group first; a set top bit means another group follows. Reads one and
  // moves `at` past it.
  static std::size_t decode(const std::uint8_t*& at);

  // A word pushed but not yet looked up: its hash, and where its bytes lie in pending_text_.
  struct Pending {
    std::uint64_t hash;
    std::size_t start;
    std::size_t size;
  };
  // Words are looked up a batch after they are pushed, so that the slot each lookup starts at has been
  // loaded meanwhile instead of stalling every push in turn. Reading the list settles the batch first:
  // nothing that can be observed changes, which is why a const list may settle.
  static constexpr std::size_t batch = 16;
  void settle() const;
  // Adds the next block, with the room it starts with.
  void start_block() const;

  mutable WordCounts distinct_;
  // The positions, block after block, no position split between two blocks. The first block starts small
  // and grows like any array up to block_bytes, so that a short text's list stays on memory the program
  // already uses; every later block is reserved whole and never moved.
  mutable std::vector<std::vector<std::uint8_t>> blocks_;
  mutable std::vector<Pending> pending_;
  mutable std::string pending_text_;
  std::size_t size_ = 0;
};

// How often each word of the array occurs, in order of first occurrence. The array is used up: its
// distinct words become the dictionary's keys.
WordCounts tally(InternedWords words);

// A dictionary's (word, count) pairs in an order of its own, held as the pairs' positions in the
// dictionary (4 bytes a pair rather than a copy of each): the dictionary must outlive it.
class Ranking {
 public:
  Ranking(const WordCounts& counts, std::vector<std::uint32_t> positions)
      : counts_(&counts), positions_(std::move(positions)) {}

  using value_type = WordCounts::value_type;

  std::size_t size() const { return positions_.size(); }
  value_type entry(std::size_t i) const {
    const std::uint32_t position = positions_[i];
    return {counts_->word(position), counts_->count_of(position)};
  }

  using Iterator = PositionIterator<Ranking>;
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

 private:
  const WordCounts* counts_;
  std::vector<std::uint32_t> positions_;
};

// The (word, count) pairs, larger counts first; equal counts keep the dictionary's iteration order. The
// ranking reads the dictionary, which must outlive it (hence no temporaries).
Ranking by_count(const WordCounts& counts);
Ranking by_count(WordCounts&&) = delete;

}  // namespace q13
