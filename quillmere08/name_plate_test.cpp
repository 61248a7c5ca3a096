#include "quillmere08/name_plate.h"

#include <gtest/gtest.h>

#include "console/render.h"

namespace q08 {
namespace {

// Both families must behave alike; one typed test body runs against each.
struct Family1 {
  using NamePlate = plates1::NamePlate;
  using SpeakerNamePlate = plates1::SpeakerNamePlate;
  using GuestNamePlate = plates1::GuestNamePlate;
};
struct Family2 {
  using NamePlate = plates2::NamePlate;
  using SpeakerNamePlate = plates2::SpeakerNamePlate;
  using GuestNamePlate = plates2::GuestNamePlate;
};

template <class F>
class NamePlates : public testing::Test {};
using Families = testing::Types<Family1, Family2>;
TYPED_TEST_SUITE(NamePlates, Families);

TYPED_TEST(NamePlates, FailableInitialisersFailOnlyOnEmptyName) {
  using F = TypeParam;
  EXPECT_EQ(F::NamePlate::make("", "主演"), nullptr);
  EXPECT_EQ(F::SpeakerNamePlate::make(""), nullptr);
  const auto blank = F::SpeakerNamePlate::make(" ");
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(console::render(blank), "[講演者]  ");
}

TYPED_TEST(NamePlates, DescriptionShowsTitleInBracketsWhenPresent) {
  using F = TypeParam;
  EXPECT_EQ(console::render(F::NamePlate::make("za 恵", "主演")), "[主演] za 恵");
  EXPECT_EQ(console::render(F::NamePlate::make("za 恵", "")), "za 恵");
  EXPECT_EQ(console::render(F::SpeakerNamePlate::make("vu zo")), "[講演者] vu zo");
}

TYPED_TEST(NamePlates, GuestReplacesTheFixedNameUnlessEmpty) {
  using F = TypeParam;
  const auto producer = F::GuestNamePlate::make("プロデューサー");
  ASSERT_NE(producer, nullptr);
  EXPECT_EQ(producer->name, "プロデューサー");
  EXPECT_EQ(producer->title, "");
  const auto nobody = F::GuestNamePlate::make("");
  ASSERT_NE(nobody, nullptr);
  EXPECT_EQ(console::render(nobody), "出席者");
}

}  // namespace
}  // namespace q08
