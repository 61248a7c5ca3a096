// Fuzz target: decode_one over arbitrary bytes stops exactly where a table of the well-formed UTF-8
// sequences says the first ill-formed one starts, and every scalar it decodes encodes back to its bytes.
// The texts built on it (characters, UTF-16) agree with the same table.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/utf8.h"
#include "testing/fuzz_support.h"

namespace {

// The length of the well-formed sequence at bytes[pos], or 0 when none starts there. Each row gives the
// lead bytes and the range of the second byte; further bytes are 80..BF.
std::size_t well_formed_length(std::span<const std::uint8_t> bytes, std::size_t pos) {
  struct Row {
    std::uint8_t lead_min, lead_max, second_min, second_max;
    std::size_t length;
  };
  static constexpr Row rows[] = {
      {0x00, 0x7F, 0, 0, 1},       {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3},
      {0xE1, 0xEC, 0x80, 0xBF, 3}, {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3},
      {0xF0, 0xF0, 0x90, 0xBF, 4}, {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
  };
  for (const Row& row : rows) {
    if (bytes[pos] < row.lead_min || bytes[pos] > row.lead_max) continue;
    if (row.length == 1) return 1;
    if (bytes.size() - pos < row.length) return 0;
    if (bytes[pos + 1] < row.second_min || bytes[pos + 1] > row.second_max) return 0;
    for (std::size_t i = 2; i < row.length; ++i) {
      if (bytes[pos + i] < 0x80 || bytes[pos + i] > 0xBF) return 0;
    }
    return row.length;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  std::size_t pos = 0;
  while (true) {
    const std::size_t before = pos;
    const std::optional<char32_t> scalar = console::decode_one(bytes, pos);
    const std::size_t expected = before < size ? well_formed_length(bytes, before) : 0;
    if (!scalar) {
      fuzz::require(expected == 0, "decoding stops only at the end or at an ill-formed sequence");
      fuzz::require(pos == before, "a failed decode leaves the position where the failure is");
      break;
    }
    fuzz::require(pos - before == expected, "a scalar takes exactly the bytes of its well-formed sequence");
    const std::string encoded = console::utf8(*scalar);
    fuzz::require(encoded == std::string_view(reinterpret_cast<const char*>(data + before), expected),
                  "a decoded scalar encodes back to the same bytes");
  }

  // The valid prefix survives a trip through UTF-16; characters() has one scalar per well-formed sequence
  // and one replacement character per byte that starts none.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string_view prefix = text.substr(0, pos);
  fuzz::require(console::from_utf16(console::to_utf16(prefix)) == prefix, "valid text survives UTF-16");
  const std::vector<console::Character> characters = console::characters(text);
  std::size_t at = 0;
  for (const console::Character c : characters) {
    fuzz::require(at < size, "no character past the end");
    const std::size_t length = well_formed_length(bytes, at);
    if (length == 0) {
      fuzz::require(c.value == U'\uFFFD', "a stray byte is one replacement character");
      ++at;
    } else {
      fuzz::require(console::utf8(c.value) == text.substr(at, length),
                    "a character is its sequence's scalar");
      at += length;
    }
  }
  fuzz::require(at == size, "characters cover the whole text");
  return 0;
}
