// Name plates: failable initialisers, and subclass initialisers that fix or replace what they hand on.
//
// Two families that behave alike but fail in two C++ ways: plates1 checks the name before any object
// exists (a factory returns null), plates2 builds the object and then runs its initialiser chain, which
// may fail, dropping the half-made object (as a failable initialiser releases what it had set up).
// Either way the caller gets a null reference and nothing is printed.
//
// The factories are the only way to a plate: every constructor takes the family's PlateKey, which only the
// family's own classes can make (its constructor is private, so not even `{}` makes one).
#pragma once

#include <memory>
#include <string>

namespace q08 {

// "[title] name", or the name alone when the title is empty.
std::string plateText(const std::string& name, const std::string& title);

namespace plates1 {

class NamePlate;
class SpeakerNamePlate;
class GuestNamePlate;

class PlateKey {
  PlateKey() = default;
  friend NamePlate;
  friend SpeakerNamePlate;
  friend GuestNamePlate;
};

class NamePlate {
 protected:
  using Key = PlateKey;

 public:
  // A failable initialiser: null when the name is empty.
  static std::shared_ptr<NamePlate> make(std::string name, std::string title);

  NamePlate(Key, std::string name, std::string title) : name(std::move(name)), title(std::move(title)) {}
  virtual ~NamePlate() = default;

  std::string description() const { return plateText(name, title); }

  std::string name;
  std::string title;

 protected:
  // The one condition under which NamePlate's initialiser fails; subclasses chain to it.
  static bool accepts(const std::string& name) { return !name.empty(); }
};

class SpeakerNamePlate : public NamePlate {
 public:
  // A failable initialiser: a NamePlate titled "講演者"; null when the name is empty.
  static std::shared_ptr<SpeakerNamePlate> make(std::string name);

  SpeakerNamePlate(Key key, std::string name) : NamePlate(key, std::move(name), "講演者") {}
};

class GuestNamePlate : public NamePlate {
 public:
  // Never fails: "出席者" untitled, the name replacing it when not empty.
  static std::shared_ptr<GuestNamePlate> make(std::string name);

  GuestNamePlate(Key key, std::string name);
};

}  // namespace plates1

namespace plates2 {

class NamePlate;

class PlateKey {
  PlateKey() = default;
  friend NamePlate;  // makeFailable makes every plate of the family
};

class NamePlate {
 protected:
  using Key = PlateKey;

 public:
  // A failable initialiser: null when the name is empty.
  static std::shared_ptr<NamePlate> make(std::string name, std::string title);

  explicit NamePlate(Key) {}
  virtual ~NamePlate() = default;

  std::string description() const { return plateText(name, title); }

  std::string name;
  std::string title;

 protected:
  // Builds an object, then runs its initialiser; a failure drops the object.
  template <class T, class... Args>
  static std::shared_ptr<T> makeFailable(Args&&... args) {
    auto object = std::make_shared<T>(Key{});
    if (!object->init(std::forward<Args>(args)...)) return nullptr;
    return object;
  }

  // The designated initialiser: false (failure) when the name is empty.
  bool init(std::string name, std::string title);
};

class SpeakerNamePlate : public NamePlate {
 public:
  static std::shared_ptr<SpeakerNamePlate> make(std::string name);
  explicit SpeakerNamePlate(Key key) : NamePlate(key) {}

 private:
  friend class NamePlate;
  bool init(std::string name) { return NamePlate::init(std::move(name), "講演者"); }
};

class GuestNamePlate : public NamePlate {
 public:
  static std::shared_ptr<GuestNamePlate> make(std::string name);
  explicit GuestNamePlate(Key key) : NamePlate(key) {}

 private:
  friend class NamePlate;
  bool init(std::string name);
};

}  // namespace plates2

}  // namespace q08
