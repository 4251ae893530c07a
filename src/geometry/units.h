#pragma once

#include <cmath>
#include <cstdint>

namespace pravelo {

// Every conversion from a real number to an integer in the program rounds half to even,
// the processor's default rounding mode.
inline std::int64_t roundHalfEven(double v) { return static_cast<std::int64_t>(std::nearbyint(v)); }

// Dialog millimetres to internal units.
inline std::int64_t mmToUnits(double mm) { return roundHalfEven(mm * 10000.0); }
inline double unitsToMm(double units) { return units / 10000.0; }

}  // namespace pravelo
