#include "quillmere09/club_model.h"

#include <utility>

namespace q09::chaining {

Teacher::Teacher(std::string name, std::optional<std::string> subject)
    : name(std::move(name)), subject(std::move(subject)) {}

Club::Club(std::string name) : name(std::move(name)) {}

void Club::admit(const std::shared_ptr<Student>& student) {
  members.push_back(student);
  student->club = weak_from_this();
}

bool Club::isOfficial() const {
  return members.size() >= 5 && !teacher.expired();
}

Student::Student(std::string name) : name(std::move(name)) {}

}  // namespace q09::chaining
