#include "quillmere13/word_reader.h"

#include <array>
#include <cctype>
#include <cerrno>

namespace q13 {

namespace {

// The "C" locale's alphabetic class (the program never changes the locale), asked once per byte value
// rather than once per byte read.
const std::array<bool, 256> alphabetic = [] {
  std::array<bool, 256> table{};
  for (int byte = 0; byte < 256; ++byte) table[static_cast<std::size_t>(byte)] = std::isalpha(byte) != 0;
  return table;
}();

bool is_word_byte(int byte) {
  return byte != EOF && alphabetic[static_cast<unsigned char>(byte)];
}

}  // namespace

std::shared_ptr<WordReader> WordReader::open(const std::string& path) {
  std::FILE* stream = std::fopen(path.c_str(), "r");
  if (stream == nullptr) return nullptr;
  // The constructor is protected, so make_shared cannot reach it.
  return std::shared_ptr<WordReader>(new WordReader(stream));
}

WordReader::~WordReader() {
  close();
}

void WordReader::close() {
  if (fptr_ == nullptr) return;
  std::fclose(fptr_);
  fptr_ = nullptr;
}

std::optional<std::string> WordReader::getWord() {
  if (fptr_ == nullptr) return std::nullopt;
  errno = 0;
  int byte = std::fgetc(fptr_);
  while (byte != EOF && !is_word_byte(byte)) byte = std::fgetc(fptr_);
  std::string word;
  while (byte != EOF && is_word_byte(byte)) {
    word.push_back(static_cast<char>(byte));
    byte = std::fgetc(fptr_);
  }
  // fgetc reports an error like the end of the file; tell them apart so the error is not lost.
  if (byte == EOF && std::ferror(fptr_) != 0 && read_error_ == 0) read_error_ = errno != 0 ? errno : EIO;
  if (word.empty()) return std::nullopt;
  return word;
}

}  // namespace q13
