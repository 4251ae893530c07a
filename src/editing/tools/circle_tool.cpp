#include "editing/tools/circle_tool.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "base/units.h"
#include "editing/editing_texts.h"
#include "editing/pointer_point.h"
#include "editing/ring_radii.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

// Smaller circles are discarded.
constexpr double kMinRadius = 1000;

double radiusOf(DPoint centre, DPoint m) {
  return std::max(std::abs(m.x - centre.x), std::abs(m.y - centre.y));
}

}  // namespace

ToolResult CircleTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  centre_ = pointer_ = drawingPoint(editor, e);
  dragging_ = true;
  editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

ToolResult CircleTool::move(Editor& editor, const PointerEvent& e) {
  if (!dragging_) return ToolResult::Nothing;
  const DPoint m = drawingPoint(editor, e);
  if (m == pointer_) return ToolResult::Nothing;
  pointer_ = m;
  editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

ToolResult CircleTool::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left || !dragging_) return ToolResult::Nothing;
  pointer_ = drawingPoint(editor, e);
  dragging_ = false;
  editor.repaint.overlayChanged();
  const double radius = radiusOf(centre_, pointer_);
  if (radius < kMinRadius) return ToolResult::Nothing;
  const RingRadii radii = ringRadii(radius, newObjectSize(editor.sizes, SizeField::Breite));
  auto circle = std::make_unique<TObjekt>(newObject());
  initCircle(*circle, toFPoint(centre_), radii.outer,
             static_cast<std::uint8_t>(editor.board().header.activeLayer), radii.inner);
  circle->clearance = newObjectSize(editor.sizes, SizeField::FreistanzOffset);
  editor.beginChange();
  editor.repaint.repaintWorld(objectBounds(*circle));
  editor.board().objects.push_back(std::move(circle));
  return ToolResult::Commit;
}

ToolResult CircleTool::finish(Editor& editor) {
  if (std::exchange(dragging_, false)) editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

std::optional<CircleTool::Ring> CircleTool::preview(const Editor& editor) const {
  if (!dragging_) return std::nullopt;
  return Ring{centre_, radiusOf(centre_, pointer_),
              static_cast<double>(newObjectSize(editor.sizes, SizeField::Breite))};
}

const Text* CircleTool::help() const { return &texts::helpCircle; }

}  // namespace pravelo
