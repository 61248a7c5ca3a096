#include "quillmere08/recipe.h"

#include <gtest/gtest.h>

#include "console/render.h"

namespace q08 {
namespace {

TEST(Recipe, SubscriptPastTheEndIsZero) {
  Recipe recipe;
  EXPECT_EQ(recipe[0], 6.6);
  EXPECT_EQ(recipe[3], 9.1);
  EXPECT_EQ(recipe[4], 0.0);
  EXPECT_EQ(recipe[1000], 0.0);
  Arrange arrange(10.0);
  EXPECT_EQ(arrange[4], 0.0);
}

TEST(Recipe, DescriptionUsesTheDynamicSubscript) {
  EXPECT_EQ(console::render(std::make_shared<Recipe>()), "6.6, 8.9, 7.5, 9.1");
  std::shared_ptr<Recipe> arrange = std::make_shared<Arrange>(10.0);
  EXPECT_EQ(console::render(arrange), "66.0, 89.0, 75.0, 91.0");
  EXPECT_EQ(console::render(Arrange(1.0)), "6.6, 8.9, 7.5, 9.1");
}

TEST(Arrange, FactorIsReadThroughItsAccessor) {
  Arrange arrange(10.0);
  arrange.setMultiple(2.0);
  EXPECT_EQ(arrange[2], 15.0);
  EXPECT_EQ(arrange.multiple(), 2.0);
}

}  // namespace
}  // namespace q08
