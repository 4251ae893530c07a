#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "project/footprint.h"
#include "project/special_shape.h"

namespace pravelo {

// The footprint and special-shape fields as `name=value` words, shared by the `footprint` and
// `shape` commands and by an edit script's answers to the two dialogs. Lengths are in mm and
// under the dialogs' limits. Each function throws BadTextAnswer on a bad name or value.

// sip, dip, quad, circular, dual-circular.
FootprintType footprintTypeNamed(const std::string& name);
// pads=round|smd pad= drill= smdx= smdy= d= y= x= n= m=, and `default` for the Default button.
void applyFootprintFields(const std::vector<std::string>& words, std::size_t first,
                          FootprintValues& values);

// polygon, spiral, frame.
ShapeKind shapeKindNamed(const std::string& name);
// Polygon: corners= radius= width= offset= filled=0|1 rays=0|1.
// Spiral: start= gap= width= turns= form=round|square.
// Frame: columns= rows= column-bands=none|top|bottom|both row-bands=none|left|right|both
// column-labels=letters|numbers row-labels=letters|numbers width= height=, and `autosize` for
// the Autosize button when a board is given.
void applyShapeFields(const std::vector<std::string>& words, std::size_t first, ShapeValues& values,
                      const BoardHeader* board = nullptr);

}  // namespace pravelo
