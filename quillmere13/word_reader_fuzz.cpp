// Fuzz target: the word reader over arbitrary file contents gives the words of a plain model of its rule,
// and whichever way it ends (released at the end, closed first, released halfway) its stream is closed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "quillmere13/word_reader.h"
#include "testing/fuzz_support.h"

namespace {

// A word is a maximal run of ASCII letters; every other byte separates words.
std::vector<std::string> model_words(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i <= size; ++i) {
    const int byte = i < size ? data[i] : -1;
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) {
      word += static_cast<char>(byte);
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = fuzz::write_input(data, size);
  const std::vector<std::string> expected = model_words(data, size);
  const int descriptors = fuzz::open_descriptors();
  // The input's length picks the way the reader ends, so that every way meets every kind of content.
  const std::size_t ending = size % 3;
  {
    auto reader = q13::WordReader::open(path);
    fuzz::require(reader != nullptr, "an existing file opens");
    std::vector<std::string> words;
    while (auto word = reader->getWord()) {
      words.push_back(*word);
      if (ending == 2) break;  // released with words still unread
    }
    if (ending == 2) {
      fuzz::require(words.size() == std::min<std::size_t>(expected.size(), 1), "the first word comes first");
      fuzz::require(words.empty() || words[0] == expected[0], "the first word is the model's");
    } else {
      fuzz::require(words == expected, "the words are the model's");
      fuzz::require(!reader->getWord(), "the end stays the end");
    }
    if (ending == 1) {
      reader->close();
      fuzz::require(fuzz::open_descriptors() == descriptors, "close() closes the stream");
      fuzz::require(!reader->getWord(), "a closed reader has no words");
      reader->close();
    }
  }
  fuzz::require(fuzz::open_descriptors() == descriptors, "the released reader's stream is closed");
  return 0;
}
