#include "quillmere09/weak.h"

#include <utility>

#include "console/engine.h"
#include "console/print.h"
#include "quillmere09/lifetime.h"

namespace q09::weak {

Student::Student(std::string name) : name(std::move(name)) {}

Student::~Student() {
  console::print(console::cat(name, ": deinit"));
}

std::string Student::description() const {
  // lock() pins the club for this line only; empty once it was destroyed.
  if (const auto current = club.lock()) {
    return console::cat(name, ", ", current->name);
  }
  return name;
}

Club::Club(std::string name) : name(std::move(name)) {}

Club::~Club() {
  console::print(console::cat("Club ", name, ": deinit"));
  release_in_order(members);
}

void Club::admit(const std::shared_ptr<Student>& student) {
  members.push_back(student);
  student->club = weak_from_this();
}

}  // namespace q09::weak
