#include "quillmere08/word_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "testing/support.h"

namespace q08 {
namespace {

// The failable open() is the only way to a reader: the constructor's key cannot be made from braces.
template <class T>
concept MadeFromBraces = requires {
  T({});
};
static_assert(!MadeFromBraces<WordReader>);

using test_support::open_descriptors;
using test_support::printed_by;

class WordReaderTest : public test_support::ScratchTest {
 protected:
  std::string file(const std::string& bytes) const { return ScratchTest::file("words.cpp", bytes); }

  // Every word of a file; the reader is gone afterwards, having said so once.
  std::vector<std::string> words(const std::string& bytes) const {
    std::vector<std::string> out;
    EXPECT_EQ(printed_by([&] {
                auto reader = WordReader::open(file(bytes));
                ASSERT_NE(reader, nullptr);
                while (auto word = reader->getWord()) out.push_back(*word);
                EXPECT_EQ(reader->getWord(), std::nullopt);  // and it stays at the end
                EXPECT_EQ(reader->readError(), std::nullopt);
              }),
              "[[deinit]]\n");
    return out;
  }
};

using Words = std::vector<std::string>;

TEST_F(WordReaderTest, WordsAreRunsOfBytesAboveBlank) {
  EXPECT_EQ(words("a,b  c\n"), (Words{"a,b", "c"}));
  EXPECT_EQ(words("one\ttwo\r\nthree\x01"
                  "four\x7f!"),
            (Words{"one", "two", "three", "four\x7f!"}));
  EXPECT_EQ(words("\x20!\x20~\x1f"), (Words{"!", "~"}));
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

// A word's buffer grows as it fills, by one or two bytes a character: every length around the steps comes
// back whole, in ASCII, in high bytes and mixed.
TEST_F(WordReaderTest, LongWordsComeBackWhole) {
  for (const std::size_t size : {13, 14, 15, 16, 17, 28, 29, 30, 31, 57, 58, 59, 60, 61, 1000, 100000}) {
    for (const char* pattern : {"Ab", "\xE9\xFF", "x\xA0"}) {
      std::string bytes;
      std::string expected;
      for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(pattern[i % 2]);
        bytes += static_cast<char>(byte);
        if (byte < 0x80) {
          expected += static_cast<char>(byte);
        } else {
          expected += static_cast<char>(0xC0 | byte >> 6);
          expected += static_cast<char>(0x80 | (byte & 0x3F));
        }
      }
      EXPECT_EQ(words(bytes + "\n" + bytes), (Words{expected, expected})) << size << " " << pattern;
    }
  }
}

TEST_F(WordReaderTest, FailedOpenStillAnnouncesItsEndAndLeavesItsReasonInErrno) {
  std::shared_ptr<WordReader> reader;
  int reason = 0;
  EXPECT_EQ(printed_by([&] {
              errno = 0;
              reader = WordReader::open((folder() / "missing.cpp").string());
              reason = errno;
            }),
            "[[deinit]]\n");
  EXPECT_EQ(reader, nullptr);
  EXPECT_EQ(reason, ENOENT);
}

TEST_F(WordReaderTest, CloseClosesTheStreamEndsTheWordsAndDeinitPrintsOnce) {
  const auto path = file("one two");
  EXPECT_EQ(printed_by([&] {
              const int before = open_descriptors();
              auto reader = WordReader::open(path);
              ASSERT_NE(reader, nullptr);
              EXPECT_EQ(reader->getWord(), "one");
              reader->close();
              EXPECT_EQ(open_descriptors(), before);
              reader->close();
              EXPECT_EQ(reader->getWord(), std::nullopt);
            }),
            "[[deinit]]\n");
}

TEST_F(WordReaderTest, DestructionClosesTheStream) {
  const auto path = file("some words");
  EXPECT_EQ(printed_by([&] {
              const int before = open_descriptors();
              {
                auto reader = WordReader::open(path);
                ASSERT_NE(reader, nullptr);
                EXPECT_EQ(open_descriptors(), before + 1);
                EXPECT_EQ(reader->getWord(), "some");
              }
              EXPECT_EQ(open_descriptors(), before);
            }),
            "[[deinit]]\n");
}

TEST_F(WordReaderTest, ReadErrorEndsTheWordsAndIsKeptWithItsCode) {
  printed_by([&] {
    auto reader = WordReader::open(folder().string());  // a directory opens but cannot be read
    ASSERT_NE(reader, nullptr);
    errno = 0;
    EXPECT_EQ(reader->getWord(), std::nullopt);
    EXPECT_EQ(reader->readError(), EISDIR);
    EXPECT_EQ(reader->getWord(), std::nullopt);
  });
}

TEST_F(WordReaderTest, AnOldErrnoIsNoReadError) {
  const auto path = file("word\n");
  printed_by([&] {
    auto reader = WordReader::open(path);
    errno = ENOTTY;
    while (reader->getWord()) {
    }
    EXPECT_EQ(reader->readError(), std::nullopt);
  });
}

}  // namespace
}  // namespace q08
