#include "console/utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::vector<char32_t> decode_all(std::vector<unsigned char> bytes, std::size_t* stopped_at = nullptr) {
  std::vector<char32_t> scalars;
  std::size_t pos = 0;
  while (auto scalar = console::decode_one(bytes, pos)) scalars.push_back(*scalar);
  if (stopped_at != nullptr) *stopped_at = pos;
  return scalars;
}

TEST(Utf8Test, DecodesOneScalarAtATime) {
  EXPECT_EQ(decode_all({0xE8, 0x9D, 0xB8, 0xE7, 0x89, 0x9B, 0xF0, 0x9F, 0x90, 0x8C}),
            (std::vector<char32_t>{U'蝸', U'牛', U'\U0001F40C'}));
  EXPECT_EQ(decode_all({'a', 0xC3, 0xA9}), (std::vector<char32_t>{U'a', U'é'}));
}

TEST(Utf8Test, StopsAtTheFirstInvalidSequence) {
  std::size_t stopped = 0;
  EXPECT_EQ(decode_all({'a', 0xC0, 0xAF, 'b'}, &stopped), std::vector<char32_t>{U'a'});  // overlong
  EXPECT_EQ(stopped, 1u);
  EXPECT_EQ(decode_all({'a', 0xED, 0xA0, 0x80}), std::vector<char32_t>{U'a'});  // surrogate
  EXPECT_EQ(decode_all({0xF4, 0x90, 0x80, 0x80}), std::vector<char32_t>{});     // past U+10FFFF
  EXPECT_EQ(decode_all({'x', 0xE8, 0x9D}), std::vector<char32_t>{U'x'});        // truncated
  EXPECT_EQ(decode_all({0xE8, 'a', 0xB8}), std::vector<char32_t>{});            // bad continuation
  EXPECT_EQ(decode_all({0x80}), std::vector<char32_t>{});                       // stray continuation
}

// Every length's first and last scalar, and the two kinds of value that have no form of their own, each
// encoded in place and decoded back.
TEST(Utf8Test, EncodesInPlaceAtEveryLengthBoundary) {
  const std::vector<std::pair<char32_t, std::size_t>> scalars{
      {0x0, 1},   {0x7F, 1},   {0x80, 2},    {0xFF, 2},     {0x7FF, 2},
      {0x800, 3}, {0xFFFF, 3}, {0x10000, 4}, {0x10FFFF, 4}, {0xD7FF, 3}};
  for (const auto& [scalar, length] : scalars) {
    char bytes[4];
    const char* end = console::encode_utf8(scalar, bytes);
    ASSERT_EQ(static_cast<std::size_t>(end - bytes), length)
        << std::hex << static_cast<std::uint32_t>(scalar);
    std::size_t pos = 0;
    EXPECT_EQ(console::decode_one({reinterpret_cast<const unsigned char*>(bytes), length}, pos), scalar);
    EXPECT_EQ(pos, length);
  }
  for (const char32_t invalid : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}}) {
    char bytes[4];
    EXPECT_EQ(std::string(bytes, console::encode_utf8(invalid, bytes)), "\uFFFD");
  }
  static_assert([] {
    char bytes[4];
    return console::encode_utf8(U'é', bytes) - bytes == 2 && bytes[0] == '\xC3' && bytes[1] == '\xA9';
  }());
}

TEST(Utf8Test, EncodesAndIteratesByCharacter) {
  EXPECT_EQ(console::utf8(U'南'), "南");
  EXPECT_EQ(console::utf8(U'\U0001F40C'), "🐌");
  EXPECT_EQ(console::utf8(0xD800), "\uFFFD");
  const auto chars = console::characters("甲a🐌");
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[0].value, U'甲');
  EXPECT_EQ(chars[2].value, U'\U0001F40C');
}

TEST(Utf8Test, Utf16RoundTripIncludingSurrogatePairs) {
  EXPECT_EQ(console::to_utf16("You & Me"), u"You & Me");
  EXPECT_EQ(console::to_utf16("🐌"), u"\U0001F40C");
  EXPECT_EQ(console::from_utf16(u"蝸牛\U0001F40C"), "蝸牛🐌");
  EXPECT_EQ(console::from_utf16(std::u16string(1, char16_t(0xD800))), "\uFFFD");
}

// A high surrogate (0xD800 to 0xDBFF) followed by a low one (0xDC00 to 0xDFFF) is one scalar; any other
// surrogate is unpaired and becomes U+FFFD by itself, and the unit after it is read afresh. Each case is also
// read as a view followed in memory by a low surrogate, which a high surrogate at the view's end must not
// reach.
TEST(Utf8Test, Utf16PairsExactlyAHighThenALowSurrogate) {
  struct Case {
    std::u16string units;
    std::string text;
  };
  const Case cases[] = {
      {{0xD800, 0xDC00}, "\U00010000"},    // each range's first unit
      {{0xD800, 0xDFFF}, "\U000103FF"},    // the low range's last unit
      {{0xDBFF, 0xDC00}, "\U0010FC00"},    // the high range's last unit
      {{0xDBFF, 0xDFFF}, "\U0010FFFF"},    // both last: the last scalar
      {{0xD7FF, 0xDC00}, "\uD7FF\uFFFD"},  // just below the high range: no pair
      {{0xDC00, 0xDFFF}, "\uFFFD\uFFFD"},  // a low surrogate starts no pair
      {{0xDFFF, 0xDC00}, "\uFFFD\uFFFD"},
      {{0xDC00, 0xD800}, "\uFFFD\uFFFD"},  // the wrong way round
      {{0xD800, 0xDBFF}, "\uFFFD\uFFFD"},  // just below the low range
      {{0xDBFF, 0xE000}, "\uFFFD\uE000"},  // just above it
      {{0xD800, u'a'}, "\uFFFDa"},         // the next unit is read afresh
      {{0xD800, 0xD800, 0xDC00}, "\uFFFD\U00010000"},
      {{0xD800}, "\uFFFD"},  // a high surrogate as the last unit
      {{u'a', 0xDBFF}, "a\uFFFD"},
      {{0xDC00}, "\uFFFD"},
      {{0xE000, 0xFFFF}, "\uE000\uFFFF"},  // no surrogates at all
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(console::from_utf16(c.units), c.text) << "case " << i;
    const std::u16string followed = c.units + char16_t{0xDC00};
    EXPECT_EQ(console::from_utf16(std::u16string_view(followed).substr(0, c.units.size())), c.text)
        << "case " << i << ", followed by a low surrogate";
  }
}

TEST(Utf8Test, ByteOrderIsScalarOrder) {
  EXPECT_LT(std::string("Z"), std::string("a"));
  EXPECT_LT(std::string("\uFFFF"), std::string("\U00010000"));
  EXPECT_LT(console::Character(U'あ'), console::Character(U'い'));
}

}  // namespace
