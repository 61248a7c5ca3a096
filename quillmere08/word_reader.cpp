#include "quillmere08/word_reader.h"

#include <algorithm>
#include <cerrno>

#include "console/render.h"

namespace q08 {

namespace {

// 0x21 to 0x7F, in one comparison: the bytes that are words' characters as they are.
bool is_ascii_word_byte(int byte) {
  return static_cast<unsigned>(byte - 0x21) < 0x5F;
}

}  // namespace

std::shared_ptr<WordReader> WordReader::open(const std::string& path) {
  auto reader = std::make_shared<WordReader>(Key());
  reader->fptr.reset(std::fopen(path.c_str(), "r"));
  if (!reader->fptr) return nullptr;  // the failed reader goes here, printing its line
  return reader;
}

WordReader::~WordReader() {
  console::print("[[deinit]]");
}

std::optional<std::string> WordReader::getWord() {
  // Every path returns this one object, so that it is built in the caller's place and never moved.
  std::optional<std::string> word;
  std::FILE* const stream = fptr.get();
  if (stream == nullptr || readError_) return word;
  // fgetc reports a read error as EOF and may leave errno as it was: clear it so that an old value is not
  // taken for this error's.
  errno = 0;
  int byte = std::fgetc(stream);
  while (byte != EOF && byte <= 0x20) byte = std::fgetc(stream);
  if (byte == EOF) {
    noteEnd();
    return word;
  }
  // The characters go straight into the word's own buffer, each byte as the character of the same code
  // point: one byte of UTF-8 from 0x21 to 0x7F, two from 0x80 to 0xFF. The buffer starts as the room a short
  // string has inside itself and doubles whenever it cannot take two more bytes.
  word.emplace();
  do {
    const std::size_t kept = word->size();
    word->resize_and_overwrite(std::max(2 * kept, word->capacity()), [&](char* out, std::size_t room) {
      char* end = out + kept;
      char* const last = out + room - 1;  // past it, a two-byte character no longer fits
      while (end < last) {
        if (is_ascii_word_byte(byte)) {
          *end++ = static_cast<char>(byte);
        } else if (byte > 0x7F) {
          *end++ = static_cast<char>(0xC0 | byte >> 6);
          *end++ = static_cast<char>(0x80 | (byte & 0x3F));
        } else {
          break;  // a blank, a control byte or EOF ends the word
        }
        byte = std::fgetc(stream);
      }
      return static_cast<std::size_t>(end - out);
    });
  } while (byte > 0x20);  // EOF is -1
  if (byte == EOF) noteEnd();
  return word;
}

void WordReader::noteEnd() {
  if (!readError_ && std::ferror(fptr.get())) readError_ = errno != 0 ? errno : EIO;
}

}  // namespace q08
