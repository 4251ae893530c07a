#include "project/special_shape.h"

#include "geometry/bounding_box.h"

namespace pravelo {

void generateShape(const ShapeValues& values, int layer, std::int32_t clearance, ObjectList& out) {
  switch (values.kind) {
    case ShapeKind::Polygon:
      generatePolygon(values.polygon, layer, clearance, out);
      break;
    case ShapeKind::Spiral:
      generateSpiral(values.spiral, layer, clearance, out);
      break;
    case ShapeKind::Frame:
      generateFrame(values.frame, layer, out);
      break;
  }
}

bool shapeFitsBoard(const ObjectList& shape, const BoardHeader& board) {
  const TRect box = objectListBounds(shape, {});
  return rectWidth(box) <= board.width && rectHeight(box) <= board.height;
}

}  // namespace pravelo
