#pragma once

#include <cstdint>
#include <numbers>

#include "document/object.h"

namespace pravelo {

// The three angle conventions of the program, kept apart by type:
// circle arcs in millidegrees anticlockwise, text rotation in whole degrees, and segment
// directions in radians clockwise from +x (see directionAngle).
struct MilliDeg {
  std::int32_t value = 0;
  friend bool operator==(MilliDeg, MilliDeg) = default;
};
struct WholeDeg {
  std::int32_t value = 0;
  friend bool operator==(WholeDeg, WholeDeg) = default;
};
struct Radians {
  double value = 0;
};

inline constexpr std::int32_t kFullCircleMilliDeg = 360000;

inline double toDegrees(MilliDeg a) { return a.value / 1000.0; }
inline double toDegrees(Radians a) { return a.value * 180.0 / std::numbers::pi; }
inline double degreesToRadians(double degrees) { return degrees * std::numbers::pi / 180.0; }
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// Brings an angle into 0..359999.
inline MilliDeg normalised(MilliDeg a) {
  std::int32_t v = a.value % kFullCircleMilliDeg;
  if (v < 0) v += kFullCircleMilliDeg;
  return {v};
}

// Reduces an angle, computed wide so that sums of damaged values cannot overflow, to one turn
// of `turn` steps: 0 <= result < turn.
inline std::int32_t wrapAngle(std::int64_t value, std::int64_t turn) {
  value %= turn;
  return static_cast<std::int32_t>(value < 0 ? value + turn : value);
}
inline constexpr std::int64_t kFullTurnDegrees = 360;

// Circles keep their start angle in `paramA` and their stop angle in `width`.
inline MilliDeg circleStartAngle(const TObjekt& circle) { return {circle.paramA}; }
inline MilliDeg circleStopAngle(const TObjekt& circle) { return {circle.width}; }
inline WholeDeg textRotation(const TObjekt& text) { return {text.paramB}; }

}  // namespace pravelo
