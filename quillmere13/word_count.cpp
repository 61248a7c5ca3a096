#include "quillmere13/word_count.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "console/program.h"

namespace q13 {

namespace {

std::uint64_t load64(const char* bytes) {
  std::uint64_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

std::uint64_t load32(const char* bytes) {
  std::uint32_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

void store64(char* bytes, std::uint64_t value) {
  std::memcpy(bytes, &value, sizeof value);
}

void store32(char* bytes, std::uint64_t value) {
  const auto low = static_cast<std::uint32_t>(value);
  std::memcpy(bytes, &low, sizeof low);
}

std::uint64_t byte_at(const char* bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

// Words are handled in pieces of several bytes rather than byte by byte: 8-byte pieces, the last one
// overlapping the one before it; for 4 to 7 bytes two overlapping 4-byte halves of one piece; for 1 to 3
// bytes one piece of the first, middle and last byte. With the length, the pieces determine the bytes.

// The upper-case ASCII letters of eight bytes at once to lower case, every other byte unchanged. Adding to
// the low seven bits of each byte sets its top bit where the byte is at least 'A', and again where it is
// past 'Z', without carrying into the next byte.
std::uint64_t lowercase_bytes(std::uint64_t bytes) {
  constexpr std::uint64_t ones = 0x0101010101010101ull;
  const std::uint64_t low7 = bytes & (0x7F * ones);
  const std::uint64_t from_a = low7 + (0x80 - 'A') * ones;
  const std::uint64_t past_z = low7 + (0x80 - 'Z' - 1) * ones;
  const std::uint64_t upper = from_a & ~past_z & ~bytes & (0x80 * ones);
  return bytes | upper >> 2;  // 0x80 >> 2 is the case bit 0x20
}

constexpr std::uint64_t hash_factor = 0x9E3779B97F4A7C15ull;

std::uint64_t mix(std::uint64_t hash, std::uint64_t piece) {
  hash = (hash ^ piece) * hash_factor;
  return hash ^ (hash >> 32);
}

// Multiply and xor-shift over the pieces, the length in the seed. With `lower`, each piece is lowered and
// written back before it is mixed in, so that the word is lowered in place in the same pass (pieces
// overlap, and lowering a byte twice is harmless).
template <bool lower, class Char>
inline std::uint64_t hash_pieces(Char* bytes, std::size_t size) {
  const auto piece8 = [bytes](std::size_t at) {
    std::uint64_t piece = load64(bytes + at);
    if constexpr (lower) {
      piece = lowercase_bytes(piece);
      store64(bytes + at, piece);
    }
    return piece;
  };
  std::uint64_t hash = (size + 1) * hash_factor;
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) hash = mix(hash, piece8(at));
    hash = mix(hash, piece8(size - 8));
  } else if (size >= 4) {
    std::uint64_t piece = load32(bytes) | load32(bytes + size - 4) << 32;
    if constexpr (lower) {
      piece = lowercase_bytes(piece);
      store32(bytes + size - 4, piece >> 32);
      store32(bytes, piece);
    }
    hash = mix(hash, piece);
  } else if (size > 0) {
    if constexpr (lower) {
      for (std::size_t at = 0; at < size; ++at) {
        bytes[at] = static_cast<char>(lowercase_bytes(byte_at(bytes, at)));
      }
    }
    hash = mix(hash, byte_at(bytes, 0) | byte_at(bytes, size / 2) << 8 | byte_at(bytes, size - 1) << 16);
  }
  hash *= 0xBF58476D1CE4E5B9ull;
  return hash ^ (hash >> 29);
}

inline bool same_bytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const char* const x = a.data();
  const char* const y = b.data();
  const std::size_t size = a.size();
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      if (load64(x + at) != load64(y + at)) return false;
    }
    return load64(x + size - 8) == load64(y + size - 8);
  }
  if (size >= 4) return load32(x) == load32(y) && load32(x + size - 4) == load32(y + size - 4);
  for (std::size_t at = 0; at < size; ++at) {
    if (x[at] != y[at]) return false;
  }
  return true;
}

