#include "app/editor_commands.h"

#include <algorithm>

#include "editing/selection.h"
#include "editing/view_commands.h"
#include "view/user_origin.h"
#include "view/view_transform.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

using Run = void (*)(Editor&, ToolMachine&, Modifiers);

void zoomBy(Editor& editor, bool in) {
  Board& board = editor.board();
  const ViewFrame frame = viewFrameOf(board, editor.viewport);
  const ViewTransform view = viewOf(board.header);
  storeView(board.header,
            in ? zoomIn(view, frame, kWheelZoomFactor) : zoomOut(view, frame, kWheelZoomFactor));
  editor.repaint.repaintAll();
}

// Zoom commands that may leave the view as it was still repaint: cheap and always right.
void zoomed(Editor& editor) { editor.repaint.repaintAll(); }

struct EditorCommand {
  CommandId id;
  Run run;
};

constexpr EditorCommand kEditorCommands[] = {
    {CommandId::TB_UndoClick, [](Editor&, ToolMachine& m, Modifiers) { m.undo(); }},
    {CommandId::TB_RedoClick, [](Editor&, ToolMachine& m, Modifiers) { m.redo(); }},
    {CommandId::Allesmarkieren1Click,
     [](Editor& e, ToolMachine& m, Modifiers) {
       if (m.tool() == ToolId::Connections || m.tool() == ToolId::Autoroute) return;
       selectAll(e.board());
       e.repaint.repaintAll();
     }},
    {CommandId::SB_DelClick,
     [](Editor&, ToolMachine& m, Modifiers) {
       if (m.tool() == ToolId::Connections || m.tool() == ToolId::Autoroute) return;
       m.deleteSelection();
     }},
    {CommandId::Vergroessern1Click, [](Editor& e, ToolMachine&, Modifiers) { zoomBy(e, true); }},
    {CommandId::Verkleinern1Click, [](Editor& e, ToolMachine&, Modifiers) { zoomBy(e, false); }},
    {CommandId::Zoomalles1Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       zoomBoardCommand(e.board(), e.viewport);
       zoomed(e);
     }},
    {CommandId::ZoomalleObjekte1Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       zoomObjectsCommand(e.board(), e.viewport);
       zoomed(e);
     }},
    {CommandId::ZoomaufMarkierung1Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       zoomSelectionCommand(e.board(), e.viewport);
       zoomed(e);
     }},
    {CommandId::Zoomvorher2Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       zoomPrevious(e.board());
       zoomed(e);
     }},
    {CommandId::Nullpunktsetzen1Click,
     [](Editor& e, ToolMachine&, Modifiers mods) {
       setUserOriginCommand(e, originAtPoint(e.contextPoint, e.board().header.grid, mods.ctrl));
     }},
    {CommandId::RcksetzenObenLinks1Click,
     [](Editor& e, ToolMachine&, Modifiers) { setUserOriginCommand(e, originTopLeft()); }},
    {CommandId::SetzenachUntenLinks1Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       setUserOriginCommand(e, originBottomLeft(e.board().header));
     }},
    {CommandId::R_LinienClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       e.settings.optionen.Punktraster = false;
       e.repaint.repaintAll();
     }},
    {CommandId::R_PunkteClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       e.settings.optionen.Punktraster = true;
       e.repaint.repaintAll();
     }},
    {CommandId::R_SichtbarClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       e.settings.optionen.RasterSichtbar = !e.settings.optionen.RasterSichtbar;
       e.repaint.repaintAll();
     }},
    {CommandId::TB_TransparentClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       e.settings.optionen.Transparent = !e.settings.optionen.Transparent;
       e.repaint.repaintAll();
     }},
    {CommandId::SB_EinheitClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       e.settings.optionen.MIL = !e.settings.optionen.MIL;
     }},
};

}  // namespace

bool isEditorCommand(CommandId id) {
  return std::ranges::find(kEditorCommands, id, &EditorCommand::id) != std::end(kEditorCommands);
}

bool runEditorCommand(Editor& editor, ToolMachine& machine, CommandId id, Modifiers modifiers) {
  const auto* c = std::ranges::find(kEditorCommands, id, &EditorCommand::id);
  if (c == std::end(kEditorCommands)) return false;
  c->run(editor, machine, modifiers);
  return true;
}

}  // namespace pravelo
