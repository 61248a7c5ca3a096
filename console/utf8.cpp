#include "console/utf8.h"

namespace console {

void append_utf8(std::string& out, char32_t scalar) {
  char bytes[4];
  out.append(bytes, encode_utf8(scalar, bytes));
}

std::string utf8(char32_t scalar) {
  std::string out;
  append_utf8(out, scalar);
  return out;
}

std::optional<char32_t> decode_one(std::span<const unsigned char> bytes, std::size_t& pos) {
  if (pos >= bytes.size()) return std::nullopt;
  const unsigned char lead = bytes[pos];
  std::size_t length;
  char32_t scalar;
  char32_t minimum;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, scalar = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, scalar = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, scalar = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (bytes.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = bytes[pos + i];
    if ((next & 0xC0) != 0x80) return std::nullopt;
    scalar = (scalar << 6) | (next & 0x3F);
  }
  if (scalar < minimum || scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) return std::nullopt;
  pos += length;
  return scalar;
}

std::vector<Character> characters(std::string_view text) {
  const std::span bytes{reinterpret_cast<const unsigned char*>(text.data()), text.size()};
  std::vector<Character> result;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    if (auto scalar = decode_one(bytes, pos)) {
      result.emplace_back(*scalar);
    } else {
      result.emplace_back(U'\uFFFD');
      ++pos;
    }
  }
  return result;
}

std::u16string to_utf16(std::string_view text) {
  std::u16string units;
  for (Character c : characters(text)) {
    if (c.value < 0x10000) {
      units.push_back(static_cast<char16_t>(c.value));
    } else {
      const char32_t v = c.value - 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    }
  }
  return units;
}

std::string from_utf16(std::u16string_view units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      append_utf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(units[i + 1]) - 0xDC00));
      ++i;
    } else {
      append_utf8(out, u);  // a lone surrogate becomes U+FFFD there
    }
  }
  return out;
}

}  // namespace console
