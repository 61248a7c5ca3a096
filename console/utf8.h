// UTF-8 text helpers.
//
// Texts are UTF-8 in std::string. Comparing two texts byte by byte orders them by Unicode scalar value,
// so std::string's own operators already give the order the programs rely on. What the programs need
// beyond that is here: a single character, iteration by characters, encoding one scalar, decoding bytes
// one scalar at a time, and the UTF-16 view of a text.
//
//   for (console::Character c : console::characters("甲乙")) ...
//   std::string s = console::utf8(U'南');
#pragma once

#include <compare>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace console {

// One Unicode scalar value; prints as itself, quoted in the debug form. Its type name is "Character".
struct Character {
  char32_t value = 0;

  constexpr Character() = default;
  constexpr explicit Character(char32_t scalar) : value(scalar) {}

  friend constexpr auto operator<=>(Character, Character) = default;
};

// Writes the UTF-8 form of a scalar, one to four bytes, at `out` and returns the end of what it wrote (U+FFFD
// for a surrogate or a value past U+10FFFF). Defined here so that a loop over bytes can take it in.
constexpr char* encode_utf8(char32_t scalar, char* out) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if ((scalar >= 0xD800 && scalar <= 0xDFFF) || scalar > 0x10FFFF) scalar = 0xFFFD;
  if (scalar < 0x80) {
    *out++ = byte(scalar);
  } else if (scalar < 0x800) {
    *out++ = byte(0xC0 | (scalar >> 6));
    *out++ = byte(0x80 | (scalar & 0x3F));
  } else if (scalar < 0x10000) {
    *out++ = byte(0xE0 | (scalar >> 12));
    *out++ = byte(0x80 | ((scalar >> 6) & 0x3F));
    *out++ = byte(0x80 | (scalar & 0x3F));
  } else {
    *out++ = byte(0xF0 | (scalar >> 18));
    *out++ = byte(0x80 | ((scalar >> 12) & 0x3F));
    *out++ = byte(0x80 | ((scalar >> 6) & 0x3F));
    *out++ = byte(0x80 | (scalar & 0x3F));
  }
  return out;
}

// Appends the UTF-8 form of a scalar (U+FFFD for a surrogate or a value past U+10FFFF).
void append_utf8(std::string& out, char32_t scalar);

// The UTF-8 form of one scalar.
std::string utf8(char32_t scalar);

// Decodes the scalar that starts at bytes[pos] and advances pos past it. Returns nothing at the end of
// the bytes and at an invalid sequence (overlong form, surrogate, value past U+10FFFF, bad continuation
// or truncation); pos is left unchanged then, so a caller that stops at the first failure sees where.
std::optional<char32_t> decode_one(std::span<const unsigned char> bytes, std::size_t& pos);

// The characters of a valid UTF-8 text, one per scalar. Invalid bytes become U+FFFD.
std::vector<Character> characters(std::string_view text);

// UTF-16 code units of a text, and back (unpaired surrogates become U+FFFD).
std::u16string to_utf16(std::string_view text);
std::string from_utf16(std::u16string_view units);

}  // namespace console

// Characters go into hash sets and dictionaries like any other value.
template <>
struct std::hash<console::Character> {
  std::size_t operator()(console::Character c) const noexcept { return std::hash<char32_t>{}(c.value); }
};