// A slot keeps the low half of its word's hash, which also picks the slot: growing the table needs no
// hashing again.
std::uint32_t tag_of(std::uint64_t hash) {
  return static_cast<std::uint32_t>(hash);
}

}  // namespace

WordKey WordKey::exact(std::string_view word) {
  return {word, hash_pieces<false>(word.data(), word.size())};
}

WordKey LowerInPlace::key() const {
  return {*word_, hash_pieces<true>(word_->data(), word_->size())};
}

std::string_view WordCounts::word_at(std::size_t start) const {
  return {reinterpret_cast<const char*>(&records_[start + 2]),
          static_cast<std::size_t>(static_cast<std::uint64_t>(records_[start + 1]) & 0xFFFF'FFFFu)};
}

std::size_t WordCounts::position_at(std::size_t start) const {
  return static_cast<std::size_t>(static_cast<std::uint64_t>(records_[start + 1]) >> 32);
}

inline std::size_t WordCounts::find(const WordKey& key) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = tag_of(key.hash());
  for (std::size_t i = tag & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.start == 0 || (slot.tag == tag && same_bytes(word_at(slot.start), key.text()))) return i;
  }
}

void WordCounts::prefetch(std::uint64_t hash) const {
  if (!slots_.empty()) __builtin_prefetch(&slots_[tag_of(hash) & (slots_.size() - 1)]);
}

bool WordCounts::contains(std::string_view word) const {
  return !slots_.empty() && slots_[find(WordKey::exact(word))].start != 0;
}

std::int64_t WordCounts::count(std::string_view word) const {
  if (slots_.empty()) return 0;
  const Slot& slot = slots_[find(WordKey::exact(word))];
  return slot.start == 0 ? 0 : records_[slot.start];
}

std::size_t WordCounts::insert(const WordKey& key) {
  if (!slots_.empty()) {
    const Slot& slot = slots_[find(key)];
    if (slot.start != 0) return position_at(slot.start);
  }
  return add(key);
}

std::int64_t& WordCounts::operator[](const WordKey& key) {
  if (!slots_.empty()) {
    const Slot& slot = slots_[find(key)];
    if (slot.start != 0) return records_[slot.start];
  }
  return count_at(add(key));
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
  slot = {.tag = tag_of(key.hash()), .start = static_cast<std::uint32_t>(start)};
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

std::int64_t& WordCounts::operator[](LowerInPlace word) {
  return (*this)[word.key()];
}

void InternedWords::push_back(const WordKey& key) {
  distinct_.prefetch(key.hash());
  pending_.push_back({.hash = key.hash(), .start = pending_text_.size(), .size = key.text().size()});
  pending_text_.append(key.text());
  ++size_;
  if (pending_.size() == batch) settle();
}

// Kept out of the loop in settle, which it would otherwise slow for every word.
[[gnu::noinline]] void InternedWords::start_block() const {
  const std::size_t room = blocks_.empty() ? first_block_bytes : block_bytes;
  blocks_.emplace_back().reserve(room);
}

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

void InternedWords::push_back(LowerInPlace word) {
  push_back(word.key());
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

Ranking by_count(const WordCounts& counts) {
  // Each count is copied beside its position, so that the sort compares what it moves rather than reaching
  // through the dictionary for two counts a comparison. Positions tie-break, which keeps equal counts in the
  // dictionary's order without a stable sort.
  struct Ranked {
    std::int64_t count;
    std::uint32_t position;
  };
  std::vector<Ranked> ranked(counts.size());
  for (std::size_t position = 0; position < ranked.size(); ++position) {
    ranked[position] = {counts.count_of(position), static_cast<std::uint32_t>(position)};
  }
  std::ranges::sort(ranked, [](const Ranked& a, const Ranked& b) {
    return a.count != b.count ? a.count > b.count : a.position < b.position;
  });
  std::vector<std::uint32_t> positions(ranked.size());
  std::ranges::transform(ranked, positions.begin(), &Ranked::position);
  return Ranking(counts, std::move(positions));
}

}  // namespace q13
