#pragma once

#include <array>
#include <cstdint>

#include "document/board_header.h"
#include "document/object.h"

namespace pravelo {

// Whether an object is on copper layer `layer`: a plated-through pad on a copper layer is on C1
// and C2 always and on the inner layers while the multilayer switch is on; anything else only on
// its own layer.
bool isPresentOnLayer(const TObjekt& o, int layer, bool multilayer);

// A clearance as the ground plane uses it: negative values (damaged files) count as 0.
inline std::int32_t planeClearance(const TObjekt& o) { return o.clearance > 0 ? o.clearance : 0; }

// The layer that thermal spokes are shown for and the board switches they depend on. A layer of
// 0 shows no spokes.
struct SpokeLayer {
  int layer = 0;
  std::array<std::uint8_t, 7> groundPlane{};
  bool multilayer = false;
};

// The active layer of the board with its ground-plane and multilayer switches.
SpokeLayer spokeLayerOf(const BoardHeader& header);

// A pad or SMD pad with thermal spokes on, present on the spoke layer, whose ground plane is on.
bool showsThermalSpokes(const TObjekt& o, const SpokeLayer& spokes);

}  // namespace pravelo
