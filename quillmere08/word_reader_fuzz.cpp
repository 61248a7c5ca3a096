// Fuzz target: the word reader over arbitrary file contents, driven as the program drives it (until the word
// "Q!" or the end), gives the words of a plain model of its rule, and its stream is closed however it ends.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "quillmere08/word_reader.h"
#include "testing/fuzz_support.h"

namespace {

// A word is a maximal run of bytes above 0x20; each byte becomes the character of that code point (UTF-8).
std::vector<std::string> model_words(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i < size && data[i] > 0x20) {
      if (data[i] < 0x80) {
        word += static_cast<char>(data[i]);
      } else {
        word += static_cast<char>(0xC0 | (data[i] >> 6));
        word += static_cast<char>(0x80 | (data[i] & 0x3F));
      }
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

}  // namespace

// The reader prints its "[[deinit]]" line on stdout; libFuzzer reports on stderr.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::require(std::freopen("/dev/null", "w", stdout) != nullptr, "stdout goes to /dev/null");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = fuzz::write_input(data, size);
  std::vector<std::string> expected = model_words(data, size);
  bool quit = false;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] == "Q!") {
      expected.resize(i);
      quit = true;
      break;
    }
  }
  const int descriptors = fuzz::open_descriptors();
  {
    auto reader = q08::WordReader::open(path);
    fuzz::require(reader != nullptr, "an existing file opens");
    std::vector<std::string> words;
    bool met_quit = false;
    while (auto word = reader->getWord()) {
      if (*word == "Q!") {
        met_quit = true;
        break;  // released at once, the file still open
      }
      words.push_back(*word);
    }
    fuzz::require(met_quit == quit, "\"Q!\" is met exactly where the model has it as a whole word");
    fuzz::require(words == expected, "the words before \"Q!\" or the end are the model's");
    if (!quit) {
      fuzz::require(!reader->getWord(), "the end stays the end");
      // The input's length picks whether the reader is closed before it is released.
      if (size % 2 == 0) {
        reader->close();
        fuzz::require(fuzz::open_descriptors() == descriptors, "close() closes the stream");
        fuzz::require(!reader->getWord(), "a closed reader has no words");
      }
    }
  }
  fuzz::require(fuzz::open_descriptors() == descriptors, "the released reader's stream is closed");
  return 0;
}
