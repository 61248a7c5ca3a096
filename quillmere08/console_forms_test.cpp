// Every type the program declares has its console form and its type name, printed or not.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/render.h"
#include "quillmere08/avatar.h"
#include "quillmere08/calendar.h"
#include "quillmere08/class_object.h"
#include "quillmere08/clock.h"
#include "quillmere08/ic_card.h"
#include "quillmere08/name_plate.h"
#include "quillmere08/pairs.h"
#include "quillmere08/prop.h"
#include "quillmere08/recipe.h"
#include "quillmere08/word_reader.h"

namespace q08 {
namespace {

// The type names of classes whose objects all have a console form through references; a class without a
// name does not compile.
template <class... Classes>
std::vector<std::string> printable_class_names() {
  static_assert((console::Renderable<std::shared_ptr<Classes>> && ...));
  return {console::type_name<std::shared_ptr<Classes>>()...};
}

TEST(ConsoleFormsTest, EveryClassHasAFormAndAName) {
  EXPECT_EQ(
      (printable_class_names<time1::Time, time2::Time, time2::Time12, time2::SOS, time3::Time, time3::Time12,
                             A, B, C, P, pair1::A, pair1::B, pair2::A, pair2::B, pair3::A, pair3::B, pair4::A,
                             pair4::B, pair5::A, pair5::B, DayOfMonth, DateInfo, CalendarDate>()),
      (std::vector<std::string>{"Time", "Time", "Time12", "SOS", "Time",       "Time12",   "A",           "B",
                                "C",    "P",    "A",      "B",   "A",          "B",        "A",           "B",
                                "A",    "B",    "A",      "B",   "DayOfMonth", "DateInfo", "CalendarDate"}));
  EXPECT_EQ((printable_class_names<plates1::NamePlate, plates1::SpeakerNamePlate, plates1::GuestNamePlate,
                                   plates2::NamePlate, plates2::SpeakerNamePlate, plates2::GuestNamePlate,
                                   cards1::ICCard, cards1::Icocai, cards1::Suiica, cards2::ICCard,
                                   cards2::Icocai, cards2::Suiica, Prop, PropA, PropB, Propα, Propβ, Propγ,
                                   Recipe, Arrange, Avatar, Player, WordReader>()),
            (std::vector<std::string>{"NamePlate",
                                      "SpeakerNamePlate",
                                      "GuestNamePlate",
                                      "NamePlate",
                                      "SpeakerNamePlate",
                                      "GuestNamePlate",
                                      "ICCard",
                                      "Icocai",
                                      "Suiica",
                                      "ICCard",
                                      "Icocai",
                                      "Suiica",
                                      "Prop",
                                      "PropA",
                                      "PropB",
                                      "Propα",
                                      "Propβ",
                                      "Propγ",
                                      "Recipe",
                                      "Arrange",
                                      "Avatar",
                                      "Player",
                                      "WordReader"}));
  EXPECT_EQ(console::type_name<decltype(classObject<pair5::B>())>(), "B.Type");
}

TEST(ConsoleFormsTest, AClassWithoutADescriptionPrintsItsQualifiedName) {
  console::start_program("Quillmere08");
  EXPECT_EQ(console::render(std::make_shared<time2::SOS>()), "Quillmere08.SOS");
  EXPECT_EQ(console::debug(std::make_shared<time1::Time>(13, 20)), "Quillmere08.Time");
}

}  // namespace
}  // namespace q08
