#include "quillmere13/classes.h"

#include <gtest/gtest.h>

#include <memory>

#include "console/engine.h"
#include "console/type_name.h"

namespace q13 {
namespace {

TEST(AlphaBetaTest, BetaKeepsItsOwnNameAndSubThroughAnAlpha) {
  const std::shared_ptr<Alpha> as_alpha = std::make_shared<Beta>(5);
  EXPECT_EQ(as_alpha->name, "Beta");
  EXPECT_EQ(as_alpha->value, 5);
  const auto beta = std::dynamic_pointer_cast<Beta>(as_alpha);
  ASSERT_NE(beta, nullptr);
  EXPECT_EQ(beta->sub, "Subclass");
  EXPECT_EQ(Alpha(100).name, "Alpha");
  EXPECT_EQ(std::dynamic_pointer_cast<Beta>(std::make_shared<Alpha>(1)), nullptr);
}

TEST(GPSPointTest, CompassLettersFollowTheSignBit) {
  EXPECT_EQ(console::render(std::make_shared<GPSPoint<double>>(-33.5, -70.25)), "GPSPoint: S33.5, W70.25");
  EXPECT_EQ(console::render(std::make_shared<GPSPoint<double>>(0.0, 0.0)), "GPSPoint: N0.0, E0.0");
  EXPECT_EQ(console::render(std::make_shared<GPSPoint<double>>(-0.0, 0.0)), "GPSPoint: S0.0, E0.0");
  EXPECT_EQ(console::render(std::make_shared<GPSPoint<double>>(12.5, -0.0)), "GPSPoint: N12.5, W0.0");
}

TEST(GPSPointTest, NumbersUseTheShortestFormOfTheirOwnWidth) {
  EXPECT_EQ(GPSPoint<float>(35.7004f, 139.77217f).toString(), "N35.7004, E139.77217");
  EXPECT_EQ(GPSPoint<float>(-35.7004f, -139.77217f).toString(), "S35.7004, W139.77217");
  // The same decimal as a 64-bit value, converted from the 32-bit one, shows the 32-bit rounding.
  EXPECT_NE(GPSPoint<double>(double{35.7004f}, 0.0).toString(), "N35.7004, E0.0");
}

TEST(GPSPointTest, ViewPointDescriptionWinsThroughABaseReference) {
  const std::shared_ptr<GPSPoint<double>> point =
      std::make_shared<ViewPoint>("松本城", 36.238064, 137.968457);
  EXPECT_EQ(console::render(point), "ViewPoint: 松本城, N36.238064, E137.968457");
  const std::shared_ptr<GeoPoint<double>> geo = point;
  EXPECT_EQ(geo->toString(), "N36.238064, E137.968457");
  // GeoPoint has no description: the dynamic class's is used, whichever point it is.
  EXPECT_EQ(console::render(geo), "ViewPoint: 松本城, N36.238064, E137.968457");
  const std::shared_ptr<GeoPoint<float>> gps = std::make_shared<GPSPoint<float>>(-1.5f, 2.25f);
  EXPECT_EQ(console::render(std::vector{gps}), "[GPSPoint: S1.5, E2.25]");
}

TEST(GPSPointTest, DistinctObjectsWithEqualFieldsAreNotIdentical) {
  const auto a = std::make_shared<GPSPoint<float>>(1.0f, 2.0f);
  const auto b = std::make_shared<GPSPoint<float>>(1.0f, 2.0f);
  EXPECT_NE(a, b);
}

TEST(GPSPointTest, TypeNamesSpellTheirArguments) {
  EXPECT_EQ(console::type_name<GPSPoint<float>>(), "GPSPoint<Float>");
  EXPECT_EQ(console::type_name<GeoPoint<double>>(), "GeoPoint<Double>");
  EXPECT_EQ(console::type_name<ViewPoint>(), "ViewPoint");
}

}  // namespace
}  // namespace q13
