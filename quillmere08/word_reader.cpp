#include "quillmere08/word_reader.h"

#include <cerrno>

#include "console/print.h"

namespace q08 {

std::shared_ptr<WordReader> WordReader::open(const std::string& path) {
  auto reader = std::make_shared<WordReader>(Key());
  reader->fptr.reset(std::fopen(path.c_str(), "r"));
  if (!reader->fptr) {
    const int reason = errno;
    reader.reset();  // the reader made for the attempt goes at once: "[[deinit]]"
    errno = reason;  // printing may have changed it; the caller reports why the file did not open
    return nullptr;
  }
  return reader;
}

WordReader::~WordReader() {
  console::print("[[deinit]]");
}

void WordReader::noteEnd() {
  if (!readError_ && std::ferror(fptr.get())) readError_ = errno != 0 ? errno : EIO;
}

}  // namespace q08
