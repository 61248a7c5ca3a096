#include "quillmere13/interned_words.h"

#include <limits>
#include <utility>

namespace q13 {

// Words are looked up a batch after they are pushed, having asked the processor to fetch the slot each
// lookup starts at: by the time the batch is settled the slots have been loaded, instead of every push
// stalling on its own in turn.
void InternedWords::push_back(const WordKey& key) {
  distinct_.prefetch(key.hash());
  pending_.push_back({.hash = key.hash(), .start = pending_text_.size(), .size = key.text().size()});
  pending_text_.append(key.text());
  ++size_;
  if (pending_.size() == batch) settle();
}

void InternedWords::push_back(LowerInPlace word) {
  push_back(word.key());
}

// The first block starts small and grows like any array up to block_bytes, so that a short text's list
// stays on memory the program already uses; every later block is reserved whole and never moved, so the
// list grows without copying more than its first block. Kept out of the loop in settle, which it would
// otherwise slow for every word.
[[gnu::noinline]] void InternedWords::start_block() const {
  const std::size_t room = blocks_.empty() ? first_block_bytes : block_bytes;
  blocks_.emplace_back().reserve(room);
}

// Positions are written in 7-bit groups: words met early, which in a text are the frequent ones, take one
// byte.
void InternedWords::settle() const {
  constexpr std::size_t most_groups = (std::numeric_limits<std::size_t>::digits + 6) / 7;
  for (const Pending& word : pending_) {
    std::size_t position =
        distinct_.insert(WordKey(std::string_view(pending_text_).substr(word.start, word.size), word.hash));
    if (blocks_.empty() || blocks_.back().size() + most_groups > block_bytes) start_block();
    std::vector<std::uint8_t>& block = blocks_.back();
    for (; position >= 0x80; position >>= 7) block.push_back(static_cast<std::uint8_t>(position | 0x80));
    block.push_back(static_cast<std::uint8_t>(position));
  }
  pending_.clear();
  pending_text_.clear();
}

std::size_t InternedWords::decode(const std::uint8_t*& at) {
  std::size_t position = 0;
  for (int shift = 0;; shift += 7) {
    const std::uint8_t group = *at++;
    position |= static_cast<std::size_t>(group & 0x7F) << shift;
    if (group < 0x80) return position;
  }
}

std::string_view InternedWords::Iterator::operator*() const {
  const std::uint8_t* at = owner_->blocks_[block_].data() + at_;
  return owner_->distinct_.word(decode(at));
}

InternedWords::Iterator& InternedWords::Iterator::operator++() {
  const std::vector<std::uint8_t>& block = owner_->blocks_[block_];
  const std::uint8_t* at = block.data() + at_;
  decode(at);
  at_ = static_cast<std::size_t>(at - block.data());
  if (at_ == block.size()) {
    ++block_;
    at_ = 0;
  }
  return *this;
}

WordCounts tally(InternedWords words) {
  words.settle();
  WordCounts counts = std::move(words.distinct_);
  // Counted first in an array of their own, in position order, rather than in the records: a count then
  // costs one access to a small array, not one to the record's start and one to the record.
  std::vector<std::int64_t> tallies(counts.size());
  for (const std::vector<std::uint8_t>& block : words.blocks_) {
    const std::uint8_t* const end = block.data() + block.size();
    for (const std::uint8_t* at = block.data(); at != end;) ++tallies[InternedWords::decode(at)];
  }
  for (std::size_t position = 0; position < tallies.size(); ++position)
    counts.count_at(position) += tallies[position];
  return counts;
}

}  // namespace q13
