#include "editing/tools/pad_tool.h"

#include <memory>

#include "editing/editing_texts.h"
#include "editing/pointer_point.h"
#include "editing/size_fields.h"
#include "geometry/bounding_box.h"

namespace pravelo {

namespace {

std::unique_ptr<TObjekt> newPad(const Editor& editor, ToolId id, DPoint at) {
  auto pad = std::make_unique<TObjekt>(newObject());
  const SizeFields& sizes = editor.sizes;
  const auto layer = static_cast<std::uint8_t>(editor.board().header.activeLayer);
  const FPoint centre{static_cast<float>(at.x), static_cast<float>(at.y)};
  if (id == ToolId::Pad) {
    initPad(*pad, centre, layer, static_cast<std::uint8_t>(sizes.padShape),
            static_cast<float>(newObjectSize(sizes, SizeField::Innen)) / 2,
            static_cast<float>(newObjectSize(sizes, SizeField::Aussen)) / 2);
    pad->via = sizes.throughPad && isCopperLayer(layer) ? 1 : 0;
  } else {
    initSmdPad(*pad, centre, newObjectSize(sizes, SizeField::SMDPad_X), layer,
               newObjectSize(sizes, SizeField::SMDPad_Y));
  }
  pad->clearance = newObjectSize(sizes, SizeField::FreistanzOffset);
  return pad;
}

}  // namespace

ToolResult PadTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  const DPoint at = crosshairFollows(editor, e);
  editor.beginChange();
  Board& board = editor.board();
  board.objects.push_back(newPad(editor, id_, at));
  editor.repaint.repaintWorld(objectBounds(*board.objects.back()));
  // The next pad is placed relative to this one.
  CrosshairOverlay& overlay = editor.crosshair;
  overlay.reference = toDPoint(board.objects.back()->pos);
  overlay.showDelta = true;
  overlay.showRefLine = true;
  editor.repaint.overlayChanged();
  return ToolResult::Commit;
}

ToolResult PadTool::move(Editor& editor, const PointerEvent& e) {
  crosshairFollows(editor, e);
  return ToolResult::Nothing;
}

bool PadTool::key(Editor& editor, const KeyEvent& e, ToolResult&) {
  const auto arrow = arrowDirection(e.key);
  if (!arrow) return false;
  const int dx = arrow->dx;
  const int dy = arrow->dy;
  const int step = e.modifiers.ctrl ? kCtrlArrowSizeStep : kArrowSizeStep;
  SizeFields& sizes = editor.sizes;
  // Pads: up/down the diameter, left/right the drill. SMD pads: left/right x, up/down y.
  const SizeField field = id_ == ToolId::Pad
                              ? (dy != 0 ? SizeField::Aussen : SizeField::Innen)
                              : (dx != 0 ? SizeField::SMDPad_X : SizeField::SMDPad_Y);
  changeSizeField(sizes, field, sizes[field] + step * (dx + dy), editor.board().objects);
  return true;
}

const Text* PadTool::help() const {
  return id_ == ToolId::Pad ? &texts::helpPad : &texts::helpSmdPad;
}

}  // namespace pravelo
