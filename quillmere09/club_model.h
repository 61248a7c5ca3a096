// Section 8: the model that optional chaining walks through.
//
// A student refers to its club weakly, a club to its teacher weakly, and a
// teacher's subject is optional: every way from a student to its teacher's
// subject passes three places where nothing may be found. Only a club holds
// anything alive (its members). None of these classes prints anything itself.
//
// All three are classes (reference types, shared through std::shared_ptr).
// Each declares its stored properties once in properties() (fixed with
// console::let, variable with console::var) so that key paths can tell which
// of them may be written; not in fields(), a record's field list, since an
// object prints by its class name, never as a record.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "console/record.h"
#include "quillmere09/lifetime.h"

namespace q09::chaining {

class Teacher : public ReferenceType {
 public:
  explicit Teacher(std::string name, std::optional<std::string> subject = std::nullopt);

  const std::string name;
  std::optional<std::string> subject;

  static constexpr auto properties() {
    return std::tuple{console::let("name", &Teacher::name), console::var("subject", &Teacher::subject)};
  }
};

class Student;

class Club : public ReferenceType, public std::enable_shared_from_this<Club> {
 public:
  explicit Club(std::string name);

  // Appends the student, then points the student's weak club back here.
  void admit(const std::shared_ptr<Student>& student);

  // At least 5 members and a teacher that is still alive.
  bool isOfficial() const;

  const std::string name;
  std::weak_ptr<Teacher> teacher;  // does not keep the teacher alive
  std::int64_t budget = 0;
  std::vector<std::shared_ptr<Student>> members;

  static constexpr auto properties() {
    return std::tuple{console::let("name", &Club::name), console::var("teacher", &Club::teacher),
                      console::var("budget", &Club::budget), console::var("members", &Club::members)};
  }
};

class Student : public ReferenceType {
 public:
  explicit Student(std::string name);

  const std::string name;
  std::weak_ptr<Club> club;  // does not keep the club alive

  static constexpr auto properties() {
    return std::tuple{console::let("name", &Student::name), console::var("club", &Student::club)};
  }
};

}  // namespace q09::chaining
