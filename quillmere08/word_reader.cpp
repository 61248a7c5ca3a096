#include "quillmere08/word_reader.h"

#include <cerrno>

#include "console/render.h"

namespace q08 {

namespace {

// A byte as the character of the same code point, UTF-8 encoded.
void appendByte(std::string& word, int byte) {
  if (byte < 0x80) {
    word += static_cast<char>(byte);
  } else {
    console::append_utf8(word, static_cast<char32_t>(byte));
  }
}

}  // namespace

std::shared_ptr<WordReader> WordReader::open(const std::string& path) {
  auto reader = std::make_shared<WordReader>(Key{});
  reader->fptr.reset(std::fopen(path.c_str(), "r"));
  if (!reader->fptr) return nullptr;  // the failed reader goes here, printing its line
  return reader;
}

WordReader::~WordReader() {
  console::print("[[deinit]]");
}

std::optional<std::string> WordReader::getWord() {
  if (!fptr || readError_) return std::nullopt;
  std::FILE* const stream = fptr.get();
  const auto noteEnd = [&] {
    if (std::ferror(stream) && !readError_) readError_ = errno;
  };

  int byte = std::fgetc(stream);
  while (byte != EOF && byte <= 0x20) byte = std::fgetc(stream);
  if (byte == EOF) {
    noteEnd();
    return std::nullopt;
  }
  std::string word;
  while (byte != EOF && byte > 0x20) {
    appendByte(word, byte);
    byte = std::fgetc(stream);
  }
  if (byte == EOF) noteEnd();
  return word;
}

}  // namespace q08
