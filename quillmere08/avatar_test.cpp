#include "quillmere08/avatar.h"

#include <gtest/gtest.h>

#include <memory>

#include "testing/support.h"

namespace q08 {
namespace {

// A subclass no section uses, which declares no class object of its own.
class Spectator : public Player {
 public:
  using Player::Player;
};

TEST(AvatarTest, SayRunsTheMethodOfTheDynamicClass) {
  std::shared_ptr<Avatar> player = make<Player>("(none)");
  std::shared_ptr<Avatar> avatar = make<Avatar>();
  std::shared_ptr<Avatar> spectator = make<Spectator>("見物人");
  EXPECT_EQ(test_support::printed_by([&] {
              classObject<Player>().say();
              classObject<Avatar>().say();
              player->dynamicType().say();
              avatar->dynamicType().say();
              spectator->dynamicType().say();  // inherited from Player
            }),
            "Player\nAvatar\nPlayer\nAvatar\nPlayer\n");
}

TEST(AvatarTest, ExactTypeComparisonIsNotASubclassTest) {
  std::shared_ptr<Avatar> player = make<Player>("(none)");
  std::shared_ptr<Avatar> avatar = make<Avatar>();
  std::shared_ptr<Avatar> spectator = make<Spectator>("見物人");
  EXPECT_TRUE(player->dynamicType() == classObject<Player>());
  EXPECT_FALSE(player->dynamicType() == classObject<Avatar>());
  EXPECT_FALSE(avatar->dynamicType() == classObject<Player>());
  EXPECT_FALSE(spectator->dynamicType() == classObject<Player>());
  EXPECT_TRUE(spectator->dynamicType() == classObject<Spectator>());
}

}  // namespace
}  // namespace q08
