#include "quillmere08/name_plate.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "console/engine.h"

namespace q08 {
namespace {

// The failable factories are the only way to a plate: the constructors need the family's key, and nothing
// outside the family can make one, not even with `{}`.
template <class Plate, class... Args>
concept BuildableAroundTheFactory = std::is_constructible_v<Plate, Args...> || requires(Args... args) {
  Plate({}, args...);
};
static_assert(!BuildableAroundTheFactory<plates1::NamePlate, std::string, std::string>);
static_assert(!BuildableAroundTheFactory<plates1::SpeakerNamePlate, std::string>);
static_assert(!BuildableAroundTheFactory<plates1::GuestNamePlate, std::string>);
static_assert(!BuildableAroundTheFactory<plates2::NamePlate>);
static_assert(!BuildableAroundTheFactory<plates2::SpeakerNamePlate>);
static_assert(!BuildableAroundTheFactory<plates2::GuestNamePlate>);
static_assert(!std::is_default_constructible_v<plates1::PlateKey> &&
              !std::is_default_constructible_v<plates2::PlateKey>);

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
class NamePlatesTest : public testing::Test {};
using Families = testing::Types<Family1, Family2>;
TYPED_TEST_SUITE(NamePlatesTest, Families);

TYPED_TEST(NamePlatesTest, FailableInitialisersFailOnlyOnEmptyName) {
  using F = TypeParam;
  EXPECT_EQ(F::NamePlate::make("", "主演"), nullptr);
  EXPECT_EQ(F::SpeakerNamePlate::make(""), nullptr);
  const auto blank = F::SpeakerNamePlate::make(" ");
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(console::render(blank), "[講演者]  ");
}

TYPED_TEST(NamePlatesTest, DescriptionShowsTitleInBracketsWhenPresent) {
  using F = TypeParam;
  EXPECT_EQ(console::render(F::NamePlate::make("za 恵", "主演")), "[主演] za 恵");
  EXPECT_EQ(console::render(F::NamePlate::make("za 恵", "")), "za 恵");
  EXPECT_EQ(console::render(F::SpeakerNamePlate::make("vu zo")), "[講演者] vu zo");
}

TYPED_TEST(NamePlatesTest, GuestReplacesTheFixedNameUnlessEmpty) {
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
