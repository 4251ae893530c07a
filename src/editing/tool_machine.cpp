#include "editing/tool_machine.h"

#include "document/object_list.h"
#include "editing/ground_plane_controls.h"
#include "editing/photo_view_commands.h"
#include "editing/selection.h"
#include "editing/tools/autoroute_tool.h"
#include "editing/tools/circle_tool.h"
#include "editing/tools/connections_tool.h"
#include "editing/tools/edit_tool.h"
#include "editing/tools/line_tool.h"
#include "editing/tools/mask_tool.h"
#include "editing/tools/measure_tool.h"
#include "editing/tools/pad_tool.h"
#include "editing/tools/paste_tool.h"
#include "editing/tools/planned_tool.h"
#include "editing/tools/rectangle_tool.h"
#include "editing/tools/special_form_tool.h"
#include "editing/tools/test_tool.h"
#include "editing/tools/text_tool.h"
#include "editing/tools/zoom_tool.h"
#include "editing/view_commands.h"
#include "project/clipboard.h"
#include "view/user_origin.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

std::unique_ptr<Tool> makeTool(ToolId id) {
  switch (id) {
    case ToolId::Edit:
      return std::make_unique<EditTool>();
    case ToolId::Zoom:
    case ToolId::PhotoView:
      return std::make_unique<ZoomTool>(id);
    case ToolId::Pad:
    case ToolId::SmdPad:
      return std::make_unique<PadTool>(id);
    case ToolId::Track:
    case ToolId::Zone:
      return std::make_unique<LineTool>(id);
    case ToolId::Circle:
      return std::make_unique<CircleTool>();
    case ToolId::Rectangle:
      return std::make_unique<RectangleTool>();
    case ToolId::SolderMask:
      return std::make_unique<MaskTool>();
    case ToolId::Text:
      return std::make_unique<TextTool>();
    case ToolId::Placing:
      return std::make_unique<PasteTool>();
    case ToolId::SpecialForm:
      return std::make_unique<SpecialFormTool>();
    case ToolId::Measure:
      return std::make_unique<MeasureTool>();
    case ToolId::Connections:
      return std::make_unique<ConnectionsTool>();
    case ToolId::Test:
      return std::make_unique<TestTool>();
    case ToolId::Autoroute:
      return std::make_unique<AutorouteTool>();
    default:
      return std::make_unique<PlannedTool>(id);
  }
}

// Tools that keep the selection when chosen; pasted objects stay selected after placing.
bool keepsSelection(ToolId from, ToolId to) {
  return to == ToolId::Zoom ||
         (to == ToolId::Edit &&
          (from == ToolId::Zoom || from == ToolId::Placing || from == ToolId::SpecialForm));
}

// The photo view's mouse works as the Zoom tool: a right click zooms out there too.
bool zoomsWithTheMouse(ToolId id) { return id == ToolId::Zoom || id == ToolId::PhotoView; }

// Space does not start the temporary zoom from these tools.
bool spaceZoomAllowed(ToolId id) {
  return !zoomsWithTheMouse(id) && id != ToolId::SpecialForm && id != ToolId::Text &&
         id != ToolId::Placing;
}

}  // namespace

ToolMachine::ToolMachine(Editor& editor) : editor_(editor) { current_ = &toolFor(ToolId::Edit); }

ToolMachine::~ToolMachine() = default;

Tool& ToolMachine::toolFor(ToolId id) {
  auto& slot = tools_[id];
  if (!slot) slot = makeTool(id);
  return *slot;
}

void ToolMachine::apply(ToolResult result) {
  if (result == ToolResult::Commit) editor_.commitGesture();
  if (result == ToolResult::Revert) editor_.revertGesture();
  if (result != ToolResult::Nothing) editor_.repaint.repaintAll();
}

void ToolMachine::leaveIfEnded() {
  if (current_->ended()) chooseTool(ToolId::Edit);
}

void ToolMachine::chooseTool(ToolId id) {
  const ToolId from = current_->id();
  apply(current_->finish(editor_));
  editor_.revertGesture();
  held_ = MouseButton::None;
  if (!keepsSelection(from, id) && editor_.doc.activeBoard >= 0) {
    deselectAll(editor_.board().objects);
    editor_.repaint.repaintAll();
  }
  current_ = &toolFor(id);
  if (id == ToolId::PhotoView) {
    openPhotoView(editor_);
  } else {
    closePhotoView(editor_);
  }
  resetOverlay(editor_.crosshair);
  if (editor_.doc.activeBoard >= 0) {
    fieldsFollowSelection(editor_.sizes, editor_.board().objects, false,
                          editor_.settings.optionen.StrgZumFangen);
  }
  editor_.repaint.overlayChanged();
  editor_.repaint.setCursor(current_->cursor());
  current_->start(editor_, lastPointer_);
  leaveIfEnded();
}

void ToolMachine::press(const PointerEvent& e) {
  if (held_ != MouseButton::None) return;
  held_ = e.button;
  if (e.button == MouseButton::Middle) return;
  apply(current_->press(editor_, e));
  // A right click that the tool does not use returns to the Edit tool.
  if (e.button == MouseButton::Right && current_->id() != ToolId::Edit &&
      !zoomsWithTheMouse(current_->id()) && !current_->busy() && !current_->rightClickUsed()) {
    chooseTool(ToolId::Edit);
  }
}

