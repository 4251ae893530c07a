#include "editing/tools/edit_tool.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "editing/component_command.h"
#include "editing/editing_texts.h"
#include "editing/move_clamp.h"
#include "editing/node_commands.h"
#include "editing/node_handles.h"
#include "editing/node_menu.h"
#include "editing/pick.h"
#include "editing/pointer_point.h"
#include "editing/reference_point.h"
#include "editing/selection.h"
#include "editing/snap.h"
#include "geometry/bounding_box.h"
#include "geometry/text_strokes.h"
#include "geometry/translate.h"
#include "project/object_names.h"
#include "view/user_origin.h"

namespace pravelo {

namespace {

// A press this near the origin marker drags the origin.
constexpr double kOriginGrabPixels = 6;
// While moving, the group snaps back onto its own start within this distance.
constexpr double kHomeCapturePixels = 10;

TRect selectionBounds(const Board& board) {
  return objectListBounds(board.objects, {}, [](const TObjekt& o) { return o.selected != 0; });
}

DPoint plus(DPoint a, DPoint b) { return {a.x + b.x, a.y + b.y}; }
DPoint minus(DPoint a, DPoint b) { return {a.x - b.x, a.y - b.y}; }

// The Edit tool shows the crosshair only while it moves objects or the origin.
void endOverlay(Editor& editor) {
  CrosshairOverlay& overlay = editor.crosshair;
  if (!overlay.shown && overlay.mode == OverlayMode::Normal && !overlay.showDelta) return;
  resetOverlay(overlay);
  editor.repaint.overlayChanged();
}

void followSelection(Editor& editor, const Modifiers& modifiers) {
  fieldsFollowSelection(editor.sizes, editor.board().objects, modifiers.ctrl,
                        editor.settings.optionen.StrgZumFangen);
}

// The only selected object when it has node handles.
TObjekt* nodeEditable(Board& board) {
  TObjekt* found = nullptr;
  for (const auto& o : board.objects) {
    if (!o->selected) continue;
    if (found != nullptr) return nullptr;
    found = o.get();
  }
  return found != nullptr && hasNodeHandles(*found) ? found : nullptr;
}

}  // namespace

ToolResult EditTool::nodeMenu(Editor& editor, DPoint world) {
  TObjekt* line = nodeEditable(editor.board());
  if (line == nullptr || line->kind == kCircle) return ToolResult::Nothing;
  const int handle = nodeHandleAt(*line, world, editor.view().zoom);
  if (handle < 0 || handle >= kMidpointHandle) return ToolResult::Nothing;
  const NodeMenuState state = nodeMenuState(*line, handle);
  const auto chosen = editor.host.showNodeMenu(world, state);
  // A menu can be answered with an entry that it shows disabled only by a script.
  if (!chosen || !state.enabled(*chosen)) return ToolResult::Revert;
  const ToolResult result = runNodeCommand(editor, *line, handle, *chosen);
  followSelection(editor, {});
  editor.repaint.repaintAll();
  return result;
}

void EditTool::hover(Editor& editor, DPoint world) {
  const TObjekt* o = nodeEditable(editor.board());
  const bool over = o != nullptr && nodeHandleAt(*o, world, editor.view().zoom) >= 0;
  if (over == std::exchange(overHandle_, over)) return;
  editor.repaint.setCursor(over ? Cursor::Node : cursor());
}

ToolResult EditTool::press(Editor& editor, const PointerEvent& e) {
  Board& board = editor.board();
  const ViewTransform v = editor.view();
  const DPoint world = screenToWorld(v, e.screen);
  start_ = current_ = world;
  displacement_ = {};
  const int index = pickObject(board, world, v.zoom, false, false);

  if (e.button == MouseButton::Right) {
    if (index >= 0 && !board.objects[static_cast<std::size_t>(index)]->selected) {
      deselectAll(board);
      selectObject(board, index, true, e.modifiers.alt);
      followSelection(editor, e.modifiers);
      editor.repaint.repaintAll();
    }
    const ToolResult menu = nodeMenu(editor, world);
    if (menu != ToolResult::Nothing) return menu;
    editor.contextPoint = world;
    editor.contextName = contextMenuName(board.objects, index);
    editor.host.showContextMenu(world);
    return ToolResult::Nothing;
  }
  if (e.button != MouseButton::Left) return ToolResult::Nothing;

  const DPoint origin = worldToScreen(v, DPoint{static_cast<double>(board.header.originX),
                                                static_cast<double>(board.header.originY)});
  if (std::hypot(origin.x - e.screen.x, origin.y - e.screen.y) <= kOriginGrabPixels) {
    mode_ = Mode::Origin;
    // The overlay measures from where the origin was.
    CrosshairOverlay& overlay = editor.crosshair;
    overlay.reference = {static_cast<double>(board.header.originX),
                         static_cast<double>(board.header.originY)};
    overlay.mode = OverlayMode::OriginDrag;
    return ToolResult::Nothing;
  }
  if (TObjekt* o = nodeEditable(board)) {
    const int handle = nodeHandleAt(*o, world, v.zoom);
    if (handle >= 0) {
      node_.emplace(*o, handle, world, e.modifiers.alt);
      node_->showOverlay(editor, world);
      mode_ = Mode::Node;
      return ToolResult::Nothing;
    }
  }
  if (index < 0) {
    if (!e.modifiers.shift) deselectAll(board);
    mode_ = Mode::Frame;
    followSelection(editor, e.modifiers);
    editor.repaint.repaintAll();
    return ToolResult::Nothing;
  }
  TObjekt& picked = *board.objects[static_cast<std::size_t>(index)];
  if (e.modifiers.shift) {
    selectObject(board, index, picked.selected == 0, e.modifiers.alt);
  } else {
    if (!picked.selected) deselectAll(board);
    selectObject(board, index, true, e.modifiers.alt);
  }
  followSelection(editor, e.modifiers);
  editor.repaint.repaintAll();
  if (!picked.selected) {
    mode_ = Mode::Idle;
    return ToolResult::Nothing;
  }
  anchor_ = nearestReferencePoint(picked, world).value_or(world);
  box_ = selectionBounds(board);
  mode_ = Mode::Pressed;
  return ToolResult::Nothing;
}

DPoint EditTool::moveTarget(const Editor& editor, const PointerEvent& e) const {
  const Board& board = editor.board();
  const double width = board.header.width;
  const double height = board.header.height;
  const ViewTransform v = editor.view();
  const DPoint pointer = screenToWorld(v, e.screen);
  DPoint d = clampDisplacement(minus(pointer, start_), box_, width, height);
  const bool capture =
      captureActive(editor.settings.optionen.Fang, e.modifiers.shift, e.modifiers.ctrl);
  const CaptureOptions options{v.zoom, true};
  if (capture) {
    if (std::hypot(d.x, d.y) * v.zoom <= kHomeCapturePixels) return {0, 0};
    if (const auto captured = capturePoint(board, plus(anchor_, d), options)) {
      return clampDisplacement(minus(*captured, anchor_), box_, width, height);
    }
  }
  if (e.modifiers.ctrl) return d;
  // Whole grid steps from where the move started, not onto absolute grid lines.
  const double grid = effectiveGrid(board.header.grid, e.modifiers.shift, e.modifiers.ctrl);
  if (grid > 0) d = {grid * std::nearbyint(d.x / grid), grid * std::nearbyint(d.y / grid)};
  if (capture) {
    if (const auto captured = capturePoint(board, plus(anchor_, d), options)) {
      d = minus(*captured, anchor_);
    }
  }
  return clampDisplacement(d, box_, width, height);
}

ToolResult EditTool::move(Editor& editor, const PointerEvent& e) {
  const ViewTransform v = editor.view();
  if (e.button == MouseButton::None) hover(editor, screenToWorld(v, e.screen));
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  current_ = screenToWorld(v, e.screen);
  switch (mode_) {
    case Mode::Node:
      node_->move(editor, e);
      break;
    case Mode::Frame:
      editor.repaint.overlayChanged();
      break;
    case Mode::Pressed:
    case Mode::Move: {
      const DPoint d = moveTarget(editor, e);
      if (mode_ == Mode::Pressed) {
        if (d == DPoint{}) break;
        attached_ = attachedVertices(editor.board(), editor.settings.optionen.Gummiband);
        mode_ = Mode::Move;
        CrosshairOverlay& overlay = editor.crosshair;
        overlay.reference = anchor_;
        overlay.showDelta = true;
        overlay.showRefLine = true;
      }
      if (d != displacement_ || !editor.crosshair.shown) {
        displacement_ = d;
        showAt(editor.crosshair, plus(anchor_, d));
        editor.repaint.overlayChanged();
      }
      break;
    }
    case Mode::Origin: {
      Board& board = editor.board();
      DPoint at = drawingPoint(editor, e);
      at.x = std::clamp(at.x, 0.0, static_cast<double>(board.header.width));
      at.y = std::clamp(at.y, -static_cast<double>(board.header.height), 0.0);
      const IPoint origin{static_cast<std::int32_t>(std::lround(at.x)),
                          static_cast<std::int32_t>(std::lround(at.y))};
      if (origin != userOrigin(board.header)) {
        editor.beginChange();
        setUserOrigin(board.header, origin);
        editor.repaint.viewChanged();
      }
      showAt(editor.crosshair, at);
      editor.repaint.overlayChanged();
      break;
    }
    case Mode::Idle:
      break;
  }
  return ToolResult::Nothing;
}

ToolResult EditTool::release(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  const Mode mode = std::exchange(mode_, Mode::Idle);
  endOverlay(editor);
  switch (mode) {
    case Mode::Frame:
      selectInRectangle(editor.board(), start_, current_);
      followSelection(editor, e.modifiers);
      editor.repaint.overlayChanged();
      editor.repaint.repaintAll();
      return ToolResult::Nothing;
    case Mode::Move: {
      const DPoint d = std::exchange(displacement_, DPoint{});
      editor.repaint.overlayChanged();
      // A move released where it started changes nothing and leaves no undo step.
      if (d == DPoint{}) return ToolResult::Nothing;
      editor.beginChange();
      moveSelection(editor, d);
      return ToolResult::Commit;
    }
    case Mode::Origin:
      return editor.gesture ? ToolResult::Commit : ToolResult::Nothing;
    case Mode::Node: {
      const ToolResult result = node_->release(editor);
      node_.reset();
      followSelection(editor, e.modifiers);
      return result;
    }
    default:
      return ToolResult::Nothing;
  }
}

ToolResult EditTool::doubleClick(Editor& editor, const PointerEvent& e) {
  Board& board = editor.board();
  const ViewTransform v = editor.view();
  const int index = pickObject(board, screenToWorld(v, e.screen), v.zoom, false, false);
  if (index < 0) return ToolResult::Nothing;
  TObjekt& text = *board.objects[static_cast<std::size_t>(index)];
  if (text.componentId != 0) {
    editComponentCommand(editor, text.componentId);
    return ToolResult::Nothing;
  }
  if (text.kind != kText) return ToolResult::Nothing;
  TextDialogValues initial = textDialogValuesOf(text);
  initial.limitHeight = editor.settings.optionen.SchrifthoeheBegrenzen;
  const auto answer = editor.host.showTextDialog(initial);
  if (!answer) return ToolResult::Nothing;
  const TRect before = objectBounds(text);
  editor.beginChange();
  storeTextDialogValues(text, normaliseTextDialogValues(*answer, initial.limitHeight));
  buildTextStrokes(text, false);
  editor.repaint.repaintWorld(unite(before, objectBounds(text)));
  return ToolResult::Commit;
}

void EditTool::moveSelection(Editor& editor, DPoint d) {
  Board& board = editor.board();
  for (const auto& o : board.objects) {
    if (o->selected) translateObject(*o, d.x, d.y);
  }
  moveAttachedVertices(attached_, d.x, d.y);
  attached_.clear();
  editor.repaint.repaintAll();
}

bool EditTool::key(Editor& editor, const KeyEvent& e, ToolResult& result) {
  const auto arrow = arrowDirection(e.key);
  if (!arrow) return false;
  Board& board = editor.board();
  if (selectedCount(board) == 0 || mode_ != Mode::Idle) return true;
  const double step = e.modifiers.ctrl ? board.header.grid / 10 : board.header.grid;
  const DPoint d = clampDisplacement({arrow->dx * step, arrow->dy * step}, selectionBounds(board),
                                     board.header.width, board.header.height);
  if (d == DPoint{}) return true;
  attached_ = attachedVertices(board, editor.settings.optionen.Gummiband);
  editor.beginChange();
  moveSelection(editor, d);
  result = ToolResult::Commit;
  return true;
}

ToolResult EditTool::finish(Editor& editor) {
  if (mode_ == Mode::Node) {
    mode_ = Mode::Idle;
    const ToolResult result = node_->release(editor);
    node_.reset();
    return result;
  }
  overHandle_ = false;
  const bool wasOrigin = mode_ == Mode::Origin;
  mode_ = Mode::Idle;
  endOverlay(editor);
  displacement_ = {};
  attached_.clear();
  editor.repaint.overlayChanged();
  return wasOrigin && editor.gesture ? ToolResult::Commit : ToolResult::Nothing;
}

const Text* EditTool::help() const {
  if (mode_ == Mode::Node || overHandle_) return &texts::helpEditNode;
  return mode_ == Mode::Frame ? &texts::helpEditFrame : &texts::helpEdit;
}

std::optional<std::pair<DPoint, DPoint>> EditTool::frame() const {
  if (mode_ != Mode::Frame) return std::nullopt;
  return std::pair{start_, current_};
}

std::optional<DPoint> EditTool::moveDisplacement() const {
  if (mode_ != Mode::Move) return std::nullopt;
  return displacement_;
}

}  // namespace pravelo
