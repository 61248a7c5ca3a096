#include "quillmere08/ic_card.h"

#include <gtest/gtest.h>

namespace q08 {
namespace {

TEST(ICCardsTest, SerialNumbersPerFamilyInCreationOrder) {
  const auto first = cards1::Icocai::serial;
  const auto second = cards2::Icocai::serial;
  cards1::Icocai a;
  cards1::Icocai b;
  EXPECT_EQ(a.idnumber, first + 1);
  EXPECT_EQ(b.idnumber, first + 2);
  cards2::Icocai other;
  EXPECT_EQ(other.idnumber, second + 1);
  EXPECT_EQ(cards1::Icocai::serial, first + 2);
}

TEST(ICCardsTest, SuiicaLeavesTheSerialAlone) {
  const auto first = cards1::Icocai::serial;
  const auto second = cards2::Icocai::serial;
  cards1::Suiica s1;
  cards2::Suiica s2;
  EXPECT_EQ(cards1::Icocai::serial, first);
  EXPECT_EQ(cards2::Icocai::serial, second);
  EXPECT_EQ(s1.name, "");
  EXPECT_EQ(s2.name, "");
}

TEST(ICCardsTest, EveryCardStartsWith1500) {
  EXPECT_EQ(cards1::Suiica().money, 1500);
  EXPECT_EQ(cards1::Icocai().money, 1500);
  EXPECT_EQ(cards2::Suiica().money, 1500);
  EXPECT_EQ(cards2::Icocai().money, 1500);
}

}  // namespace
}  // namespace q08
