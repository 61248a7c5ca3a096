#include "quillmere08/name_plate.h"

#include "console/engine.h"

namespace q08 {

std::string plateText(const std::string& name, const std::string& title) {
  return title.empty() ? name : console::cat("[", title, "] ", name);
}

namespace plates1 {

std::shared_ptr<NamePlate> NamePlate::make(std::string name, std::string title) {
  if (!accepts(name)) return nullptr;
  return std::make_shared<NamePlate>(Key{}, std::move(name), std::move(title));
}

std::shared_ptr<SpeakerNamePlate> SpeakerNamePlate::make(std::string name) {
  if (!accepts(name)) return nullptr;
  return std::make_shared<SpeakerNamePlate>(Key{}, std::move(name));
}

std::shared_ptr<GuestNamePlate> GuestNamePlate::make(std::string name) {
  return std::make_shared<GuestNamePlate>(Key{}, std::move(name));
}

GuestNamePlate::GuestNamePlate(Key key, std::string name) : NamePlate(key, "出席者", "") {
  if (!name.empty()) this->name = std::move(name);
}

}  // namespace plates1

namespace plates2 {

std::shared_ptr<NamePlate> NamePlate::make(std::string name, std::string title) {
  return makeFailable<NamePlate>(std::move(name), std::move(title));
}

bool NamePlate::init(std::string name, std::string title) {
  if (name.empty()) return false;
  this->name = std::move(name);
  this->title = std::move(title);
  return true;
}

std::shared_ptr<SpeakerNamePlate> SpeakerNamePlate::make(std::string name) {
  return makeFailable<SpeakerNamePlate>(std::move(name));
}

std::shared_ptr<GuestNamePlate> GuestNamePlate::make(std::string name) {
  return makeFailable<GuestNamePlate>(std::move(name));
}

bool GuestNamePlate::init(std::string name) {
  NamePlate::init("出席者", "");
  if (!name.empty()) this->name = std::move(name);
  return true;
}

}  // namespace plates2

}  // namespace q08
