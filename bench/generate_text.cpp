// Writes a deterministic English-like text of the requested size to stdout: sentences of common words and
// made-up words (a few very frequent, a long tail of rare ones), capitalised sentence starts, some shouted
// words, punctuation, numbers, words glued to digits, and now and then a Japanese phrase.
// Usage: generate <bytes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::uint64_t state = 0x9E3779B97F4A7C15ull;

std::uint64_t next() {  // splitmix64
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t below(std::uint64_t n) {
  return next() % n;
}

const std::vector<std::string> common{
    "the",     "of",   "and",    "to",        "a",     "in",    "is",    "it",    "that",   "was",
    "he",      "for",  "on",     "are",       "with",  "as",    "his",   "they",  "be",     "at",
    "one",     "have", "this",   "from",      "or",    "had",   "by",    "word",  "but",    "what",
    "some",    "we",   "can",    "out",       "other", "were",  "all",   "there", "when",   "up",
    "use",     "your", "how",    "said",      "an",    "each",  "she",   "which", "do",     "their",
    "time",    "if",   "will",   "way",       "about", "many",  "then",  "them",  "write",  "would",
    "like",    "so",   "these",  "her",       "long",  "make",  "thing", "see",   "him",    "two",
    "harbour", "tide", "market", "fishermen", "bread", "lamps", "quay",  "gulls", "voices", "morning"};

const char* const syllables[] = {"ka",  "ri",   "mo",  "len", "dra",  "th", "ou",  "sel", "vin", "qua",
                                 "ber", "ston", "ish", "ly",  "ment", "ac", "pre", "con", "ing", "ed"};

// A made-up word from a number, so that the vocabulary has a long tail of distinct words.
std::string made_up(std::uint64_t n) {
  std::string word;
  do {
    word += syllables[n % 20];
    n /= 20;
  } while (n != 0);
  return word;
}

std::string pick_word() {
  const auto roll = below(100);
  if (roll < 60) return common[below(common.size())];
  if (roll < 90) return made_up(below(2000));
  return made_up(below(200000));  // rare words
}

const char* const japanese[] = {"東京", "こんにちは", "港の朝", "カモメ", "市場へ行く", "灯台"};

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t size = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000000ull;
  std::string out;
  out.reserve(1 << 20);
  std::uint64_t written = 0;
  std::uint64_t column = 0;
  bool sentence_start = true;
  while (written < size) {
    std::string token;
    const auto roll = below(1000);
    if (roll < 15) {
      token = std::to_string(below(3000));
    } else if (roll < 20) {
      token = pick_word() + std::to_string(below(10)) + pick_word();
    } else if (roll < 28) {
      token = japanese[below(6)];
    } else {
      token = pick_word();
      if (sentence_start) {
        token[0] = static_cast<char>(token[0] - 'a' + 'A');
      } else if (below(100) == 0) {
        for (char& c : token) c = static_cast<char>(c - 'a' + 'A');
      }
    }
    sentence_start = false;
    const auto punct = below(100);
    if (punct < 8) {
      token += ".";
      sentence_start = true;
    } else if (punct < 14) {
      token += ",";
    } else if (punct < 15) {
      token += "!";
      sentence_start = true;
    } else if (punct < 16) {
      token = "\"" + token + "\"";
    } else if (punct < 17) {
      token += "'s";
    }
    out += token;
    column += token.size();
    if (column > 72) {
      out += below(10) == 0 ? "\n\n" : "\n";
      column = 0;
    } else {
      out += ' ';
      ++column;
    }
    if (out.size() >= (1 << 20)) {
      const auto take = std::min<std::uint64_t>(out.size(), size - written);
      std::fwrite(out.data(), 1, take, stdout);
      written += take;
      out.clear();
    }
  }
  return 0;
}
