#include "quillmere18/sequences.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "console/utf8.h"

namespace {

using Ints = std::vector<std::int64_t>;

TEST(SplitTest, LeavesOutEmptyPieces) {
  const auto below64 = [](char16_t u) { return u < 64; };
  const std::u16string text = u" & You & Me  ";
  const auto pieces = q18::split(std::u16string_view(text), below64);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], u"You");
  EXPECT_EQ(pieces[1], u"Me");
  EXPECT_TRUE(q18::split(std::u16string_view(u"&&"), below64).empty());
  EXPECT_TRUE(q18::split(std::u16string_view(), below64).empty());
}

TEST(JoinedTest, PutsTheSeparatorOnlyBetweenNeighbours) {
  EXPECT_EQ(q18::joined(std::vector<Ints>{{1, 2}, {90, 70}, {4}}, Ints{0}), (Ints{1, 2, 0, 90, 70, 0, 4}));
  EXPECT_EQ(q18::joined(std::vector<Ints>{{1, 2}, {}, {4}}), (Ints{1, 2, 4}));
  EXPECT_EQ(q18::joined(std::vector<std::string>{"Fort", "is", "931"}, std::string("-")), "Fort-is-931");
  EXPECT_EQ(q18::joined(std::vector<std::string>{"solo"}, std::string("-")), "solo");
  EXPECT_EQ(q18::joined(std::vector<std::string>{}, std::string("-")), "");
}

TEST(GroupedTest, KeepsInputOrderWithinAGroup) {
  const std::vector<std::string> names{"YUI", "Shizuka", "saki", "yukino", "IROHA"};
  const auto groups = q18::grouped(names, q18::upper_initial);
  EXPECT_EQ(groups, (std::map<std::string, std::vector<std::string>>{
                        {"Y", {"YUI", "yukino"}}, {"S", {"Shizuka", "saki"}}, {"I", {"IROHA"}}}));
}

TEST(GroupedTest, NamesWhoseFirstCharactersDifferOnlyInCaseShareAGroup) {
  const auto groups =
      q18::grouped(std::vector<std::string>{"ÉLISE", "élodie", "Emma", "e\u0301mile", "Жанна", "жора",
                                            "ｙｕｉ", "Ｙｕｋｉ", "ßa", "Sb", "SSc", "雪乃"},
                   q18::upper_initial);
  EXPECT_EQ(groups, (std::map<std::string, std::vector<std::string>>{{"É", {"ÉLISE", "élodie"}},
                                                                     {"E", {"Emma"}},
                                                                     // texts compare by scalars
                                                                     {"E\u0301", {"e\u0301mile"}},
                                                                     {"Ж", {"Жанна", "жора"}},
                                                                     {"Ｙ", {"ｙｕｉ", "Ｙｕｋｉ"}},
                                                                     {"SS", {"ßa"}},
                                                                     {"S", {"Sb", "SSc"}},
                                                                     {"雪", {"雪乃"}}}));
}

TEST(GroupingKeyDeathTest, AnEmptyOrBrokenNameHasNoFirstCharacter) {
  EXPECT_DEATH(q18::upper_initial(""), "an empty text has no first character");
  EXPECT_DEATH(q18::upper_initial("\xE8\x9D"), "does not start with UTF-8");
}

TEST(MergeTest, CombinesOnlyKeysPresentInBoth) {
  const std::map<std::string, std::int64_t> first{{"遠山", 6}, {"八神", 8}, {"飯島", 1}};
  const std::map<std::string, std::int64_t> second{{"神崎", 7}, {"遠山", 3}};
  EXPECT_EQ(q18::merging(first, second, std::plus<>{}),
            (std::map<std::string, std::int64_t>{{"遠山", 9}, {"八神", 8}, {"飯島", 1}, {"神崎", 7}}));

  std::map<std::string, std::int64_t> scores{{"遠山", 1000}, {"八神", 790}};
  q18::merge(scores, std::vector<std::pair<std::string, std::int64_t>>{{"神崎", 2500}, {"遠山", 900}},
             [](std::int64_t a, std::int64_t b) { return std::max(a, b); });
  EXPECT_EQ(scores, (std::map<std::string, std::int64_t>{{"遠山", 1000}, {"八神", 790}, {"神崎", 2500}}));
}

TEST(ConcatenatedTest, AppendsInOrder) {
  const Ints a{0, 1};
  EXPECT_EQ(q18::concatenated(a, Ints{5, 6}, a), (Ints{0, 1, 5, 6, 0, 1}));
  EXPECT_EQ(q18::concatenated(Ints{}), Ints{});
}

}  // namespace
