#pragma once

#include <cstddef>
#include <vector>

#include "document/document.h"

namespace pravelo {

// A vertex of an unselected track that follows the selected pads when they move.
struct AttachedVertex {
  TObjekt* track;
  std::size_t vertex;
  const TObjekt* pad;  // the pad it follows
};

// Rubber-band levels of the "Gummiband" button.
inline constexpr int kRubberBandOff = 0;
inline constexpr int kRubberBandSmall = 1;
inline constexpr int kRubberBandBig = 2;

// The track vertices attached to selected pads and SMD pads on the track's layer: at the big
// level where the vertex's disc (half the track width) touches the pad's outline, at the small
// level where it touches a disc of a tenth of the pad's radius around the pad's centre.
std::vector<AttachedVertex> attachedVertices(const Board& board, int level);

void moveAttachedVertices(const std::vector<AttachedVertex>& attached, double dx, double dy);

}  // namespace pravelo
