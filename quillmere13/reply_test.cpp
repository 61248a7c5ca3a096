#include "quillmere13/reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q13 {
namespace {

std::vector<std::string> attendees(const std::string& name, const Reply& reply) {
  return reply.visit(
      [&](const Reply::AttendWith& with) {
        return std::vector<std::string>{name, with.companion};
      },
      [&](Reply::Attend) { return std::vector<std::string>{name}; },
      [](Reply::NotAttend) { return std::vector<std::string>{}; });
}

TEST(ReplyTest, EachCaseContributesItsNames) {
  EXPECT_EQ(attendees("那由多", Reply::attendWith("伊月")), (std::vector<std::string>{"那由多", "伊月"}));
  EXPECT_EQ(attendees("政宗", Reply::attend()), (std::vector<std::string>{"政宗"}));
  EXPECT_TRUE(attendees("夢子", Reply::notAttend()).empty());
}

}  // namespace
}  // namespace q13
