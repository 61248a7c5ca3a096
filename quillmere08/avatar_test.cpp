#include "quillmere08/avatar.h"

#include <gtest/gtest.h>

namespace q08 {
namespace {

TEST(Avatar, SayRunsTheMethodOfTheDynamicClass) {
  std::shared_ptr<Avatar> player = std::make_shared<Player>("(none)");
  std::shared_ptr<Avatar> avatar = std::make_shared<Avatar>();
  testing::internal::CaptureStdout();
  Player::self().say();
  Avatar::self().say();
  player->dynamicType().say();
  avatar->dynamicType().say();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Player\nAvatar\nPlayer\nAvatar\n");
}

TEST(Avatar, ExactTypeComparisonIsNotASubclassTest) {
  std::shared_ptr<Avatar> player = std::make_shared<Player>("(none)");
  std::shared_ptr<Avatar> avatar = std::make_shared<Avatar>();
  EXPECT_TRUE(player->dynamicType() == Player::self());
  EXPECT_FALSE(player->dynamicType() == Avatar::self());
  EXPECT_FALSE(avatar->dynamicType() == Player::self());
}

}  // namespace
}  // namespace q08
