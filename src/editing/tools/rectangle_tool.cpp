#include "editing/tools/rectangle_tool.h"

#include <cmath>
#include <memory>
#include <utility>

#include "editing/editing_texts.h"
#include "editing/pointer_point.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

// A rectangle whose diagonal is not longer is discarded.
constexpr double kMinDiagonal = 1000;

std::unique_ptr<TObjekt> newRectangle(const Editor& editor, FPoint s, FPoint m) {
  const DrawingModes& modes = editor.drawing;
  auto o = std::make_unique<TObjekt>(newObject());
  const int width = newObjectSize(editor.sizes, SizeField::Breite);
  auto layer = static_cast<std::uint8_t>(editor.board().header.activeLayer);
  if (modes.rectangleZone || modes.cutoutRect) {
    if (modes.cutoutRect) layer = cutoutLayer(layer);
    initZone(*o, width, layer);
    o->cutout = modes.cutoutRect ? 1 : 0;
  } else {
    initTrack(*o, width, layer);
  }
  o->clearance = newObjectSize(editor.sizes, SizeField::FreistanzOffset);
  for (const FPoint p : {s, FPoint{m.x, s.y}, m, FPoint{s.x, m.y}}) addPoint(*o, p);
  if (o->kind == kTrack) addPoint(*o, s);
  return o;
}

}  // namespace

ToolResult RectangleTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  start_ = pointer_ = drawingPoint(editor, e);
  dragging_ = true;
  editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

ToolResult RectangleTool::move(Editor& editor, const PointerEvent& e) {
  if (!dragging_) return ToolResult::Nothing;
  const DPoint m = drawingPoint(editor, e);
  if (m == pointer_) return ToolResult::Nothing;
  pointer_ = m;
  editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

ToolResult RectangleTool::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left || !dragging_) return ToolResult::Nothing;
  pointer_ = drawingPoint(editor, e);
  dragging_ = false;
  editor.repaint.overlayChanged();
  const FPoint s = toFPoint(start_);
  const FPoint m = toFPoint(pointer_);
  // A rectangle without area (a side of zero) would be a doubled line.
  if (distance(s, m) <= kMinDiagonal || s.x == m.x || s.y == m.y) return ToolResult::Nothing;
  auto rectangle = newRectangle(editor, s, m);
  editor.beginChange();
  editor.repaint.repaintWorld(objectBounds(*rectangle));
  editor.board().objects.push_back(std::move(rectangle));
  return ToolResult::Commit;
}

ToolResult RectangleTool::finish(Editor& editor) {
  if (std::exchange(dragging_, false)) editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

std::optional<std::pair<DPoint, DPoint>> RectangleTool::frame() const {
  if (!dragging_) return std::nullopt;
  return std::pair{start_, pointer_};
}

const Text* RectangleTool::help() const { return &texts::helpRectangle; }

}  // namespace pravelo
