// Every type the program declares has its console form and its type name, printed or not.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "console/render.h"
#include "quillmere13/classes.h"
#include "quillmere13/pick_forever.h"
#include "quillmere13/reply.h"
#include "quillmere13/sequences.h"
#include "quillmere13/time.h"
#include "quillmere13/vector.h"
#include "quillmere13/word_reader.h"
#include "testing/support.h"

namespace q13 {
namespace {

using test_support::printable_type_names;

TEST(ConsoleFormsTest, EveryTypeHasAFormAndAName) {
  EXPECT_EQ((printable_type_names<std::shared_ptr<Alpha>, std::shared_ptr<Beta>,
                                  std::shared_ptr<GeoPoint<double>>, std::shared_ptr<GPSPoint<float>>,
                                  std::shared_ptr<ViewPoint>, std::shared_ptr<WordReader>, Time, Time2,
                                  Vector<std::vector<std::string>>, PickForever<std::int64_t>,
                                  ReversedCollection<std::vector<std::string>>, Reply>()),
            (std::vector<std::string>{"Alpha", "Beta", "GeoPoint<Double>", "GPSPoint<Float>", "ViewPoint",
                                      "WordReader", "Time", "Time2", "Vector<Array<String>>",
                                      "PickForever<Int>", "ReversedCollection<Array<String>>", "Reply"}));
}

TEST(ConsoleFormsTest, EnumerationCasesAndClassesWithoutADescription) {
  console::start_program("Quillmere13");
  EXPECT_EQ(console::render(Reply::attendWith("伊月")), "attendWith(\"伊月\")");
  EXPECT_EQ(console::render(Reply::attend()), "attend");
  EXPECT_EQ(console::debug(Reply::notAttend()), "Quillmere13.notAttend");
  EXPECT_EQ(console::render(std::vector{Reply::attend(), Reply::attendWith("秋穂")}),
            "[Quillmere13.attend, Quillmere13.attendWith(\"秋穂\")]");
  EXPECT_EQ(console::render(std::make_shared<Beta>(1)), "Quillmere13.Beta");
  EXPECT_EQ(console::render(std::shared_ptr<Alpha>(std::make_shared<Beta>(1))), "Quillmere13.Beta");
}

}  // namespace
}  // namespace q13
