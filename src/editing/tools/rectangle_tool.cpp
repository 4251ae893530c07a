#include "editing/tools/rectangle_tool.h"

#include <cmath>
#include <memory>
#include <utility>

#include "editing/editing_texts.h"
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
  span_.press(editor, e);
  return ToolResult::Nothing;
}

ToolResult RectangleTool::move(Editor& editor, const PointerEvent& e) {
  span_.move(editor, e);
  return ToolResult::Nothing;
}

ToolResult RectangleTool::release(Editor& editor, const PointerEvent& e) {
  if (!span_.release(editor, e)) return ToolResult::Nothing;
  const FPoint s = toFPoint(span_.start);
  const FPoint m = toFPoint(span_.end);
  // A rectangle without area (a side of zero) would be a doubled line.
  if (distance(s, m) <= kMinDiagonal || s.x == m.x || s.y == m.y) return ToolResult::Nothing;
  auto rectangle = newRectangle(editor, s, m);
  editor.beginChange();
  editor.repaint.repaintWorld(objectBounds(*rectangle));
  editor.board().objects.push_back(std::move(rectangle));
  return ToolResult::Commit;
}

ToolResult RectangleTool::finish(Editor& editor) {
  span_.cancel(editor);
  return ToolResult::Nothing;
}

std::optional<std::pair<DPoint, DPoint>> RectangleTool::frame() const {
  if (!span_.active) return std::nullopt;
  return std::pair{span_.start, span_.end};
}

const Text* RectangleTool::help() const { return &texts::helpRectangle; }

}  // namespace pravelo
