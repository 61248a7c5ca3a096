#include "quillmere18/sequences.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "console/utf8.h"

namespace {

using Ints = std::vector<std::int64_t>;

TEST(Split, LeavesOutEmptyPieces) {
  const auto below64 = [](char16_t u) { return u < 64; };
  const std::u16string text = u" & You & Me  ";
  const auto pieces = q18::split(std::u16string_view(text), below64);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], u"You");
  EXPECT_EQ(pieces[1], u"Me");
  EXPECT_TRUE(q18::split(std::u16string_view(u"&&"), below64).empty());
  EXPECT_TRUE(q18::split(std::u16string_view(), below64).empty());
}

TEST(Joined, PutsTheSeparatorOnlyBetweenNeighbours) {
  EXPECT_EQ(q18::joined(std::vector<Ints>{{1, 2}, {90, 70}, {4}}, Ints{0}), (Ints{1, 2, 0, 90, 70, 0, 4}));
  EXPECT_EQ(q18::joined(std::vector<Ints>{{1, 2}, {}, {4}}), (Ints{1, 2, 4}));
  EXPECT_EQ(q18::joined(std::vector<std::string>{"Fort", "is", "931"}, std::string("-")), "Fort-is-931");
  EXPECT_EQ(q18::joined(std::vector<std::string>{"solo"}, std::string("-")), "solo");
  EXPECT_EQ(q18::joined(std::vector<std::string>{}, std::string("-")), "");
}

TEST(Grouped, KeepsInputOrderWithinAGroup) {
  const std::vector<std::string> names{"YUI", "Shizuka", "saki", "yukino", "IROHA"};
  const auto groups = q18::grouped(names, q18::ascii_upper_initial);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups.at(console::Character(U'Y')), (std::vector<std::string>{"YUI", "yukino"}));
  EXPECT_EQ(groups.at(console::Character(U'S')), (std::vector<std::string>{"Shizuka", "saki"}));
  EXPECT_EQ(groups.at(console::Character(U'I')), (std::vector<std::string>{"IROHA"}));
}

TEST(Grouped, NamesThatDifferOnlyInTheCaseOfAnASCIIInitialShareAGroup) {
  const auto groups =
      q18::grouped(std::vector<std::string>{"ÉLISE", "élodie", "Emma", "emi"}, q18::ascii_upper_initial);
  EXPECT_EQ(groups.at(console::Character(U'E')), (std::vector<std::string>{"Emma", "emi"}));
  EXPECT_EQ(groups.at(console::Character(U'É')), (std::vector<std::string>{"ÉLISE"}));
  EXPECT_EQ(groups.at(console::Character(U'é')), (std::vector<std::string>{"élodie"}));
}

TEST(GroupingKey, OnlyASCIILettersTurnToUpperCase) {
  using console::Character;
  EXPECT_EQ(q18::ascii_upper_initial("yukino"), Character(U'Y'));
  EXPECT_EQ(q18::ascii_upper_initial("YUI"), Character(U'Y'));
  EXPECT_EQ(q18::ascii_upper_initial("zeta"), Character(U'Z'));
  EXPECT_EQ(q18::ascii_upper_initial("`tick"), Character(U'`'));   // the character before "a"
  EXPECT_EQ(q18::ascii_upper_initial("{brace"), Character(U'{'));  // the character after "z"
  EXPECT_EQ(q18::ascii_upper_initial("élodie"), Character(U'é'));
  EXPECT_EQ(q18::ascii_upper_initial("жанна"), Character(U'ж'));
  EXPECT_EQ(q18::ascii_upper_initial("ｙｕｉ"), Character(U'ｙ'));
  EXPECT_EQ(q18::ascii_upper_initial("雪乃"), Character(U'雪'));
}

TEST(FirstCharacter, IsTheFirstScalarOfTheText) {
  EXPECT_EQ(q18::first_character("蝸牛"), console::Character(U'蝸'));
  EXPECT_EQ(q18::first_character("x"), console::Character(U'x'));
}

TEST(FirstCharacterDeathTest, AnEmptyOrBrokenTextHasNone) {
  EXPECT_DEATH(q18::first_character(""), "an empty text has no first character");
  EXPECT_DEATH(q18::ascii_upper_initial(""), "an empty text has no first character");
  EXPECT_DEATH(q18::first_character("\xE8\x9D"), "does not start with UTF-8");
}

TEST(Merge, CombinesOnlyKeysPresentInBoth) {
  const std::map<std::string, std::int64_t> first{{"遠山", 6}, {"八神", 8}, {"飯島", 1}};
  const std::map<std::string, std::int64_t> second{{"神崎", 7}, {"遠山", 3}};
  EXPECT_EQ(q18::merging(first, second, std::plus<>{}),
            (std::map<std::string, std::int64_t>{{"遠山", 9}, {"八神", 8}, {"飯島", 1}, {"神崎", 7}}));

  std::map<std::string, std::int64_t> scores{{"遠山", 1000}, {"八神", 790}};
  q18::merge(scores, std::vector<std::pair<std::string, std::int64_t>>{{"神崎", 2500}, {"遠山", 900}},
             [](std::int64_t a, std::int64_t b) { return std::max(a, b); });
  EXPECT_EQ(scores, (std::map<std::string, std::int64_t>{{"遠山", 1000}, {"八神", 790}, {"神崎", 2500}}));
}

TEST(Concatenated, AppendsInOrder) {
  const Ints a{0, 1};
  EXPECT_EQ(q18::concatenated(a, Ints{5, 6}, a), (Ints{0, 1, 5, 6, 0, 1}));
  EXPECT_EQ(q18::concatenated(Ints{}), Ints{});
}

}  // namespace
