#include "console/checked.h"

#include <gtest/gtest.h>

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

class Time {
 public:
  virtual ~Time() = default;
};
class Time12 : public Time {};
class Time12Plus : public Time12 {};
class Other {};

// A hierarchy no program uses, for the downcasts out of values of any type; Named is an interface that a
// cast reaches across the hierarchy.
class Shape : public console::Object {};
class Polygon : public Shape {};
class Square : public Polygon {};
class Circle : public Shape {};
class Named {
 public:
  virtual ~Named() = default;
};
class Label : public Shape, public Named {};
class Unrooted {
 public:
  virtual ~Unrooted() = default;
};
struct Plain {
  int n = 0;
};

template <class T, class Argument>
concept CastableFrom = requires(Argument&& argument) {
  console::forced_cast<T>(std::forward<Argument>(argument));
};

// Objects go into a value of any type only when their class has the common root. Only an Any itself is cast,
// and a value is never cast out of a temporary one.
static_assert(std::constructible_from<console::Any, std::shared_ptr<Square>> &&
              !std::constructible_from<console::Any, std::shared_ptr<Unrooted>> &&
              !std::constructible_from<console::Any, std::shared_ptr<const Square>>);
static_assert(CastableFrom<std::string, const console::Any&> && !CastableFrom<std::string, std::string> &&
              !CastableFrom<std::string, console::Any> && CastableFrom<Square, console::Any>);

TEST(CheckedTest, ForceGivesTheValueOrTheObject) {
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

TEST(CheckedTest, ForcedCastIsARunTimeClassTest) {
  const std::shared_ptr<Time> time12 = std::make_shared<Time12>();
  const std::shared_ptr<Time> plus = std::make_shared<Time12Plus>();
  EXPECT_EQ(console::forced_cast<Time12>(time12).get(), time12.get());
  EXPECT_EQ(console::forced_cast<Time12>(plus).get(), plus.get());  // a subclass passes the test
  const console::Any text = std::string("駅前");
  EXPECT_EQ(console::forced_cast<std::string>(text), "駅前");
}

TEST(CheckedTest, AnObjectOfAnyTypeIsCastByItsDynamicClass) {
  const auto square = std::make_shared<Square>();
  const auto label = std::make_shared<Label>();
  // Each object boxed through two reference types: cast back, it passes exactly for its class, the classes
  // it derives from and an interface it adopts.
  for (const console::Any& thing : {console::Any(std::shared_ptr<Shape>(square)), console::Any(square)}) {
    EXPECT_EQ(thing.cast<Square>(), square);
    EXPECT_EQ(thing.cast<Polygon>(), square);
    EXPECT_EQ(thing.cast<Shape>(), square);
    EXPECT_EQ(thing.cast<Circle>(), nullptr);
    EXPECT_EQ(thing.cast<Named>(), nullptr);
    EXPECT_EQ(console::forced_cast<Polygon>(thing), square);
  }
  for (const console::Any& thing : {console::Any(std::shared_ptr<Shape>(label)), console::Any(label)}) {
    EXPECT_EQ(thing.cast<Named>().get(), static_cast<Named*>(label.get()));
    EXPECT_EQ(thing.cast<Polygon>(), nullptr);
  }
  static_assert(
      std::same_as<decltype(console::forced_cast<Polygon>(console::Any(square))), std::shared_ptr<Polygon>>);
  EXPECT_EQ(console::Any(std::shared_ptr<Shape>{}).cast<Shape>(), nullptr);
}

TEST(CheckedTest, AValueOfAnyTypeIsHeldExactly) {
  const console::Any value = Plain{7};
  static_assert(std::same_as<decltype(console::forced_cast<Plain>(value)), const Plain&>);
  EXPECT_EQ(&console::forced_cast<Plain>(value), value.cast<Plain>());
  EXPECT_EQ(console::forced_cast<Plain>(value).n, 7);
  const console::Any number = std::int64_t{15532};
  EXPECT_EQ(number.cast<std::int32_t>(), nullptr);
  EXPECT_EQ(number.cast<std::string>(), nullptr);
  EXPECT_EQ(*number.cast<std::int64_t>(), 15532);
}

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
  const console::Any text = std::string("x");
  EXPECT_DEATH(console::forced_cast<std::int64_t>(text), "^Demo: could not cast value of any type to Int\n");
}

TEST(CheckedDeathTest, AnObjectOfAnyTypeOfAnotherClassStops) {
  console::start_program("Demo");
  const console::Any circle = std::shared_ptr<Shape>(std::make_shared<Circle>());
  EXPECT_DEATH(console::forced_cast<Polygon>(circle),
               "^Demo: could not cast value of type Circle to Polygon\n");
  EXPECT_DEATH(console::forced_cast<Named>(circle), "^Demo: could not cast value of type Circle to Named\n");
  EXPECT_DEATH(console::forced_cast<std::string>(circle),
               "^Demo: could not cast value of type Circle to String\n");
  EXPECT_DEATH(console::forced_cast<Polygon>(console::Any(std::shared_ptr<Shape>{})),
               "^Demo: could not cast nil to Polygon\n");
  EXPECT_DEATH(console::forced_cast<Polygon>(console::Any(Plain{})),
               "^Demo: could not cast value of any type to Polygon\n");
}

}  // namespace
