#include "editing/tools/line_tool.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "document/document_texts.h"
#include "document/object_list.h"
#include "editing/bend_mode.h"
#include "editing/editing_texts.h"
#include "editing/line_cleanup.h"
#include "editing/pick.h"
#include "editing/pointer_point.h"
#include "editing/size_fields.h"
#include "editing/view_commands.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

constexpr int kWidthLimit = 999999;
// The dot before the first click is never smaller than this, in pixels.
constexpr double kMinDotRadiusPixels = 2;

// The world rectangle covered by a run of points drawn `width` wide.
TRect runBounds(const std::vector<DPoint>& points, double width) {
  if (points.empty()) return {};
  double left = points[0].x, right = left, bottom = points[0].y, top = bottom;
  for (const DPoint p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  return widened(rectFromCorners(left, top, right, bottom),
                 static_cast<std::int64_t>(width / 2) + 1);
}

// A pad on a copper layer whose outer radius reaches `p`: F9 offers it as the via.
TObjekt* padUnder(Board& board, FPoint p) {
  for (const auto& o : board.objects) {
    if (o->kind == kPad && isCopperLayer(o->layer) && distance(o->pos, p) <= o->dim.x) {
      return o.get();
    }
  }
  return nullptr;
}

// The visible pad or SMD pad whose outline the pointer is over.
const TObjekt* padAt(const Board& board, DPoint p, double zoom) {
  const IPoint at = toIPoint(p);
  const std::int32_t tolerance = pickTolerance(zoom);
  for (auto it = board.objects.rbegin(); it != board.objects.rend(); ++it) {
    const TObjekt& o = **it;
    if (!isPadKind(o.kind) || o.layer < 1 || o.layer > kLayerCount ||
        !board.header.layerVisible[static_cast<std::size_t>(o.layer - 1)]) {
      continue;
    }
    // The outline test is costly; most pads are far away.
    const TRect near = widened(pointListBounds(o.points), tolerance);
    if (at.x < near.left || at.x > near.right || at.y < near.top || at.y > near.bottom) continue;
    if (outlineContains(o, at, zoom, tolerance)) {
      return &o;
    }
  }
  return nullptr;
}

// While a track or zone is drawn the crosshair measures from its last fixed node.
void measureFrom(Editor& editor, FPoint node) {
  CrosshairOverlay& overlay = editor.crosshair;
  overlay.reference = toDPoint(node);
  overlay.showDelta = true;
  overlay.drawingPath = true;
  editor.repaint.overlayChanged();
}

void stopMeasuring(Editor& editor) {
  endGesture(editor.crosshair);
  editor.crosshair.drawingPath = false;
  editor.repaint.overlayChanged();
}

}  // namespace

// Anything that replaced the board's objects (another board, a load) ends the drawing.
const TObjekt* LineTool::stillDrawn(const Editor& editor) const {
  if (line_ == nullptr || editor.doc.activeBoard < 0) return nullptr;
  const ObjectList& objects = editor.board().objects;
  return !objects.empty() && objects.back().get() == line_ ? line_ : nullptr;
}

TObjekt* LineTool::lineInProgress(Editor& editor) {
  if (stillDrawn(editor) == nullptr) line_ = nullptr;
  return line_;
}

void LineTool::begin(Editor& editor, DPoint at) {
  editor.beginChange();
  Board& board = editor.board();
  auto line = std::make_unique<TObjekt>(newObject());
  const int width = newObjectSize(editor.sizes, SizeField::Breite);
  auto layer = static_cast<std::uint8_t>(board.header.activeLayer);
  if (id_ == ToolId::Zone) {
    if (editor.drawing.cutoutZone) layer = cutoutLayer(layer);
    initZone(*line, width, layer);
    line->closed = 0;
    line->cutout = editor.drawing.cutoutZone ? 1 : 0;
  } else {
    initTrack(*line, width, layer);
  }
  line->clearance = newObjectSize(editor.sizes, SizeField::FreistanzOffset);
  addPoint(*line, toFPoint(at));
  line_ = line.get();
  board.objects.push_back(std::move(line));
  editor.repaint.repaintWorld(objectBounds(*line_));
  measureFrom(editor, line_->points.back());
}

