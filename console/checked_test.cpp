#include "console/checked.h"

#include <gtest/gtest.h>

#include <any>
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

}  // namespace
