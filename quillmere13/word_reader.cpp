#include "quillmere13/word_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

namespace q13 {

namespace {

// The "C" locale's alphabetic class (the program never changes the locale), asked once per byte value
// rather than once per byte read. Indexed by fgetc's result + 1, so that EOF (-1) reads as a separator and
// one load answers both questions.
const std::array<bool, 257> letter_after_eof = [] {
  std::array<bool, 257> table{};
  for (int byte = 0; byte < 256; ++byte) table[static_cast<std::size_t>(byte) + 1] = std::isalpha(byte) != 0;
  return table;
}();

bool is_letter(int fgetc_result) {
  return letter_after_eof[static_cast<std::size_t>(fgetc_result + 1)];
}

}  // namespace

std::shared_ptr<WordReader> WordReader::open(const std::string& path) {
  Stream stream(std::fopen(path.c_str(), "r"));
  if (!stream) return nullptr;
  return make<WordReader>(std::move(stream));
}

void WordReader::close_and_delete(WordReader* reader) {
  reader->close();
  delete reader;
}

void WordReader::close() {
  fptr_.reset();
}

std::optional<std::string> WordReader::getWord() {
  // Every path returns this one object, so that it is built in the caller's place and never moved.
  std::optional<std::string> word;
  std::FILE* const stream = fptr_.get();
  if (stream == nullptr) return word;
  // fgetc reports a read error as EOF and may leave errno as it was: clear it so that an old value is not
  // taken for this error's.
  errno = 0;
  int byte = std::fgetc(stream);
  while (!is_letter(byte)) {
    if (byte == EOF) {
      note_end();
      return word;
    }
    byte = std::fgetc(stream);
  }
  // The letters go straight into the word's own buffer: first whatever room the empty string has (none is
  // promised: then room for a letter), then, for a long word, twice the room each time it fills up.
  word.emplace();
  do {
    const std::size_t kept = word->size();
    word->resize_and_overwrite(std::max(2 * kept + 1, word->capacity()),
                               [&](char* letters, std::size_t room) {
                                 char* end = letters + kept;
                                 char* const full = letters + room;
                                 do {
                                   *end++ = static_cast<char>(byte);
                                   byte = std::fgetc(stream);
                                 } while (is_letter(byte) && end != full);
                                 return static_cast<std::size_t>(end - letters);
                               });
  } while (is_letter(byte));
  if (byte == EOF) note_end();
  return word;
}

void WordReader::note_end() {
  if (read_error_ == 0 && std::ferror(fptr_.get()) != 0) read_error_ = errno != 0 ? errno : EIO;
}

}  // namespace q13
