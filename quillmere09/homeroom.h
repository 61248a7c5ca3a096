// Section 7: a home room holds its students strongly, each student refers
// back to its home room without owning it (q09::Unowned).
//
// The back-reference is not optional: a student always has a home room, and
// the driver reads it only while the home room lives. Destroying the home room
// prints its own line first, then releases the students in admission order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "quillmere09/lifetime.h"
#include "quillmere09/unowned.h"

namespace q09::unowned {

class HomeRoom;

class Student : public ReferenceType {
 public:
  Student(std::string name, const std::shared_ptr<HomeRoom>& homeroom);
  ~Student();  // "<name>: deinit"

  std::string description() const;  // "赤沢, ３年３組"

  const std::string name;
  Unowned<HomeRoom> homeroom;  // never keeps the home room alive
};

class HomeRoom : public ReferenceType {
 public:
  explicit HomeRoom(std::string name);
  ~HomeRoom();  // "HomeRoom <name>: deinit", then releases the members in order

  // Appends the student, who already names this home room.
  void admit(std::shared_ptr<Student> student);

  const std::string name;
  std::vector<std::shared_ptr<Student>> members;
};

}  // namespace q09::unowned
