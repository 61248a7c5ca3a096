#include "console/checked.h"

#include <gtest/gtest.h>

#include <any>
#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace {

class Time {
 public:
  virtual ~Time() = default;
};
class Time12 : public Time {};
class Time12Plus : public Time12 {};
class Other {};

// A hierarchy no program uses, for the downcasts out of values of any type.
class Shape {
 public:
  virtual ~Shape() = default;
};
class Polygon : public Shape {};
class Square : public Polygon {};
class Circle : public Shape {};
struct Plain {
  int n = 0;
};

template <class T, class... StoredAs>
concept AnyCastable = requires(const std::any& value) {
  console::forced_cast<T, StoredAs...>(value);
};
template <class T, class Argument>
concept CastableFrom = requires(const Argument& argument) {
  console::forced_cast<T>(argument);
};

TEST(Checked, ForceGivesTheValueOrTheObject) {
  std::optional<std::int64_t> number = 3;
  console::force(number) += 1;
  EXPECT_EQ(*number, 4);
  EXPECT_EQ(console::force(std::optional<std::string>("駅前")), "駅前");
  auto object = std::make_shared<Time12>();
  const std::weak_ptr<Time12> weak = object;
  EXPECT_EQ(console::force(weak), object);
  EXPECT_EQ(console::optional_of(weak), std::optional{object});
  object.reset();
  EXPECT_EQ(console::optional_of(weak), std::nullopt);
}

TEST(Checked, ForcedCastIsARunTimeClassTest) {
  const std::shared_ptr<Time> time12 = std::make_shared<Time12>();
  const std::shared_ptr<Time> plus = std::make_shared<Time12Plus>();
  EXPECT_EQ(console::forced_cast<Time12>(time12).get(), time12.get());
  EXPECT_EQ(console::forced_cast<Time12>(plus).get(), plus.get());  // a subclass passes the test
  const std::any text = std::string("駅前");
  EXPECT_EQ(console::forced_cast<std::string>(text), "駅前");
}

TEST(Checked, AnObjectOfAnyTypeIsDowncastByItsDynamicClass) {
  const std::shared_ptr<Shape> square = std::make_shared<Square>();
  const std::any as_shape = square;
  EXPECT_EQ((console::forced_cast<Polygon, Shape>(as_shape)), square);  // a subclass passes the test
  EXPECT_EQ((console::forced_cast<Square, Shape>(as_shape)), square);
  const std::any as_polygon = std::static_pointer_cast<Polygon>(std::make_shared<Square>());
  EXPECT_NE((console::forced_cast<Square, Shape, Polygon>(as_polygon)), nullptr);  // each named class in turn

  const auto polygon = std::make_shared<Polygon>();
  const std::any exactly = polygon;
  EXPECT_EQ(console::forced_cast<Polygon>(exactly), polygon);

  // Stored as a subclass of the target: naming that class finds it too.
  const std::any as_square = std::make_shared<Square>();
  static_assert(
      std::same_as<decltype(console::forced_cast<Polygon, Square>(as_square)), std::shared_ptr<Polygon>>);
  EXPECT_NE((console::forced_cast<Polygon, Square>(as_square)), nullptr);
}

TEST(Checked, AValueOfAnyTypeIsHeldExactly) {
  const std::any value = Plain{7};
  static_assert(std::same_as<decltype(console::forced_cast<Plain>(value)), const Plain&>);
  EXPECT_EQ(&console::forced_cast<Plain>(value), std::any_cast<Plain>(&value));
  EXPECT_EQ(console::forced_cast<Plain>(value).n, 7);
}

// Only objects are found through other classes; and only a std::any itself is cast, never a temporary any
// made from some other argument (the value's result would refer into it).
static_assert(AnyCastable<Polygon, Shape> && AnyCastable<Plain> && !AnyCastable<Plain, Shape>);
static_assert(CastableFrom<std::string, std::any> && !CastableFrom<std::string, std::string>);

TEST(CheckedDeathTest, FailedForcesStopTheProgram) {
  console::start_program("Demo");
  std::optional<int> empty;
  EXPECT_DEATH(console::force(empty), "^Demo: unexpectedly found nil while unwrapping an Optional value\n");
  std::weak_ptr<Time> gone;
  { gone = std::make_shared<Time>(); }
  EXPECT_DEATH(console::force(gone), "^Demo: unexpectedly found nil while unwrapping a weak reference\n");
  const std::shared_ptr<Time> time = std::make_shared<Time>();
  EXPECT_DEATH(console::forced_cast<Time12>(time), "^Demo: could not cast value of type Time to Time12\n");
  EXPECT_DEATH(console::forced_cast<Time12>(std::shared_ptr<Time>{}), "could not cast");
  EXPECT_DEATH(console::forced_cast<std::int64_t>(std::any(std::string("x"))), "could not cast .* to Int");
}

TEST(CheckedDeathTest, AnObjectOfAnyTypeOfAnotherClassStops) {
  console::start_program("Demo");
  const std::any circle = std::shared_ptr<Shape>(std::make_shared<Circle>());
  EXPECT_DEATH((console::forced_cast<Polygon, Shape>(circle)),
               "^Demo: could not cast value of type Shape to Polygon\n");
  // Held as a Shape, but Shape is not named: no reference of a class the cast knows.
  EXPECT_DEATH(console::forced_cast<Polygon>(circle), "^Demo: could not cast value of any type to Polygon\n");
  EXPECT_DEATH((console::forced_cast<Polygon, Shape>(std::any(std::string("x")))), "of any type to Polygon");
  EXPECT_DEATH((console::forced_cast<Polygon, Shape>(std::any(std::shared_ptr<Shape>{}))),
               "of type Shape to Polygon");
  EXPECT_DEATH((console::forced_cast<Polygon, Shape>(std::any(Plain{}))), "of any type to Polygon");
}

}  // namespace
