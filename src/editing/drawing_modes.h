#pragma once

#include "document/object.h"

namespace pravelo {

// Switches of the drawing tools that the window's buttons and edit scripts share; they last
// while the program runs.
struct DrawingModes {
  int bendMode = 1;            // 1..5, see bend_mode.h
  bool rectangleZone = false;  // the rectangle tool draws zones instead of tracks
  bool cutoutZone = false;     // `SB_Sperrflaeche_Polygon`: new zones are cut-out areas
  bool cutoutRect = false;     // `SB_Sperrflaeche_Rect`: new rectangles are cut-out zones
};

// Cut-out areas belong to copper: one drawn on silkscreen goes to the copper of its side.
inline std::uint8_t cutoutLayer(std::uint8_t layer) {
  if (layer == kLayerS1) return kLayerC1;
  if (layer == kLayerS2) return kLayerC2;
  return layer;
}

}  // namespace pravelo
