// The values the program builds without printing them have their console forms and type names too.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "console/render.h"
#include "quillmere18/sequences.h"

namespace {

TEST(ConsoleFormsTest, TheGroupedAndMergedDictionariesHaveFormsAndNames) {
  const std::vector<std::string> names{"yukino", "ｙｕｉ"};
  const auto by_initial = q18::grouped(names, q18::upper_initial);
  EXPECT_EQ(console::type_name<decltype(by_initial)>(), "Dictionary<String, Array<String>>");
  EXPECT_EQ(console::render(by_initial), R"(["Y": ["yukino"], "Ｙ": ["ｙｕｉ"]])");
  const auto merged = q18::merging(std::map<std::string, std::int64_t>{{"遠山", 6}},
                                   std::map<std::string, std::int64_t>{{"遠山", 3}}, std::plus<>{});
  EXPECT_EQ(console::type_name<decltype(merged)>(), "Dictionary<String, Int>");
  EXPECT_EQ(console::render(merged), R"(["遠山": 9])");
}

}  // namespace