ToolResult LineTool::press(Editor& editor, const PointerEvent& e) {
  rightClickUsed_ = false;
  TObjekt* line = lineInProgress(editor);
  if (e.button == MouseButton::Right) {
    if (line == nullptr) return ToolResult::Nothing;
    rightClickUsed_ = true;
    return finish(editor);
  }
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  const DPoint at = crosshairFollows(editor, e);
  pointer_ = at;
  if (line == nullptr) {
    keptObjects_ = false;
    begin(editor, at);
    return ToolResult::Nothing;
  }
  return addVertex(editor, at);
}

ToolResult LineTool::addVertex(Editor& editor, DPoint at) {
  TObjekt& line = *line_;
  const FPoint s = line.points.back();
  if (equalRounded(s, toFPoint(at))) return ToolResult::Nothing;
  const TRect before = objectBounds(line);
  if (const auto b = bendPoint(toDPoint(s), at, editor.drawing.bendMode)) {
    addPoint(line, toFPoint(*b));
  }
  addPoint(line, toFPoint(at));
  editor.repaint.repaintWorld(unite(before, objectBounds(line)));
  // A click on the first vertex closes the zone; the vertex is not repeated.
  if (id_ == ToolId::Zone && line.points.size() > 2 &&
      equalRounded(line.points.front(), line.points.back())) {
    line.points.pop_back();
    return finish(editor);
  }
  measureFrom(editor, line.points.back());
  return ToolResult::Nothing;
}

ToolResult LineTool::move(Editor& editor, const PointerEvent& e) {
  const std::vector<const TObjekt*> before = highlightedPads(editor);
  previewChanged(editor, crosshairFollows(editor, e));
  if (highlightedPads(editor) != before) editor.repaint.overlayChanged();
  return ToolResult::Nothing;
}

ToolResult LineTool::release(Editor&, const PointerEvent&) {
  rightClickUsed_ = false;
  return ToolResult::Nothing;
}

void LineTool::previewChanged(Editor& editor, DPoint pointer) {
  const double width = previewWidth(editor);
  const TRect before = shown_ ? runBounds(preview(editor), width) : TRect{};
  pointer_ = pointer;
  const bool wasShown = std::exchange(shown_, true);
  const TRect after = runBounds(preview(editor), width);
  editor.repaint.overlayChangedWithin(wasShown ? unite(before, after) : after);
}

void LineTool::close(Editor& editor) {
  TObjekt* line = lineInProgress(editor);
  line_ = nullptr;
  if (line == nullptr) return;
  stopMeasuring(editor);
  Board& board = editor.board();
  const TRect before = objectBounds(*line);
  if (line->kind == kZone) line->closed = 1;
  cleanUpLine(*line, board, editor.settings.optionen.TracksOptimieren);
  if (hasEnoughVertices(*line)) {
    keptObjects_ = true;
  } else {
    removeObjectsIf(board.objects, [line](const TObjekt& o) { return &o == line; });
  }
  editor.repaint.repaintWorld(before);
}

ToolResult LineTool::result(const Editor& editor) const {
  if (!editor.gesture) return ToolResult::Nothing;
  return keptObjects_ ? ToolResult::Commit : ToolResult::Revert;
}

ToolResult LineTool::finish(Editor& editor) {
  if (lineInProgress(editor) == nullptr) return ToolResult::Nothing;
  close(editor);
  editor.repaint.overlayChanged();
  return result(editor);
}

// The track ends at its last vertex; a pad there becomes the via if the user agrees, otherwise
// a new via pad is set; the drawing goes on from the same point on the other side.
void LineTool::continueThroughVia(Editor& editor) {
  Board& board = editor.board();
  const FPoint at = line_->points.back();
  const int width = line_->width;
  const std::uint8_t layer = line_->layer;
  close(editor);
  if (TObjekt* pad = padUnder(board, at)) {
    if (pad->via == 0 && editor.host.ask(tr(texts::askPadToVia), tr(texts::productName),
                                         Buttons::YesNo, MessageIcon::Question) == Answer::Yes) {
      pad->via = 1;
      keptObjects_ = true;
      editor.repaint.repaintWorld(objectBounds(*pad));
    }
  } else {
    auto via = std::make_unique<TObjekt>(newObject());
    const SizeFields& sizes = editor.sizes;
    initPad(*via, at, layer, static_cast<std::uint8_t>(sizes.padShape),
            static_cast<float>(newObjectSize(sizes, SizeField::Innen)) / 2,
            static_cast<float>(newObjectSize(sizes, SizeField::Aussen)) / 2);
    via->via = isCopperLayer(layer) ? 1 : 0;
    via->clearance = newObjectSize(sizes, SizeField::FreistanzOffset);
    editor.repaint.repaintWorld(objectBounds(*via));
    board.objects.push_back(std::move(via));
    keptObjects_ = true;
  }
  setActiveLayerCommand(editor, otherCopperSide(board.header.activeLayer));
  begin(editor, toDPoint(at));
  line_->width = width;
}

