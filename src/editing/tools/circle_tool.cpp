#include "editing/tools/circle_tool.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "base/units.h"
#include "editing/editing_texts.h"
#include "editing/ring_radii.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

// Smaller circles are discarded.
constexpr double kMinRadius = 1000;

double radiusOf(DPoint centre, DPoint m) {
  return std::max(std::abs(m.x - centre.x), std::abs(m.y - centre.y));
}

// While a circle is dragged out the box shows its angles and centre-line diameter.
void showArc(Editor& editor, const DragSpan& span) {
  if (!span.active) return;
  const RingRadii radii =
      ringRadii(radiusOf(span.start, span.end), newObjectSize(editor.sizes, SizeField::Breite));
  CrosshairOverlay& overlay = editor.crosshair;
  overlay.arcRows = true;
  overlay.arcStart = 0;
  overlay.arcStop = 360;
  overlay.arcDiameter = static_cast<double>(radii.outer) + radii.inner;
}

}  // namespace

ToolResult CircleTool::press(Editor& editor, const PointerEvent& e) {
  span_.press(editor, e);
  showArc(editor, span_);
  return ToolResult::Nothing;
}

ToolResult CircleTool::move(Editor& editor, const PointerEvent& e) {
  span_.move(editor, e);
  showArc(editor, span_);
  return ToolResult::Nothing;
}

ToolResult CircleTool::release(Editor& editor, const PointerEvent& e) {
  if (!span_.release(editor, e)) return ToolResult::Nothing;
  const double radius = radiusOf(span_.start, span_.end);
  if (radius < kMinRadius) return ToolResult::Nothing;
  const RingRadii radii = ringRadii(radius, newObjectSize(editor.sizes, SizeField::Breite));
  auto circle = std::make_unique<TObjekt>(newObject());
  initCircle(*circle, toFPoint(span_.start), radii.outer,
             static_cast<std::uint8_t>(editor.board().header.activeLayer), radii.inner);
  circle->clearance = newObjectSize(editor.sizes, SizeField::FreistanzOffset);
  editor.beginChange();
  editor.repaint.repaintWorld(objectBounds(*circle));
  editor.board().objects.push_back(std::move(circle));
  return ToolResult::Commit;
}

ToolResult CircleTool::finish(Editor& editor) {
  span_.cancel(editor);
  return ToolResult::Nothing;
}

std::optional<CircleTool::Ring> CircleTool::preview(const Editor& editor) const {
  if (!span_.active) return std::nullopt;
  return Ring{span_.start, radiusOf(span_.start, span_.end),
              static_cast<double>(newObjectSize(editor.sizes, SizeField::Breite))};
}

const Text* CircleTool::help() const { return &texts::helpCircle; }

}  // namespace pravelo
