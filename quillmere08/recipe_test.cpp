#include "quillmere08/recipe.h"

#include <gtest/gtest.h>

#include "console/engine.h"

namespace q08 {
namespace {

TEST(RecipeTest, SubscriptPastTheEndIsZero) {
  Recipe recipe;
  EXPECT_EQ(recipe[0], 6.6);
  EXPECT_EQ(recipe[3], 9.1);
  EXPECT_EQ(recipe[4], 0.0);
  EXPECT_EQ(recipe[1000], 0.0);
  Arrange arrange(10.0);
  EXPECT_EQ(arrange[4], 0.0);
}

TEST(RecipeTest, DescriptionUsesTheDynamicSubscript) {
  EXPECT_EQ(console::render(std::make_shared<Recipe>()), "6.6, 8.9, 7.5, 9.1");
  std::shared_ptr<Recipe> arrange = std::make_shared<Arrange>(10.0);
  EXPECT_EQ(console::render(arrange), "66.0, 89.0, 75.0, 91.0");
  EXPECT_EQ(console::render(Arrange(1.0)), "6.6, 8.9, 7.5, 9.1");
}

// Overrides the accessor only: a subscript that read the stored factor directly would not see it.
class DoubledArrange : public Arrange {
 public:
  using Arrange::Arrange;
  double multiple() const override { return Arrange::multiple() * 2.0; }
};

TEST(ArrangeTest, SubscriptReadsTheFactorThroughItsOverridableAccessor) {
  DoubledArrange arrange(10.0);
  EXPECT_EQ(arrange[2], 150.0);
  EXPECT_EQ(arrange[0], 6.6 * 20.0);
  arrange.setMultiple(2.0);
  EXPECT_EQ(arrange[2], 30.0);
  const Recipe& recipe = arrange;
  EXPECT_EQ(console::render(recipe), console::cat(6.6 * 4.0, ", ", 8.9 * 4.0, ", 30.0, ", 9.1 * 4.0));
}

}  // namespace
}  // namespace q08
