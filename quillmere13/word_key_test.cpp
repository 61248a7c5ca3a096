#include "quillmere13/word_key.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace q13 {
namespace {

// The case rule byte by byte, as plainly as it can be said.
std::string lowered_plainly(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return word;
}

// Every length from 0 to 40, so that each way of cutting a word into pieces is met, with bytes next to the
// letter ranges ('@', '[', '`', '{'), digits and bytes above 0x7F, which must stay as they are.
TEST(WordKeyTest, LoweringInPlaceLowersAsciiLettersOnlyAtEveryLength) {
  const std::string pool = "AZaz@[`{QuIeT09\xC3\x89\x80\xFFMiXeD";
  for (std::size_t size = 0; size <= 40; ++size) {
    std::string word;
    for (std::size_t i = 0; i < size; ++i) word += pool[(i * 7 + size) % pool.size()];
    const std::string expected = lowered_plainly(word);
    std::string lowered = word;
    const WordKey key = lower_in_place(lowered).key();
    EXPECT_EQ(lowered, expected) << size;
    EXPECT_EQ(key.text(), expected) << size;
    EXPECT_EQ(key.hash(), WordKey::exact(expected).hash()) << size;
  }
}

}  // namespace
}  // namespace q13
