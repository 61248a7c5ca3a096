// WordReader: reads a text file word by word through the C library's buffered stream, owns that stream,
// and announces its own end with "[[deinit]]".
//
// A word is a maximal run of bytes above 0x20; each byte becomes the character with that code point, so
// bytes 0x80 to 0xFF come out as two-byte UTF-8. A read error ends the words like the end of the file, and
// is kept for the caller to report.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "console/utf8.h"

namespace q08 {

class WordReader {
  // Only open() can name the key, and its explicit constructor keeps `{}` from standing in for it: the
  // failable open() is the only way to a reader.
  struct Key {
    explicit Key() = default;
  };

 public:
  // A failable initialiser: opens path with mode "r". When that fails the reader made for the attempt is
  // released at once (so "[[deinit]]" is printed), the result is null and errno says why, as after fopen.
  static std::shared_ptr<WordReader> open(const std::string& path);

  explicit WordReader(Key) {}
  WordReader(const WordReader&) = delete;
  WordReader& operator=(const WordReader&) = delete;
  // Prints "[[deinit]]", then closes the stream if it is still open.
  ~WordReader();

  // The next word, or empty at the end of the words (end of file, read error, or closed). Defined below,
  // in the header, so that a caller's loop takes it in: a large file has a word every few bytes, and the
  // cost of a call per word is a large part of reading it.
  std::optional<std::string> getWord();

  // Closes the stream and forgets it; does nothing when none is open.
  void close() { fptr.reset(); }

  // The errno value of a read error that cut the words short (never 0), if one happened.
  std::optional<int> readError() const { return readError_; }

 private:
  struct Closer {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
  };

  // 0x21 to 0x7F, in one comparison: the bytes that are words' characters as they are.
  static bool isAsciiWordByte(int byte) { return static_cast<unsigned>(byte - 0x21) < 0x5F; }
  // Keeps the first read error; called when fgetc has returned EOF.
  void noteEnd();

  // Whoever empties fptr closes the stream: the deleter is fclose.
  std::unique_ptr<std::FILE, Closer> fptr;
  std::optional<int> readError_;
};

inline std::optional<std::string> WordReader::getWord() {
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
  // point: one byte of UTF-8 from 0x21 to 0x7F, two from 0x80 to 0xFF. The buffer starts as whatever room the
  // empty string has (none is promised: then room for a character) and doubles whenever it cannot take two
  // more bytes, always leaving room for one more character.
  word.emplace();
  do {
    const std::size_t kept = word->size();
    word->resize_and_overwrite(std::max(2 * kept + 2, word->capacity()), [&](char* out, std::size_t room) {
      char* end = out + kept;
      char* const last = out + room - 1;  // past it, a two-byte character no longer fits
      while (end < last) {
        if (isAsciiWordByte(byte)) {
          *end++ = static_cast<char>(byte);
        } else if (byte > 0x7F) [[unlikely]] {
          end = console::encode_utf8(static_cast<char32_t>(byte), end);
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

}  // namespace q08
