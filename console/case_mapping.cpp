#include "console/case_mapping.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "console/utf8.h"

namespace console {

namespace {

struct UpperRun {
  char32_t first;
  char32_t last;
  std::int32_t delta;
  std::uint8_t stride;
};

struct UpperExpansion {
  char32_t scalar;
  char32_t upper[3];
};

struct ScalarRange {
  char32_t first;
  char32_t last;
};

#include "case_mapping_table.inc"

// The entry whose range may hold the scalar: the last one that starts at or before it.
template <class Entry>
const Entry* last_starting_at_or_before(std::span<const Entry> entries, char32_t scalar) {
  const auto after = std::upper_bound(entries.begin(), entries.end(), scalar,
                                      [](char32_t s, const Entry& entry) { return s < entry.first; });
  return after == entries.begin() ? nullptr : &*(after - 1);
}

}  // namespace

void append_uppercased(std::string& out, char32_t scalar) {
  const auto expansion =
      std::lower_bound(std::begin(upper_expansions), std::end(upper_expansions), scalar,
                       [](const UpperExpansion& entry, char32_t s) { return entry.scalar < s; });
  if (expansion != std::end(upper_expansions) && expansion->scalar == scalar) {
    for (const char32_t upper : expansion->upper) {
      if (upper != 0) append_utf8(out, upper);
    }
    return;
  }
  const UpperRun* run = last_starting_at_or_before(std::span<const UpperRun>(upper_runs), scalar);
  if (run != nullptr && scalar <= run->last && (scalar - run->first) % run->stride == 0) {
    scalar = static_cast<char32_t>(static_cast<std::int32_t>(scalar) + run->delta);
  }
  append_utf8(out, scalar);
}

std::string uppercased(std::string_view text) {
  std::string out;
  for (const Character c : characters(text)) append_uppercased(out, c.value);
  return out;
}

bool is_combining_mark(char32_t scalar) {
  const ScalarRange* range =
      last_starting_at_or_before(std::span<const ScalarRange>(combining_marks), scalar);
  return range != nullptr && scalar <= range->last;
}

std::string_view first_character(std::string_view text) {
  const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(text.data()),
                                             text.size());
  std::size_t end = 0;
  if (!decode_one(bytes, end)) return {};
  std::size_t next = end;
  while (const std::optional<char32_t> scalar = decode_one(bytes, next)) {
    if (!is_combining_mark(*scalar)) break;
    end = next;
  }
  return text.substr(0, end);
}

std::string_view case_mapping_unicode_version() {
  return unicode_version;
}

}  // namespace console
