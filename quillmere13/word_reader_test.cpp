#include "quillmere13/word_reader.h"

#include <gtest/gtest.h>

#include <stdio.h>  // fopencookie: a stream whose reads fail as a test asks

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "testing/support.h"

namespace q13 {
namespace {

static_assert(std::ranges::input_range<WordReader>);

// Readers come only from make() (and open(), which uses it): the key of the constructor cannot be made
// outside, not even from braces.
template <class T>
concept MadeFromBraces = requires {
  T({}, WordReader::Stream());
};
static_assert(!MadeFromBraces<WordReader>);

using test_support::open_descriptors;

class WordReaderTest : public test_support::ScratchTest {
 protected:
  std::string file(const std::string& contents) const { return ScratchTest::file("words.txt", contents); }

  static std::vector<std::string> all_words(WordReader& reader) {
    std::vector<std::string> words;
    while (auto word = reader.getWord()) words.push_back(*word);
    return words;
  }
};

using Words = std::vector<std::string>;

TEST_F(WordReaderTest, LettersMakeWordsEverythingElseSeparates) {
  const auto reader = WordReader::open(file("Hello, world! 123 abc2def\n"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(all_words(*reader), (Words{"Hello", "world", "abc", "def"}));
  EXPECT_EQ(reader->getWord(), std::nullopt);
  EXPECT_EQ(reader->readError(), 0);
}

TEST_F(WordReaderTest, NonAsciiBytesSeparateWords) {
  const auto reader = WordReader::open(file("caf\xC3\xA9s 日本語text\tTab_under\x7F@Z[a`z{"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(all_words(*reader), (Words{"caf", "s", "text", "Tab", "under", "Z", "a", "z"}));
}

TEST_F(WordReaderTest, FilesWithoutLettersYieldNothing) {
  for (const char* contents : {"", "123 456\n", "   \n\n", "日本語のテキスト。\n"}) {
    const auto reader = WordReader::open(file(contents));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->getWord(), std::nullopt) << contents;
  }
}

// Words grow their buffer as they go: every length around the steps, at the end of the file and before a
// separator, comes back whole.
TEST_F(WordReaderTest, LongWordsComeBackWhole) {
  for (const std::size_t size :
       {1, 14, 15, 16, 17, 29, 30, 31, 32, 33, 61, 62, 63, 64, 65, 127, 1000, 100000}) {
    std::string word;
    for (std::size_t i = 0; i < size; ++i) word += static_cast<char>((i % 2 == 0 ? 'a' : 'A') + i % 26);
    const auto reader = WordReader::open(file(word + " " + word + "1" + word));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(all_words(*reader), (Words{word, word, word})) << size;
  }
}

TEST_F(WordReaderTest, LastWordWithoutLineEndIsWhole) {
  const auto reader = WordReader::open(file("one two"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->getWord(), "one");
  EXPECT_EQ(reader->getWord(), "two");
  EXPECT_EQ(reader->getWord(), std::nullopt);
  EXPECT_EQ(reader->getWord(), std::nullopt);
}

TEST_F(WordReaderTest, CloseEndsTheWordsClosesTheStreamAndIsHarmlessTwice) {
  const auto path = file("alpha beta");
  const int before = open_descriptors();
  const auto reader = WordReader::open(path);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->getWord(), "alpha");
  reader->close();
  EXPECT_EQ(open_descriptors(), before);
  EXPECT_EQ(reader->getWord(), std::nullopt);
  reader->close();
  EXPECT_EQ(reader->getWord(), std::nullopt);
}

TEST_F(WordReaderTest, ASecondLoopOverTheSameReaderYieldsNothing) {
  const auto reader = WordReader::open(file("a b c"));
  ASSERT_NE(reader, nullptr);
  Words first;
  for (const std::string& word : *reader) first.push_back(word);
  Words second;
  for (const std::string& word : *reader) second.push_back(word);
  EXPECT_EQ(first, (Words{"a", "b", "c"}));
  EXPECT_TRUE(second.empty());
}

TEST_F(WordReaderTest, LoopContinuesFromTheCurrentPosition) {
  const auto reader = WordReader::open(file("a b c"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->next(), "a");
  Words rest;
  for (const std::string& word : reader->makeIterator()) rest.push_back(word);
  EXPECT_EQ(rest, (Words{"b", "c"}));
}

TEST_F(WordReaderTest, MissingFileGivesNoReader) {
  const int before = open_descriptors();
  EXPECT_EQ(WordReader::open((folder() / "absent.txt").string()), nullptr);
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(WordReaderTest, DestructionClosesTheStream) {
  const auto path = file("some words");
  const int before = open_descriptors();
  {
    const auto reader = WordReader::open(path);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(open_descriptors(), before + 1);
    EXPECT_EQ(reader->getWord(), "some");
  }
  EXPECT_EQ(open_descriptors(), before);
}

TEST_F(WordReaderTest, AnOldErrnoIsNoReadError) {
  const auto reader = WordReader::open(file("word\n"));
  ASSERT_NE(reader, nullptr);
  errno = ENOTTY;
  EXPECT_EQ(all_words(*reader), Words{"word"});
  EXPECT_EQ(reader->readError(), 0);
}

TEST_F(WordReaderTest, ReadErrorOfAFileIsKeptWithItsCode) {
  const auto reader = WordReader::open(folder().string());  // a directory opens but cannot be read
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->getWord(), std::nullopt);
  EXPECT_EQ(reader->readError(), EISDIR);
}

// A stream that hands out `bytes` and then fails, setting errno to `error` (0: leaving it alone, as a
// stream may).
struct FailingSource {
  std::string bytes;
  int error;
  std::size_t at = 0;

  static ssize_t read(void* cookie, char* out, std::size_t size) {
    auto& source = *static_cast<FailingSource*>(cookie);
    if (source.at == source.bytes.size()) {
      if (source.error != 0) errno = source.error;
      return -1;
    }
    const std::size_t n = std::min(size, source.bytes.size() - source.at);
    std::memcpy(out, source.bytes.data() + source.at, n);
    source.at += n;
    return static_cast<ssize_t>(n);
  }
};

class ReaderOf : public WordReader {
 public:
  ReaderOf(Key key, FailingSource& source)
      : WordReader(
            key, Stream(fopencookie(
                     &source, "r",
                     {.read = &FailingSource::read, .write = nullptr, .seek = nullptr, .close = nullptr}))) {}
};

TEST(WordReaderErrorTest, ReadErrorEndsTheWordsAndKeepsTheFirstCode) {
  FailingSource source{"alpha beta", EACCES};
  const auto reader = WordReader::make<ReaderOf>(source);
  EXPECT_EQ(reader->getWord(), "alpha");
  EXPECT_EQ(reader->readError(), 0);
  EXPECT_EQ(reader->getWord(), "beta");  // the error ends the word like the end of a file
  EXPECT_EQ(reader->readError(), EACCES);
  source.error = EPERM;
  EXPECT_EQ(reader->getWord(), std::nullopt);
  EXPECT_EQ(reader->readError(), EACCES);
}

// A failed read that leaves errno alone is still an error: neither an older errno value nor 0 ("Success")
// stands for it.
TEST(WordReaderErrorTest, ReadErrorWithoutErrnoIsAnInputOutputError) {
  for (const int stale : {0, ENOTTY}) {
    FailingSource source{"word ", 0};
    const auto reader = WordReader::make<ReaderOf>(source);
    errno = stale;
    EXPECT_EQ(reader->getWord(), "word");
    EXPECT_EQ(reader->getWord(), std::nullopt);
    EXPECT_EQ(reader->readError(), EIO) << stale;
  }
}

// The release of the last reference asks the most derived close(), while the whole object still exists.
class LoggingReader : public WordReader {
 public:
  LoggingReader(Key key, Stream stream, std::vector<std::string>& log)
      : WordReader(key, std::move(stream)), log_(log) {}
  ~LoggingReader() override { log_.push_back("destroyed"); }

  void close() override {
    log_.push_back(std::string("closed by ") + name_);
    WordReader::close();
  }

 private:
  std::vector<std::string>& log_;
  std::string name_ = "the subclass";
};

TEST_F(WordReaderTest, LastReferenceClosesThroughTheSubclassBeforeDestruction) {
  const auto path = file("words");
  const int before = open_descriptors();
  std::vector<std::string> log;
  {
    const auto reader =
        WordReader::make<LoggingReader>(WordReader::Stream(std::fopen(path.c_str(), "r")), log);
    const std::shared_ptr<WordReader> base = reader;
    EXPECT_EQ(open_descriptors(), before + 1);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"closed by the subclass", "destroyed"}));
  EXPECT_EQ(open_descriptors(), before);
}

}  // namespace
}  // namespace q13
