#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/length_text.h"

namespace pravelo {

inline constexpr double kDefaultGrid = 12700.0;  // units: 1.27 mm

// "Default grids": 1/64 to 2 pitches of 2.54 mm.
inline constexpr std::array<std::int32_t, 8> kDefaultGridCodes{
    23968753, 20793754, 10158752, 10031753, 10006354, 10001275, 10002545, 10005085};
// "Metric grids": 0.01 to 2.5 mm.
inline constexpr std::array<std::int32_t, 11> kMetricGridCodes{
    10000015, 10000025, 10000254, 10000055, 10000016, 10000026,
    10000255, 10000056, 10000010, 10000020, 10000256};

// A grid list entry: the value in the display unit, then in the other unit in brackets.
std::string gridEntryCaption(double mm, LengthUnit unit);

// The grid button: the value in the display unit, left-padded with blanks to more than 8
// characters (mm) or 10 (mil).
std::string gridButtonCaption(double gridUnits, LengthUnit unit);

// Whether a list entry is the current grid (compared to 1e-4 units).
bool isCurrentGrid(double entryMm, double gridUnits);

// Adds a user grid code to the ascending user list unless a value within 1e-10 mm is there
// already; returns the index of the entry to choose, or -1 for a malformed code.
int addUserGrid(std::vector<std::int32_t>& userGrids, std::int32_t code);

}  // namespace pravelo
