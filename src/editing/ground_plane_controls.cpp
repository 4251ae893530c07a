#include "editing/ground_plane_controls.h"

#include "editing/tool_machine.h"

namespace pravelo {

bool activePlaneOn(const BoardHeader& header) {
  return isCopperLayer(header.activeLayer) && header.groundPlane[header.activeLayer - 1] != 0;
}

GroundPlaneControls groundPlaneControls(const BoardHeader& header) {
  if (!isCopperLayer(header.activeLayer)) return {};
  const bool on = activePlaneOn(header);
  return {true, on ? PlaneGlyph::On : PlaneGlyph::Off, on};
}

void toggleGroundPlaneCommand(Editor& editor, ToolMachine& machine) {
  BoardHeader& header = editor.board().header;
  if (!isCopperLayer(header.activeLayer)) return;
  // A drawing in progress ends first, so that the switch is an undo step of its own.
  if (machine.currentTool().busy()) machine.chooseTool(machine.tool());
  editor.beginChange();
  std::uint8_t& plane = header.groundPlane[header.activeLayer - 1];
  plane = plane ? 0 : 1;
  editor.commitGesture();
  followGroundPlane(editor, machine);
  editor.repaint.repaintAll();
}

bool setCutoutMode(Editor& editor, ToolMachine& machine, bool zone, bool down) {
  if (down && !activePlaneOn(editor.board().header)) return false;
  (zone ? editor.drawing.cutoutZone : editor.drawing.cutoutRect) = down;
  if (down) machine.chooseTool(zone ? ToolId::Zone : ToolId::Rectangle);
  return true;
}

void followGroundPlane(Editor& editor, ToolMachine& machine) {
  DrawingModes& modes = editor.drawing;
  if (activePlaneOn(editor.board().header) || !(modes.cutoutZone || modes.cutoutRect)) return;
  const bool cutoutTool = (modes.cutoutZone && machine.tool() == ToolId::Zone) ||
                          (modes.cutoutRect && machine.tool() == ToolId::Rectangle);
  modes.cutoutZone = false;
  modes.cutoutRect = false;
  if (cutoutTool) machine.chooseTool(ToolId::Edit);
}

}  // namespace pravelo
