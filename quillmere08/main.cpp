// Quillmere08: classes — stored and computed properties, observers, designated, failable and required
// initialisers, overriding, class-level members, run-time type tests and casts, type values, and an object
// that owns a C file handle. Twenty sections, run in order.
#include <any>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/checked.h"
#include "console/print.h"
#include "console/program.h"
#include "console/type_name.h"
#include "console/utf8.h"
#include "console/values.h"
#include "quillmere08/avatar.h"
#include "quillmere08/calendar.h"
#include "quillmere08/cast.h"
#include "quillmere08/clock.h"
#include "quillmere08/ic_card.h"
#include "quillmere08/name_plate.h"
#include "quillmere08/pairs.h"
#include "quillmere08/prop.h"
#include "quillmere08/recipe.h"
#include "quillmere08/word_reader.h"

namespace {

using console::print;

// A single Time, moved on by a minute.
void section1() {
  using q08::time1::Time;
  auto time = std::make_shared<Time>(13, 20);
  print(time->clockText());
  time->advance(1);
  print(time->clockText());
}

const char* meridiem(const q08::time2::Time12& time) {
  return time.pm ? "PM" : "AM";
}

// Run-time type tests and downcasts over a list of Time that also holds Time12 objects.
void section2() {
  using q08::is;
  using q08::time2::Time;
  using q08::time2::Time12;

  q08::time2::TimeList times;
  times.push_back(std::make_shared<Time>(13, 10));
  times.push_back(std::make_shared<Time12>(1, 20, true));
  times.push_back(std::make_shared<Time12>(1, 30, true));

  for (const auto& time : times) {
    if (is<Time12>(time)) {
      print(time);  // a Time12 prints by its own description, also as a Time
    } else {
      print(">", time->clockText());
    }
  }
  print(meridiem(*console::forced_cast<Time12>(times[1])));
  if (auto time12 = std::dynamic_pointer_cast<Time12>(times[2])) print(meridiem(*time12));
  if (auto time12 = std::dynamic_pointer_cast<Time12>(times[2])) print(meridiem(*time12));
  if (is<Time12>(times[2])) print("All Right");
  print("-----");

  // The same walk three times, each with another form of the test: `is` then `as!`, `as?`, and a
  // conditional downcast of the plain pointer.
  for (const auto& time : times) {
    if (is<Time12>(time)) {
      print("Time12: ", time);
    } else {
      print("Time: ", time->clockText());
    }
  }
  print("-----");
  for (const auto& time : times) {
    if (auto time12 = std::dynamic_pointer_cast<Time12>(time)) {
      print("Time12: ", time12);
    } else {
      print("Time: ", time->clockText());
    }
  }
  print("-----");
  for (const auto& time : times) {
    if (const auto* time12 = dynamic_cast<const Time12*>(time.get())) {
      print("Time12: ", *time12);
    } else {
      print("Time: ", time->clockText());
    }
  }
  print("-----");
}

// Conversions between Time, Time12 and values of any type.
void section3() {
  using q08::time2::Time;
  using q08::time2::Time12;

  {
    auto afternoon = std::make_shared<Time12>(1, 20, true);
    auto evening = std::make_shared<Time>(18, 45);
  }
  print(console::type<q08::time2::TimeList>);

  std::shared_ptr<Time> time = std::make_shared<Time12>(4, 30, true);
  auto sos = std::make_shared<q08::time2::SOS>();
  print(console::forced_cast<Time12>(time));

  const std::vector<std::any> things{std::make_shared<Time12>(1, 16, false), std::string("駅前"),
                                     std::int64_t{15532}};
  // A value of any type remembers the static type it was stored as; the cast names Time, the base class a
  // reference to a Time12 may have been stored as, and tests the object's class at run time.
  print(console::forced_cast<Time12, Time>(things[0]));
}

// Class-level counters, one per pair, read when a description is made.
void section4() {
  {
    auto a = std::make_shared<q08::pair1::A>();
    print(a);
    auto b = std::make_shared<q08::pair1::B>();
    print(b);
  }
  auto a = std::make_shared<q08::pair2::A>();
  print(a);
  auto b = std::make_shared<q08::pair2::B>();
  print(b);
}

// Type-level functions called on the types: static members, then members of the class objects.
void section5() {
  q08::pair3::A::show();
  q08::pair3::B::show();
  q08::classObject<q08::pair4::A>().show();
  q08::classObject<q08::pair4::B>().show();
}

// An overridable class method called on each object's dynamic class.
void section6() {
  std::shared_ptr<q08::pair5::A> first = q08::make<q08::pair5::A>();
  std::shared_ptr<q08::pair5::A> second = q08::make<q08::pair5::B>();
  first->dynamicType().show();
  first.reset();
  second->dynamicType().show();
}

// A property observer keeps the weekday in step with the day.
void section7() {
  auto date = std::make_shared<q08::CalendarDate>(2010, 7, 30);
  print(date);
  date->setDay(date->day() + 1);
  print(date);
}

// Prints the plates that were made; a failed initialiser left an empty element.
template <class Plate>
void printPlates(const std::vector<std::shared_ptr<Plate>>& plates) {
  for (const auto& plate : plates) {
    if (plate) print(plate);
  }
}

// Failable initialisers that decide before the object exists.
void section8() {
  using namespace q08::plates1;
  const std::vector<std::shared_ptr<NamePlate>> plates{
      NamePlate::make("za 恵", "主演"), SpeakerNamePlate::make(""), SpeakerNamePlate::make("vu zo"),
      GuestNamePlate::make("プロデューサー")};
  printPlates(plates);
}

// Failable initialisers that drop the object their chain had begun.
void section9() {
  using namespace q08::plates2;
  const std::vector<std::shared_ptr<NamePlate>> plates{
      NamePlate::make("za 恵", "主演"), SpeakerNamePlate::make(""), SpeakerNamePlate::make("vu zo"),
      GuestNamePlate::make("プロデューサー")};
  printPlates(plates);
}

// Subclass initialisers and a class-level serial number, in two families.
void section10() {
  {
    auto suiica = std::make_shared<q08::cards1::Suiica>();
    print(suiica->money);
    auto icocai = std::make_shared<q08::cards1::Icocai>();
    print(icocai->money);
  }
  auto suiica = std::make_shared<q08::cards2::Suiica>();
  print(suiica->money);
  auto icocai = std::make_shared<q08::cards2::Icocai>();
  print(icocai->money);
}

// Exchanging two elements of a list.
void section11() {
  std::vector<std::int64_t> list{0, 1, 2, 3, 4};
  std::swap(list[0], list[1]);
  print(list);
}

// An overriding property that reads the lowest bit.
void section12() {
  auto a = std::make_shared<q08::PropA>();
  a->setAttr(105);
  print(a->attr());
  auto b = std::make_shared<q08::PropB>();
}

// A subscript, its override, and a description built on it.
void section13() {
  print(std::make_shared<q08::Recipe>());
  print(std::make_shared<q08::Arrange>(10.0));
}

// Observers along a chain of overrides.
void section14() {
  auto gamma = std::make_shared<q08::Propγ>();
  gamma->setAttr(1);
}

// The static type of a value, and a run-time test of the same value boxed as a value of any type.
template <class T>
void printTypeTest(const T& value) {
  const std::any boxed = value;
  print(console::type_of(value), std::any_cast<T>(&boxed) != nullptr);
}

// Type names of library values.
void section15() {
  const std::vector<std::string> list{"John", "Smith"};
  const std::set<std::string> names(list.begin(), list.end());
  printTypeTest(console::Range<std::int64_t>{0, 10});
  printTypeTest(console::Range<std::int64_t>{-5, 5});
  printTypeTest(console::Range<std::uint8_t>{0, 255});
  printTypeTest(names);
  printTypeTest(console::Character(U'男'));
}

// Type values: a class, the type of a class, and a variable of that type holding a subclass.
void section16() {
  print(q08::classObject<q08::A>(), console::type_of(q08::classObject<q08::A>()));
  const q08::A::Type& type = q08::classObject<q08::B>();
  print(type, console::type<q08::A::Type>);
}

// A class method on a named class and on a dynamic class, and exact comparison of classes.
void section17() {
  using q08::Avatar;
  using q08::Player;
  q08::classObject<Player>().say();
  auto player = q08::make<Player>("(none)");
  if (player->dynamicType() == q08::classObject<Player>()) print(player->name);
  std::shared_ptr<Avatar> avatar = q08::make<Avatar>();
  avatar->dynamicType().say();
}

// Another object of an object's own class, through the required initialiser.
void section18() {
  using q08::time3::Time;
  using q08::time3::Time12;

  std::shared_ptr<Time> time = q08::make<Time>(11, 45);
  auto copy = time->dynamicType().make(time->hour, time->min);
  copy->advance(30);
  print(copy->clockText());

  std::shared_ptr<Time> time12 = q08::make<Time12>(11, 45);
  auto copy12 = time12->dynamicType().make(time12->hour, time12->min);
  copy12->advance(30);
  print(console::forced_cast<Time12>(copy12));
}

// A protocol test on the object's dynamic class.
void section19() {
  std::shared_ptr<q08::A> c = q08::make<q08::C>();
  print(q08::conforms<q08::P>(*c));
}

// Words printed with the terminator " ", gathered into one write per 64 KiB rather than one per word (a
// large word file spends most of its time in per-call costs otherwise). Flush before anything else prints.
class WordBatch {
 public:
  // Appends what print_to(text, {.terminator = " "}, word) would, a text's plain form being the text itself,
  // without the general machinery for every word.
  void add(const std::string& word) {
    const std::size_t size = word.size();
    if (size + short_word >= static_cast<std::size_t>(std::end(pending_) - end_)) {
      flush();
      if (size + short_word >= sizeof pending_) {  // a word larger than the batch goes out on its own
        print({.terminator = " "}, word);
        return;
      }
    }
    // A short word is copied as a whole short string's buffer (capacity and terminator included), one move
    // of a fixed size rather than a call for a few bytes; what lies past the word is overwritten next.
    if (size < short_word && word.capacity() + 1 >= short_word) {
      std::memcpy(end_, word.data(), short_word);
    } else {
      std::memcpy(end_, word.data(), size);
    }
    end_ += size;
    *end_++ = ' ';
  }
  void flush() {
    print({.terminator = ""}, std::string_view(pending_, end_));
    end_ = pending_;
  }

 private:
  static constexpr std::size_t short_word = 16;

  char pending_[64 * 1024];
  char* end_ = pending_;
};

// Every word of the text file, until "Q!" or the end. Returns the exit status.
int section20() {
  const std::string path = "Quillmere01.Start.cpp";
  auto reader = q08::WordReader::open(path);
  if (!reader) return EXIT_SUCCESS;
  WordBatch words;
  while (const auto word = reader->getWord()) {
    if (std::string_view(*word) == "Q!") {
      words.flush();
      reader.reset();
      std::exit(EXIT_SUCCESS);
    }
    words.add(*word);
  }
  words.flush();
  print("(EOF)");
  const auto error = reader->readError();
  reader->close();
  reader.reset();
  if (error) {
    // Not the end of the words: the file could not be read. The output above stands; the status says so.
    console::report_error(path + ": read error", *error);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

}  // namespace

int main() {
  console::start_program("Quillmere08");
  section1();
  section2();
  section3();
  section4();
  section5();
  section6();
  section7();
  section8();
  section9();
  section10();
  section11();
  section12();
  section13();
  section14();
  section15();
  section16();
  section17();
  section18();
  section19();
  return section20();
}
