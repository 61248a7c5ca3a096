// Section 20: an object that owns a C file handle, reading words until "Q!" or the end.
#include <cerrno>
#include <cstdlib>
#include <string>

#include "console/print.h"
#include "console/program.h"
#include "quillmere08/sections.h"
#include "quillmere08/word_reader.h"

namespace q08 {

using console::print;

// Every word of the text file, until "Q!" or the end. Returns the exit status.
int section20() {
  const std::string path = "Quillmere01.Start.cpp";
  auto reader = WordReader::open(path);
  if (!reader) {
    // The reader made for the attempt has said "[[deinit]]"; stdout stays as it is, stderr says why.
    console::report_error(path, errno);
    return EXIT_SUCCESS;
  }
  while (const auto word = reader->getWord()) {
    if (*word == "Q!") {
      reader.reset();  // "[[deinit]]", and the file is closed
      std::exit(EXIT_SUCCESS);
    }
    print({.terminator = " "}, *word);
  }
  print("(EOF)");
  const auto error = reader->readError();
  reader->close();
  reader.reset();  // "[[deinit]]"; the file is already closed
  if (error) {
    // Not the end of the words: the file could not be read. The output above stands; the status says so.
    console::report_error(path + ": read error", *error);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

}  // namespace q08
