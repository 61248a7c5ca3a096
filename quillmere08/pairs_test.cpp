#include "quillmere08/pairs.h"

#include <gtest/gtest.h>

#include "console/engine.h"
#include "testing/support.h"

namespace q08 {
namespace {

// The counters only grow during a run, so each test works on what it adds.
TEST(PairCountersTest, ABCountsOnceAndBTwice) {
  const auto before = pair1::A::total;
  auto a = std::make_shared<pair1::A>();
  EXPECT_EQ(pair1::A::total, before + 1);
  auto b = std::make_shared<pair1::B>();
  EXPECT_EQ(pair1::A::total, before + 3);
  EXPECT_EQ(console::render(a), console::cat(before + 3, ": A, Level=1, 1000pt, 1st"));
}

TEST(PairCountersTest, EachPairHasItsOwnCounter) {
  const auto first = pair1::A::total;
  const auto second = pair2::A::total;
  auto b = std::make_shared<pair2::B>();
  EXPECT_EQ(pair1::A::total, first);
  EXPECT_EQ(pair2::A::total, second + 2);
}

TEST(PairCountersTest, DescriptionIsOverriddenAndReadsTheCounterWhenPrinted) {
  std::shared_ptr<pair2::A> b = std::make_shared<pair2::B>();
  const auto now = pair2::A::total;
  EXPECT_EQ(console::render(b), console::cat(now, ": A, Level=2, 1000pt, 中級"));
  auto another = std::make_shared<pair2::A>();
  EXPECT_EQ(console::render(b), console::cat(now + 1, ": A, Level=2, 1000pt, 中級"));
}

TEST(TypeLevelShowTest, NamedTypesAndDynamicClass) {
  std::shared_ptr<pair5::A> a = make<pair5::A>();
  std::shared_ptr<pair5::A> b = make<pair5::B>();
  EXPECT_EQ(test_support::printed_by([&] {
              pair3::A::show();
              pair3::B::show();
              classObject<pair4::A>().show();
              classObject<pair4::B>().show();
              a->dynamicType().show();
              b->dynamicType().show();
            }),
            "A\nB\nA\nB\nA\nB\n");
}

}  // namespace
}  // namespace q08
