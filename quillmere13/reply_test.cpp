#include "quillmere13/reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q13 {
namespace {

using Strings = std::vector<std::string>;

TEST(ReplyTest, EachCaseContributesItsNames) {
  EXPECT_EQ(attendees("那由多", Reply::attendWith("伊月")), (Strings{"那由多", "伊月"}));
  EXPECT_EQ(attendees("政宗", Reply::attend()), (Strings{"政宗"}));
  EXPECT_TRUE(attendees("夢子", Reply::notAttend()).empty());
}

}  // namespace
}  // namespace q13
