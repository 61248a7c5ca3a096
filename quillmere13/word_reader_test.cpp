#include "quillmere13/word_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ranges>
#include <string>
#include <vector>

namespace q13 {
namespace {

static_assert(std::ranges::input_range<WordReader>);

namespace fs = std::filesystem;

// A scratch directory per test, removed afterwards.
class WordReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("q13_words_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string file(const std::string& contents) {
    const auto path = dir_ / "words.txt";
    std::ofstream(path, std::ios::binary) << contents;
    return path.string();
  }

  static std::vector<std::string> all_words(WordReader& reader) {
    std::vector<std::string> words;
    while (auto word = reader.getWord()) words.push_back(*word);
    return words;
  }

  static int open_descriptors() {
    return static_cast<int>(std::ranges::distance(fs::directory_iterator("/proc/self/fd")));
  }

  fs::path dir_;
};

TEST_F(WordReaderTest, LettersMakeWordsEverythingElseSeparates) {
  const auto reader = WordReader::open(file("Hello, world! 123 abc2def\n"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(all_words(*reader), (std::vector<std::string>{"Hello", "world", "abc", "def"}));
  EXPECT_EQ(reader->getWord(), std::nullopt);
  EXPECT_EQ(reader->readError(), 0);
}

TEST_F(WordReaderTest, NonAsciiBytesSeparateWords) {
  const auto reader = WordReader::open(file("caf\xC3\xA9s 日本語text\tTab_under"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(all_words(*reader), (std::vector<std::string>{"caf", "s", "text", "Tab", "under"}));
}

TEST_F(WordReaderTest, FilesWithoutLettersYieldNothing) {
  for (const char* contents : {"", "123 456\n", "   \n\n", "日本語のテキスト。\n"}) {
    const auto reader = WordReader::open(file(contents));
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->getWord(), std::nullopt) << contents;
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

TEST_F(WordReaderTest, CloseEndsTheWordsAndIsHarmlessTwice) {
  const auto reader = WordReader::open(file("alpha beta"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->getWord(), "alpha");
  reader->close();
  EXPECT_FALSE(reader->isOpen());
  EXPECT_EQ(reader->getWord(), std::nullopt);
  reader->close();
  EXPECT_EQ(reader->getWord(), std::nullopt);
}

TEST_F(WordReaderTest, ASecondLoopOverTheSameReaderYieldsNothing) {
  const auto reader = WordReader::open(file("a b c"));
  ASSERT_NE(reader, nullptr);
  std::vector<std::string> first;
  for (const std::string& word : *reader) first.push_back(word);
  std::vector<std::string> second;
  for (const std::string& word : *reader) second.push_back(word);
  EXPECT_EQ(first, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(second.empty());
}

TEST_F(WordReaderTest, LoopContinuesFromTheCurrentPosition) {
  const auto reader = WordReader::open(file("a b c"));
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->next(), "a");
  std::vector<std::string> rest;
  for (const std::string& word : reader->makeIterator()) rest.push_back(word);
  EXPECT_EQ(rest, (std::vector<std::string>{"b", "c"}));
}

TEST_F(WordReaderTest, MissingFileGivesNoReader) {
  EXPECT_EQ(WordReader::open((dir_ / "absent.txt").string()), nullptr);
}

TEST_F(WordReaderTest, ReadErrorIsNotTheEndOfTheFile) {
  const auto reader = WordReader::open(dir_.string());  // a directory opens but cannot be read
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->getWord(), std::nullopt);
  EXPECT_EQ(reader->readError(), EISDIR);
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

}  // namespace
}  // namespace q13
