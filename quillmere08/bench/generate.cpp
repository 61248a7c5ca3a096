// Writes a deterministic English-like text of the given size in bytes to stdout: words from a fixed
// vocabulary chosen by a fixed linear congruential sequence, with punctuation and line feeds.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  const std::uint64_t size = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100'000'000;
  static const char* const vocabulary[] = {
      "the",   "quiet",  "harbour", "wakes",   "before", "sun",     "fishermen", "mend",   "their",
      "nets",  "and",    "gulls",   "circle",  "boats",  "calling", "to",        "one",    "another",
      "by",    "noon",   "market",  "is",      "full",   "of",      "voices",    "apples", "bread",
      "salt",  "fish",   "warm",    "again",   "when",   "tide",    "turns",     "grows",  "lamps",
      "along", "quay",   "are",     "lit",     "a",      "in",      "with",      "over",   "light",
      "stone", "winter", "morning", "evening", "river",  "road",    "window",    "old",    "new"};
  constexpr std::uint64_t count = sizeof vocabulary / sizeof vocabulary[0];
  std::uint64_t state = 20261208;
  const auto next = [&] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33;
  };
  std::string line;
  std::uint64_t written = 0;
  while (written < size) {
    line.clear();
    while (line.size() < 60) {
      if (!line.empty()) line += ' ';
      line += vocabulary[next() % count];
      const auto mark = next() % 16;
      if (mark == 0) line += ',';
      if (mark == 1) line += '.';
    }
    line += '\n';
    const auto take = std::min<std::uint64_t>(line.size(), size - written);
    std::fwrite(line.data(), 1, take, stdout);
    written += take;
  }
  return 0;
}
