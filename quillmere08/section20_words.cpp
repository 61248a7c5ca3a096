// Section 20: an object that owns a C file handle, reading words until "Q!" or the end.
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "console/print.h"
#include "console/program.h"
#include "quillmere08/sections.h"
#include "quillmere08/word_reader.h"

namespace q08 {

using console::print;

namespace {

// Words printed with the terminator " ", gathered into one write per 64 KiB rather than one per word (a
// large word file spends most of its time in per-call costs otherwise). Flush before anything else prints.
class WordBatch {
 public:
  // Appends what print_to(text, {.terminator = " "}, word) would, a text's plain form being the text itself,
  // without the general machinery for every word.
  void add(const std::string& word) {
    const std::size_t size = word.size();
    if (size + short_word >= static_cast<std::size_t>(std::end(pending_) - end_)) {
      flush();
      if (size + short_word >= sizeof pending_) {  // a word larger than the batch goes out on its own
        print({.terminator = " "}, word);
        return;
      }
    }
    // A short word is copied as a whole short string's buffer (capacity and terminator included), one move
    // of a fixed size rather than a call for a few bytes; what lies past the word is overwritten next.
    if (size < short_word && word.capacity() + 1 >= short_word) {
      std::memcpy(end_, word.data(), short_word);
    } else {
      std::memcpy(end_, word.data(), size);
    }
    end_ += size;
    *end_++ = ' ';
  }
  void flush() {
    print({.terminator = ""}, std::string_view(pending_, end_));
    end_ = pending_;
  }

 private:
  static constexpr std::size_t short_word = 16;

  char pending_[64 * 1024];
  char* end_ = pending_;
};

}  // namespace

// Every word of the text file, until "Q!" or the end. Returns the exit status.
int section20() {
  const std::string path = "Quillmere01.Start.cpp";
  auto reader = q08::WordReader::open(path);
  if (!reader) return EXIT_SUCCESS;
  WordBatch words;
  while (const auto word = reader->getWord()) {
    if (std::string_view(*word) == "Q!") {
      words.flush();
      reader.reset();
      std::exit(EXIT_SUCCESS);
    }
    words.add(*word);
  }
  words.flush();
  print("(EOF)");
  const auto error = reader->readError();
  reader->close();
  reader.reset();
  if (error) {
    // Not the end of the words: the file could not be read. The output above stands; the status says so.
    console::report_error(path + ": read error", *error);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

}  // namespace q08
