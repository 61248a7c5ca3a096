// Section 30: counting the words of a text file.
#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "console/engine.h"
#include "console/print.h"
#include "console/program.h"
#include "quillmere13/interned_words.h"
#include "quillmere13/ranking.h"
#include "quillmere13/sections.h"
#include "quillmere13/word_counts.h"
#include "quillmere13/word_key.h"
#include "quillmere13/word_reader.h"

namespace q13 {
namespace {

constexpr const char* word_file = "Quillmere01.Start.cpp";

// The file cannot be opened: the program's line on stdout, why on stderr, and the end of the program with
// success.
int cannot_open() {
  const int error = errno;
  console::print("ファイルがオープンできません");
  console::report_error(word_file, error);
  return EXIT_SUCCESS;
}

// The end of a reader's words. When a read error rather than the end of the file ended them: one line on
// stderr, and a failure status.
int status_after(const WordReader& reader) {
  if (reader.readError() == 0) return EXIT_SUCCESS;
  console::report_error(console::cat(word_file, ": read error"), reader.readError());
  return EXIT_FAILURE;
}

}  // namespace

int section30() {
  // First pass: every word, lowered, into a list; the list counted; the counts ranked. The reader goes at
  // the end of the block, closing its file, before the second pass opens it again.
  {
    const auto reader = WordReader::open(word_file);
    if (!reader) return cannot_open();
    auto first = reader->getWord();
    if (!first) return status_after(*reader);
    InternedWords words;
    words.push_back(lower_in_place(*first));
    while (auto word = reader->getWord()) words.push_back(lower_in_place(*word));
    if (reader->readError() != 0) return status_after(*reader);
    const WordCounts counts = tally(std::move(words));
    const Ranking ranking = by_count(counts);
  }
  // Second pass: each word, lowered, counted straight into a dictionary; the counts ranked.
  const auto reader = WordReader::open(word_file);
  if (!reader) return cannot_open();
  WordCounts counts;
  while (auto word = reader->getWord()) counts[lower_in_place(*word)] += 1;
  const Ranking ranking = by_count(counts);
  return status_after(*reader);
}

}  // namespace q13
