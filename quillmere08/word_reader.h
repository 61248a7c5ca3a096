// WordReader: reads a text file word by word through the C library's buffered stream, owns that stream,
// and announces its own end with "[[deinit]]".
//
// A word is a maximal run of bytes above 0x20; each byte becomes the character with that code point, so
// bytes 0x80 to 0xFF come out as two-byte UTF-8. A read error ends the words like the end of the file, and
// is kept for the caller to report.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace q08 {

class WordReader {
  // Only open() can name the key, and its explicit constructor keeps `{}` from standing in for it: the
  // failable open() is the only way to a reader.
  struct Key {
    explicit Key() = default;
  };

 public:
  // init?(open:): opens path with mode "r". When that fails the reader made for the attempt is released at
  // once (so "[[deinit]]" is printed) and the result is null.
  static std::shared_ptr<WordReader> open(const std::string& path);

  explicit WordReader(Key) {}
  WordReader(const WordReader&) = delete;
  WordReader& operator=(const WordReader&) = delete;
  // Prints "[[deinit]]", then closes the stream if it is still open.
  ~WordReader();

  // The next word, or empty at the end of the words (end of file, read error, or closed).
  std::optional<std::string> getWord();

  // Closes the stream and forgets it; does nothing when none is open.
  void close() { fptr.reset(); }

  // The errno value of a read error that cut the words short (never 0), if one happened.
  std::optional<int> readError() const { return readError_; }

 private:
  struct Closer {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
  };

  // Keeps the first read error; called when fgetc has returned EOF.
  void noteEnd();

  // Whoever empties fptr closes the stream: the deleter is fclose.
  std::unique_ptr<std::FILE, Closer> fptr;
  std::optional<int> readError_;
};

}  // namespace q08
