// Sections 5 and 6: a club holds its students strongly, each student refers
// back to its club weakly (std::weak_ptr).
//
// The weak back-reference breaks the cycle of section 3: the club dies as soon
// as the last reference from outside ends, and from that moment every
// student's `club` reads empty.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "quillmere09/lifetime.h"

namespace q09::weak {

class Club;

class Student : public ReferenceType {
 public:
  explicit Student(std::string name);
  ~Student();  // "<name>: deinit"

  // "悠二, 昼寝同好会" while the club lives, the bare name once it is gone.
  std::string description() const;

  const std::string name;
  std::weak_ptr<Club> club;  // weak: does not keep the club alive
};

class Club : public ReferenceType, public std::enable_shared_from_this<Club> {
 public:
  explicit Club(std::string name);
  ~Club();  // "Club <name>: deinit", then releases the members in order

  // Appends the student, then points the student's weak club back here.
  void admit(const std::shared_ptr<Student>& student);

  const std::string name;
  std::vector<std::shared_ptr<Student>> members;
};

}  // namespace q09::weak
