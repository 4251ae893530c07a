#pragma once

#include <cstdint>

#include "document/document.h"
#include "project/drawing_frame.h"
#include "project/polygon_shape.h"
#include "project/spiral_shape.h"

namespace pravelo {

// The special shapes dialog: its page decides the shape; all pages keep their values between
// uses during a run, never stored.
enum class ShapeKind { Polygon, Spiral, Frame };

struct ShapeValues {
  ShapeKind kind = ShapeKind::Polygon;
  PolygonValues polygon;
  SpiralValues spiral;
  FrameValues frame;
  friend bool operator==(const ShapeValues&, const ShapeValues&) = default;
};

// Appends the chosen shape to `out` on `layer`; polygons and spirals get `clearance`, frames
// none.
void generateShape(const ShapeValues& values, int layer, std::int32_t clearance, ObjectList& out);

// Whether a generated shape is neither wider nor higher than the board.
bool shapeFitsBoard(const ObjectList& shape, const BoardHeader& board);

}  // namespace pravelo
