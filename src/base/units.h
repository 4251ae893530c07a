#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace pravelo {

// One internal length unit is 0.1 micrometre.
inline constexpr int kUnitsPerMm = 10000;
inline constexpr int kUnitsPerMil = 254;

// Every conversion from a real number to an integer in the program rounds half to even,
// the processor's default rounding mode. Values beyond the 64-bit range saturate and NaN gives 0,
// so damaged or extreme input can never make the conversion undefined.
inline std::int64_t roundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = -9223372036854775808.0;  // -2^63, exact as a double
  constexpr double hi = 9223372036854774784.0;   // the largest double below 2^63
  return static_cast<std::int64_t>(std::nearbyint(std::fmin(std::fmax(v, lo), hi)));
}

// Rounds half to even into the 32-bit range; values beyond it (and NaN, as 0) saturate instead
// of wrapping, so a far-away point can never come back as a near one.
inline std::int32_t roundToInt32(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::nearbyint(std::fmin(std::fmax(v, lo), hi)));
}

// Rounds to a number of decimals (half to even on the scaled value).
inline double roundToDecimals(double v, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return static_cast<double>(roundHalfEven(v * scale)) / scale;
}

// Dialog millimetres to internal units.
inline std::int64_t mmToUnits(double mm) { return roundHalfEven(mm * kUnitsPerMm); }
// Millimetres to units without rounding, for values kept as reals (the grid spacing).
inline double mmToUnitsExact(double mm) { return mm * kUnitsPerMm; }
inline double unitsToMm(double units) { return units / kUnitsPerMm; }
inline double unitsToMil(double units) { return units / kUnitsPerMil; }
inline double milToUnits(double mil) { return mil * kUnitsPerMil; }

// Grid values are given in mm, micrometres or mil.
inline double umToMm(double um) { return um / 1000.0; }
inline double gridMilToMm(double mil) { return mil * 25.4 / 1000.0; }
// Grid and list captions show mil with this factor.
inline double mmToCaptionMil(double mm) { return mm * 39.370078; }

// The length field shows millimetres as mil by dividing by 0.0254, reads typed mil back by
// dividing by 39.37 and converts its limits by multiplying with 39.37; the three factors differ
// slightly, and stored values depend on each of them.
inline double mmToFieldMil(double mm) { return mm / 0.0254; }
inline double fieldMilToMm(double mil) { return mil / 39.37; }
inline double mmToFieldMilLimit(double mm) { return mm * 39.37; }

}  // namespace pravelo
