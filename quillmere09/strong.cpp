#include "quillmere09/strong.h"

#include <utility>

#include "console/engine.h"
#include "console/print.h"
#include "quillmere09/lifetime.h"

namespace q09::strong {

Person::Person(std::string name, std::int64_t age) : name(std::move(name)), age(age) {}

Person::~Person() {
  console::print(console::cat(name, ": deinit"));
}

std::string Person::description() const {
  return console::cat(name, ", ", age);
}

Student::Student(std::string name) : name(std::move(name)) {}

Student::~Student() {
  console::print(console::cat(name, ": deinit"));
  club.reset();
}

std::string Student::description() const {
  return club ? console::cat(name, ", ", (*club)->name) : name;
}

Club::Club(std::string name) : name(std::move(name)) {}

Club::~Club() {
  console::print(console::cat("Club ", name, ": deinit"));
  release_in_order(members);
}

void Club::admit(const std::shared_ptr<Student>& student) {
  members.push_back(student);
  student->club = shared_from_this();
}

}  // namespace q09::strong
