#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "document/object.h"

namespace pravelo {

// A thermal spoke: a rectangle from the pad centre across the clearance gap into the plane.
using SpokeRectangle = std::array<FPoint, 4>;

// How far a spoke reaches into the ground plane beyond the clearance gap, in units.
inline constexpr double kSpokeReach = 500;

// Which byte of a pad's spoke pattern holds the spokes of a copper layer: 0 C1, 1 C2, 2 I1,
// 3 I2 (0 for any other layer).
int spokeLayerByte(int layer);

// Whether spoke direction k (1 up, then clockwise in 45 degree steps up to 8) of a pad or SMD
// pad is switched on for copper layer `layer`.
bool spokeEnabled(const TObjekt& pad, int k, int layer);

// The enabled spokes of a pad or SMD pad on `layer`, in direction order. `reach` is how far
// they enter the plane (kSpokeReach, scaled by callers that draw in scaled coordinates).
// Pads of zero size or of an unknown shape have none.
std::vector<SpokeRectangle> thermalSpokes(const TObjekt& pad, int layer, double reach);

}  // namespace pravelo
