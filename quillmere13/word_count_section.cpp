// Section 30: counting the words of a text file.
#include <cstdlib>
#include <utility>

#include "console/engine.h"
#include "console/print.h"
#include "console/program.h"
#include "quillmere13/sections.h"
#include "quillmere13/word_count.h"
#include "quillmere13/word_reader.h"

namespace q13 {
namespace {

using console::print;

constexpr const char* word_file = "Quillmere01.Start.cpp";

// A reader that stopped on a read error rather than at the end: one line on stderr, and a failure status.
bool read_failed(const WordReader& reader) {
  if (reader.readError() == 0) return false;
  console::report_error(console::cat(word_file, ": read error"), reader.readError());
  return true;
}

}  // namespace

int section30() {
  {
    const auto reader = WordReader::open(word_file);
    if (!reader) {
      print("ファイルがオープンできません");
      return EXIT_SUCCESS;
    }
    auto first = reader->getWord();
    if (!first) return read_failed(*reader) ? EXIT_FAILURE : EXIT_SUCCESS;
    WordList words = lowercased_words(std::move(*first), *reader);
    if (read_failed(*reader)) return EXIT_FAILURE;
    const WordCounts counts = tally(std::move(words));
    [[maybe_unused]] const auto ranking = by_count(counts);
  }
  const auto reader = WordReader::open(word_file);
  if (!reader) {
    print("ファイルがオープンできません");
    return EXIT_SUCCESS;
  }
  const WordCounts counts = count_lowercased(*reader);
  if (read_failed(*reader)) return EXIT_FAILURE;
  [[maybe_unused]] const auto ranking = by_count(counts);
  return EXIT_SUCCESS;
}

}  // namespace q13
