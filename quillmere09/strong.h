// Sections 1 to 4: classes that hold each other only by strong references.
//
// Every reference here is a std::shared_ptr: it keeps its object alive. A
// Student and the Club that admitted it therefore own each other, and once
// nothing else reaches them they are never destroyed (section 3's cycle).
// Each class prints a deinit line from its destructor, before its fields are
// released.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "quillmere09/lifetime.h"

namespace q09::strong {

class Person : public ReferenceType {
 public:
  Person(std::string name, std::int64_t age);
  ~Person();  // "<name>: deinit"

  std::string description() const;  // "勇太, 16"

  const std::string name;
  std::int64_t age;
};

class Club;

class Student : public ReferenceType {
 public:
  explicit Student(std::string name);
  ~Student();  // "<name>: deinit", then releases its club

  std::string description() const;  // "悠二, 昼寝同好会", or the bare name without a club

  const std::string name;
  std::optional<std::shared_ptr<Club>> club;  // an optional strong reference: keeps the club alive
};

// Needs shared_from_this(): admitting hands the student a strong reference
// to this very club.
class Club : public ReferenceType, public std::enable_shared_from_this<Club> {
 public:
  explicit Club(std::string name);
  ~Club();  // "Club <name>: deinit", then releases the members in order

  // Appends the student, then points the student's club back here: from now
  // on club and student keep each other alive.
  void admit(const std::shared_ptr<Student>& student);

  const std::string name;
  std::vector<std::shared_ptr<Student>> members;
};

}  // namespace q09::strong
