// Two small class hierarchies for the generic demonstrations; objects are held by std::shared_ptr.
//
// Alpha / Beta: plain data classes; a Beta passes where an Alpha is asked for and keeps its own `sub`.
// GeoPoint<T> / GPSPoint<T> / ViewPoint: points that print with compass letters; the description and
// toString() dispatch dynamically, so a ViewPoint seen as a GPSPoint<double> still prints as a ViewPoint.
//
//   console::print(std::make_shared<q13::GPSPoint<double>>(-33.5, -70.25));  // "GPSPoint: S33.5, W70.25"
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "console/description.h"
#include "console/engine.h"
#include "console/type_name.h"
#include "quillmere13/ordering.h"

namespace q13 {

class Alpha {
 public:
  explicit Alpha(std::int64_t value) : value(value) {}
  virtual ~Alpha() = default;

  std::string name = "Alpha";
  std::int64_t value;
};

class Beta : public Alpha {
 public:
  explicit Beta(std::int64_t value) : Alpha(value) { name = "Beta"; }

  const std::string sub = "Subclass";
};

template <class T>
class GeoPoint {
 public:
  GeoPoint(T latitude, T longitude) : latitude(latitude), longitude(longitude) {}
  virtual ~GeoPoint() = default;

  static std::string type_name() { return "GeoPoint<" + console::type_name<T>() + ">"; }

  virtual std::string toString() const { return console::cat("(", latitude, ", ", longitude, ")"); }

  T latitude;
  T longitude;
};

// The letter for the sign bit (so negative zero counts as minus) followed by the magnitude.
template <FloatingPoint T>
std::string compass(T degrees, const char* plus, const char* minus) {
  return std::signbit(degrees) ? console::cat(minus, -degrees) : console::cat(plus, degrees);
}

// Adopts the description protocol, so that a GPSPoint prints by its description also through a GeoPoint.
template <FloatingPoint T>
class GPSPoint : public GeoPoint<T>, public console::CustomStringConvertible {
 public:
  using GeoPoint<T>::GeoPoint;

  static std::string type_name() { return "GPSPoint<" + console::type_name<T>() + ">"; }

  // "N35.7004, E139.77217", each number in the plain form of T.
  std::string toString() const override {
    return compass(this->latitude, "N", "S") + ", " + compass(this->longitude, "E", "W");
  }
  std::string description() const override { return "GPSPoint: " + toString(); }
};

class ViewPoint : public GPSPoint<double> {
 public:
  ViewPoint(std::string name, double latitude, double longitude)
      : GPSPoint<double>(latitude, longitude), name(std::move(name)) {}

  std::string description() const override { return "ViewPoint: " + name + ", " + toString(); }

  const std::string name;
};

}  // namespace q13
