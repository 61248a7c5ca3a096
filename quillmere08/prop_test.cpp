#include "quillmere08/prop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "testing/support.h"

namespace q08 {
namespace {

TEST(PropATest, ReadsTheLowestBitOfTheStoredValue) {
  std::shared_ptr<Prop> a = std::make_shared<PropA>();
  a->setAttr(105);
  EXPECT_EQ(a->attr(), 1);
  a->setAttr(104);
  EXPECT_EQ(a->attr(), 0);
  PropB b;
  b.setAttr(105);
  EXPECT_EQ(b.attr(), 105);
}

TEST(PropObserversTest, NestInOrderOnEveryAssignment) {
  std::shared_ptr<Propα> gamma = std::make_shared<Propγ>();
  const std::string lines = "γ: will set\nβ: will set\nβ: did set\nγ: did set\n";
  EXPECT_EQ(test_support::printed_by([&] {
              gamma->setAttr(1);
              gamma->setAttr(1);
            }),
            lines + lines);
  EXPECT_EQ(gamma->attr(), 1);
}

TEST(PropObserversTest, EachLevelRunsOnlyItsOwnAndItsBases) {
  Propβ beta;
  Propα alpha;
  EXPECT_EQ(test_support::printed_by([&] {
              beta.setAttr(3);
              alpha.setAttr(4);
            }),
            "β: will set\nβ: did set\n");
  EXPECT_EQ(beta.attr(), 3);
  EXPECT_EQ(alpha.attr(), 4);
}

}  // namespace
}  // namespace q08
