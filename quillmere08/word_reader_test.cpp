#include "quillmere08/word_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace q08 {
namespace {

namespace fs = std::filesystem;

class WordReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quillmere08_words_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string file(const std::string& bytes) {
    const auto path = dir_ / "words.cpp";
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  // Every word of a file; the reader is gone afterwards.
  std::vector<std::string> words(const std::string& bytes) {
    testing::internal::CaptureStdout();
    std::vector<std::string> out;
    {
      auto reader = WordReader::open(file(bytes));
      EXPECT_NE(reader, nullptr);
      while (auto word = reader->getWord()) out.push_back(*word);
      EXPECT_EQ(reader->getWord(), std::nullopt);  // and it stays at the end
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[[deinit]]\n");
    return out;
  }

  fs::path dir_;
};

using Words = std::vector<std::string>;

TEST_F(WordReaderTest, WordsAreRunsOfBytesAboveBlank) {
  EXPECT_EQ(words("a,b  c\n"), (Words{"a,b", "c"}));
  EXPECT_EQ(words("one\ttwo\r\nthree\x01"
                  "four\x7f!"),
            (Words{"one", "two", "three", "four\x7f!"}));
}

TEST_F(WordReaderTest, EmptyOrBlankFileHasNoWords) {
  EXPECT_EQ(words(""), Words{});
  EXPECT_EQ(words(" \n\n\t \r\n"), Words{});
}

TEST_F(WordReaderTest, LastWordWithoutLineFeedIsWhole) {
  EXPECT_EQ(words("one two three"), (Words{"one", "two", "three"}));
}

TEST_F(WordReaderTest, HighBytesBecomeTheirOwnCodePoints) {
  // U+7537 is three bytes in a file; each becomes one character U+0080..U+00FF.
  EXPECT_EQ(words("\xe7\x94\xb7\n"), (Words{"\xc3\xa7\xc2\x94\xc2\xb7"}));
  EXPECT_EQ(words("\x80\xff"), (Words{"\xc2\x80\xc3\xbf"}));
}

TEST_F(WordReaderTest, FailedOpenStillAnnouncesItsEnd) {
  testing::internal::CaptureStdout();
  const auto reader = WordReader::open((dir_ / "missing.cpp").string());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "[[deinit]]\n");
  EXPECT_EQ(reader, nullptr);
}

TEST_F(WordReaderTest, CloseEndsTheWordsAndDeinitPrintsOnce) {
  const auto path = file("one two");
  testing::internal::CaptureStdout();
  {
    auto reader = WordReader::open(path);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->getWord(), "one");
    reader->close();
    reader->close();
    EXPECT_EQ(reader->getWord(), std::nullopt);
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "[[deinit]]\n");
}

TEST_F(WordReaderTest, ReadErrorEndsTheWordsAndIsKept) {
  testing::internal::CaptureStdout();
  {
    auto reader = WordReader::open(dir_.string());  // a directory opens but cannot be read
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->getWord(), std::nullopt);
    EXPECT_EQ(reader->readError(), EISDIR);
    EXPECT_EQ(reader->getWord(), std::nullopt);
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "[[deinit]]\n");
}

TEST_F(WordReaderTest, CleanEndHasNoReadError) {
  const auto path = file("word\n");
  testing::internal::CaptureStdout();
  {
    auto reader = WordReader::open(path);
    while (reader->getWord()) {
    }
    EXPECT_EQ(reader->readError(), std::nullopt);
  }
  testing::internal::GetCapturedStdout();
}

}  // namespace
}  // namespace q08
