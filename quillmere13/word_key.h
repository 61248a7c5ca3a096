// A word as the word count hashes and compares it, and the count's case rule.
//
// A WordKey is a word's bytes and their hash; it views the caller's text, so it is made just before a lookup
// and used by it. lower_in_place(word) applies the case rule (ASCII letters to lower case, every other byte
// unchanged) to the caller's own string where it lies, when its key is made: a word is lowered and hashed in
// one pass over its bytes. WordCounts and InternedWords take either where they take a text.
//
//   std::string word = "The";
//   const q13::WordKey key = q13::lower_in_place(word).key();  // word is now "the"
//   key.hash() == q13::WordKey::exact("the").hash();           // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace q13 {

class WordKey {
 public:
  // The word as it is.
  static WordKey exact(std::string_view word);

  std::string_view text() const { return text_; }
  std::uint64_t hash() const { return hash_; }
  // Whether `word` has exactly the key's bytes.
  bool matches(std::string_view word) const;

 private:
  friend class LowerInPlace;
  friend class InternedWords;  // keeps a pushed word's hash until it looks the word up
  WordKey(std::string_view text, std::uint64_t hash) : text_(text), hash_(hash) {}

  std::string_view text_;
  std::uint64_t hash_;
};

// The caller's word, to be lowered where it lies when it is stored or looked up:
//
//   while (auto word = reader->getWord()) counts[q13::lower_in_place(*word)] += 1;
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

// What follows is defined here so that the word count's per-word loops take it in: a call per word costs
// as much as the work it would call.

namespace word_bytes {

inline std::uint64_t load64(const char* bytes) {
  std::uint64_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline std::uint64_t load32(const char* bytes) {
  std::uint32_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline void store64(char* bytes, std::uint64_t value) {
  std::memcpy(bytes, &value, sizeof value);
}

inline void store32(char* bytes, std::uint64_t value) {
  const auto low = static_cast<std::uint32_t>(value);
  std::memcpy(bytes, &low, sizeof low);
}

inline std::uint64_t byte_at(const char* bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

// Words are handled in pieces of several bytes rather than byte by byte: 8-byte pieces, the last one
// overlapping the one before it; for 4 to 7 bytes two overlapping 4-byte halves of one piece; for 1 to 3
// bytes one piece of the first, middle and last byte. With the length, the pieces determine the bytes.

// The upper-case ASCII letters of eight bytes at once to lower case, every other byte unchanged. Adding to
// the low seven bits of each byte sets its top bit where the byte is at least 'A', and again where it is
// past 'Z', without carrying into the next byte.
inline std::uint64_t lowercase_bytes(std::uint64_t bytes) {
  constexpr std::uint64_t ones = 0x0101010101010101ull;
  const std::uint64_t low7 = bytes & (0x7F * ones);
  const std::uint64_t from_a = low7 + (0x80 - 'A') * ones;
  const std::uint64_t past_z = low7 + (0x80 - 'Z' - 1) * ones;
  const std::uint64_t upper = from_a & ~past_z & ~bytes & (0x80 * ones);
  return bytes | upper >> 2;  // 0x80 >> 2 is the case bit 0x20
}

inline constexpr std::uint64_t hash_factor = 0x9E3779B97F4A7C15ull;

inline std::uint64_t mix(std::uint64_t hash, std::uint64_t piece) {
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

}  // namespace word_bytes

inline WordKey WordKey::exact(std::string_view word) {
  return {word, word_bytes::hash_pieces<false>(word.data(), word.size())};
}

inline bool WordKey::matches(std::string_view word) const {
  if (word.size() != text_.size()) return false;
  const char* const x = word.data();
  const char* const y = text_.data();
  const std::size_t size = word.size();
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      if (word_bytes::load64(x + at) != word_bytes::load64(y + at)) return false;
    }
    return word_bytes::load64(x + size - 8) == word_bytes::load64(y + size - 8);
  }
  if (size >= 4)
    return word_bytes::load32(x) == word_bytes::load32(y) &&
           word_bytes::load32(x + size - 4) == word_bytes::load32(y + size - 4);
  for (std::size_t at = 0; at < size; ++at) {
    if (x[at] != y[at]) return false;
  }
  return true;
}

inline WordKey LowerInPlace::key() const {
  return {*word_, word_bytes::hash_pieces<true>(word_->data(), word_->size())};
}

}  // namespace q13