void LineTool::changeLayer(Editor& editor, int layer) {
  setActiveLayerCommand(editor, layer);
  line_->layer = static_cast<std::uint8_t>(layer);
  editor.repaint.repaintWorld(objectBounds(*line_));
}

void LineTool::changeWidth(Editor& editor, int by) {
  const int width = std::clamp(line_->width + by, 0, kWidthLimit - 1);
  const TRect before = objectBounds(*line_);
  line_->width = width;
  if (line_->kind == kZone) line_->paramB = width;
  changeSizeField(editor.sizes, SizeField::Breite, width, editor.board().objects);
  editor.repaint.repaintWorld(unite(before, objectBounds(*line_)));
  editor.repaint.overlayChanged();
}

bool LineTool::key(Editor& editor, const KeyEvent& e, ToolResult&) {
  if (lineInProgress(editor) == nullptr) return false;
  switch (e.key) {
    case Key::Space:
      editor.drawing.bendMode = nextBendMode(editor.drawing.bendMode);
      editor.repaint.overlayChanged();
      return true;
    case Key::Delete:
      if (line_->points.size() > 1) {
        const TRect before = objectBounds(*line_);
        line_->points.pop_back();
        editor.repaint.repaintWorld(before);
        measureFrom(editor, line_->points.back());
      }
      return true;
    case Key::F9:
      if (id_ == ToolId::Track) {
        continueThroughVia(editor);
      } else {
        changeLayer(editor, otherCopperSide(editor.board().header.activeLayer));
      }
      return true;
    case Key::F11:
      changeLayer(editor, nextMarkingLayer(editor.board().header.activeLayer));
      return true;
    default:
      break;
  }
  const auto arrow = arrowDirection(e.key);
  if (!arrow || id_ != ToolId::Track) return false;
  changeWidth(editor,
              (e.modifiers.ctrl ? kCtrlArrowSizeStep : kArrowSizeStep) * (arrow->dx + arrow->dy));
  return true;
}

std::vector<DPoint> LineTool::preview(const Editor& editor) const {
  const TObjekt* line = stillDrawn(editor);
  if (line == nullptr || line->points.empty()) return {pointer_};
  const DPoint s = toDPoint(line->points.back());
  if (const auto b = bendPoint(s, pointer_, editor.drawing.bendMode)) return {s, *b, pointer_};
  return {s, pointer_};
}

double LineTool::previewWidth(const Editor& editor) const {
  const TObjekt* line = stillDrawn(editor);
  const double width =
      line != nullptr ? line->width : newObjectSize(editor.sizes, SizeField::Breite);
  // The dot is never smaller than a few pixels, so that it can be seen at any zoom.
  const double zoom = editor.view().zoom;
  return zoom > 0 ? std::max(width, 2 * kMinDotRadiusPixels / zoom) : width;
}

std::vector<const TObjekt*> LineTool::highlightedPads(const Editor& editor) const {
  if (id_ != ToolId::Track || line_ != nullptr || !shown_ || editor.doc.activeBoard < 0) return {};
  const TObjekt* pad = padAt(editor.board(), pointer_, editor.view().zoom);
  if (pad == nullptr) return {};
  std::vector<const TObjekt*> pads{pad};
  pads.insert(pads.end(), pad->connections.begin(), pad->connections.end());
  return pads;
}

const Text* LineTool::help() const {
  if (id_ == ToolId::Zone) return line_ ? &texts::helpZoneNext : &texts::helpZoneStart;
  return line_ ? &texts::helpTrackNext : &texts::helpTrackStart;
}

}  // namespace pravelo
