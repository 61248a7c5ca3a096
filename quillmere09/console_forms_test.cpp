// Every type the program declares has its console form and its type name, printed or not.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/render.h"
#include "quillmere09/club_model.h"
#include "quillmere09/explorers.h"
#include "quillmere09/homeroom.h"
#include "quillmere09/locker.h"
#include "quillmere09/strong.h"
#include "quillmere09/weak.h"
#include "testing/support.h"

namespace q09 {
namespace {

using test_support::printable_type_names;

TEST(ConsoleFormsTest, EveryTypeHasAFormAndAName) {
  using std::shared_ptr;
  EXPECT_EQ(
      (printable_type_names<shared_ptr<strong::Person>, shared_ptr<strong::Student>, shared_ptr<strong::Club>,
                            shared_ptr<weak::Student>, shared_ptr<weak::Club>, shared_ptr<unowned::Student>,
                            shared_ptr<unowned::HomeRoom>, shared_ptr<chaining::Teacher>,
                            shared_ptr<chaining::Club>, shared_ptr<chaining::Student>,
                            shared_ptr<keypaths::Party>, shared_ptr<keypaths::Locker>, keypaths::Explorer,
                            keypaths::Person, keypaths::HighScore>()),
      (std::vector<std::string>{"Person", "Student", "Club", "Student", "Club", "Student", "HomeRoom",
                                "Teacher", "Club", "Student", "Party", "Locker", "Explorer", "Person",
                                "HighScore"}));
}

}  // namespace
}  // namespace q09
