#include "quillmere09/homeroom.h"

#include <utility>

#include "console/engine.h"
#include "console/print.h"
#include "quillmere09/lifetime.h"

namespace q09::unowned {

Student::Student(std::string name, const std::shared_ptr<HomeRoom>& homeroom)
    : name(std::move(name)), homeroom(homeroom) {}

Student::~Student() {
  console::print(console::cat(name, ": deinit"));
}

std::string Student::description() const {
  return console::cat(name, ", ", homeroom->name);
}

HomeRoom::HomeRoom(std::string name) : name(std::move(name)) {}

HomeRoom::~HomeRoom() {
  console::print(console::cat("HomeRoom ", name, ": deinit"));
  release_in_order(members);
}

void HomeRoom::admit(std::shared_ptr<Student> student) {
  members.push_back(std::move(student));
}

}  // namespace q09::unowned