void ToolMachine::move(const PointerEvent& e) {
  lastPointer_ = editor_.toWorld(e.screen);
  PointerEvent moved = e;
  moved.button = held_;
  apply(current_->move(editor_, moved));
}

void ToolMachine::release(const PointerEvent& e) {
  if (e.button != held_) return;
  held_ = MouseButton::None;
  if (e.button == MouseButton::Middle) return;
  apply(current_->release(editor_, e));
  leaveIfEnded();
}

void ToolMachine::doubleClick(const PointerEvent& e) { apply(current_->doubleClick(editor_, e)); }

DPoint ToolMachine::wheel(DPoint screen, int steps) {
  // The middle button pans; the wheel waits meanwhile.
  if (held_ == MouseButton::Middle) return screen;
  Board& board = editor_.board();
  for (; steps != 0; steps += steps > 0 ? -1 : 1) {
    const ViewTransform v = editor_.view();
    const ViewFrame frame = viewFrameOf(board, editor_.viewport);
    const auto zoomed = steps > 0 ? wheelZoomIn(v, frame, screen) : wheelZoomOut(v, frame, screen);
    if (!zoomed) break;
    storeView(board.header, zoomed->view);
    screen = zoomed->pointer;
  }
  editor_.repaint.viewChanged();
  return screen;
}

void ToolMachine::keyDown(const KeyEvent& e) {
  if (e.modifiers.alt) return;
  if (e.key == Key::Space) {
    // A held Space repeats on X11; only the first press counts.
    if (e.autoRepeat) return;
    ToolResult result = ToolResult::Nothing;
    if (current_->busy()) {
      if (current_->key(editor_, e, result)) apply(result);
      return;
    }
    if (held_ == MouseButton::None && spaceZoomAllowed(current_->id())) {
      beforeSpaceZoom_ = current_->id();
      chooseTool(ToolId::Zoom);
    }
    return;
  }
  ToolResult result = ToolResult::Nothing;
  if (current_->key(editor_, e, result)) {
    apply(result);
    return;
  }
  commonKey(e);
}

void ToolMachine::keyUp(const KeyEvent& e) {
  if (e.key != Key::Space || e.autoRepeat || !beforeSpaceZoom_) return;
  const ToolId back = *beforeSpaceZoom_;
  beforeSpaceZoom_.reset();
  if (current_->id() == ToolId::Zoom) chooseTool(back);
}

bool ToolMachine::commonKey(const KeyEvent& e) {
  Board& board = editor_.board();
  // The photo view's layer controls are disabled, its keys with them.
  const bool layersLocked = editor_.photoViewOn;
  switch (e.key) {
    case Key::Escape:
      chooseTool(ToolId::Edit);
      return true;
    case Key::Delete:
      return deleteSelection();
    case Key::F9:
      if (layersLocked) return false;
      switchActiveLayer(otherCopperSide(board.header.activeLayer));
      return true;
    case Key::F11:
      if (layersLocked) return false;
      switchActiveLayer(nextMarkingLayer(board.header.activeLayer));
      return true;
    case Key::F12: {
      // "Through pad" for new pads and the selected ones, as one undo step.
      editor_.beginChange();
      if (changeThroughPad(editor_.sizes, !editor_.sizes.shownThroughPad, board.objects)) {
        editor_.commitGesture();
        editor_.repaint.repaintAll();
      } else {
        editor_.revertGesture();
      }
      return true;
    }
    case Key::Character:
      break;
    default:
      return false;
  }
  const char32_t c = e.character;
  if (c >= U'1' && c <= U'9') return setGridHotkeyCommand(editor_, static_cast<int>(c - U'0'));
  if (c == U'0') {
    return setUserOriginCommand(editor_,
                                originAtPoint(lastPointer_, board.header.grid, e.modifiers.ctrl));
  }
  // Tool letters; a held key's repeats do not choose again.
  if (e.modifiers.ctrl || e.autoRepeat) return false;
  if (const auto id = toolForHotkey(toolHotkeys(editor_.settings.optionen), c)) {
    chooseTool(*id);
    return true;
  }
  return false;
}

void ToolMachine::switchActiveLayer(int layer) {
  setActiveLayerCommand(editor_, layer);
  followGroundPlane(editor_, *this);
}

bool ToolMachine::deleteSelection() {
  Board& board = editor_.board();
  if (selectedCount(board) == 0) return false;
  editor_.beginChange();
  if (!pravelo::deleteSelection(board.objects)) {
    editor_.revertGesture();
    return false;
  }
  editor_.commitGesture();
  editor_.repaint.repaintAll();
  return true;
}

bool ToolMachine::canUndo() const {
  return !current_->busy() && !activeBoard(editor_.doc).undoStack.empty();
}

bool ToolMachine::canRedo() const {
  return !current_->busy() && !activeBoard(editor_.doc).redoStack.empty();
}

void ToolMachine::undo() {
  if (!canUndo()) return;
  pravelo::undo(editor_.doc);
  followGroundPlane(editor_, *this);
  editor_.repaint.repaintAll();
  editor_.repaint.viewChanged();
}

void ToolMachine::redo() {
  if (!canRedo()) return;
  pravelo::redo(editor_.doc);
  followGroundPlane(editor_, *this);
  editor_.repaint.repaintAll();
  editor_.repaint.viewChanged();
}

}  // namespace pravelo
