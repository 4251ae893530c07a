#include "app/editor_commands.h"

#include <algorithm>

#include "document/document_texts.h"
#include "editing/align_commands.h"
#include "editing/cleanup_commands.h"
#include "editing/component_command.h"
#include "editing/generator_commands.h"
#include "editing/ground_plane_controls.h"
#include "editing/selection.h"
#include "editing/tile_command.h"
#include "editing/transform_commands.h"
#include "editing/view_commands.h"
#include "project/clipboard.h"
#include "project/outside_board.h"
#include "view/remove_connections.h"
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

bool routingTool(const ToolMachine& m) {
  return m.tool() == ToolId::Connections || m.tool() == ToolId::Autoroute;
}

void copy(Editor& e) { copySelection(e.board().objects, e.doc.clipboard); }

void paste(Editor& e, ToolMachine& m) {
  if (!e.doc.clipboard.empty()) m.chooseTool(ToolId::Placing);
}

// A command that changes the board in one step, kept only when it changed something.
void change(Editor& e, bool (*command)(ObjectList&)) {
  e.beginChange();
  if (command(e.board().objects)) {
    e.commitGesture();
    e.repaint.repaintAll();
  } else {
    e.revertGesture();
  }
}

void removeConnections(Editor& e) {
  e.beginChange();
  const ConnectionCounts counts = removeRoutedConnections(e.board());
  if (counts.removed > 0) {
    e.commitGesture();
    e.repaint.repaintAll();
  } else {
    e.revertGesture();
  }
  e.host.showMessage(connectionCountsMessage(counts, currentLanguage()), tr(texts::productName),
                     MessageIcon::Information);
}

struct EditorCommand {
  CommandId id;
  Run run;
};

constexpr EditorCommand kEditorCommands[] = {
    {CommandId::TB_UndoClick, [](Editor&, ToolMachine& m, Modifiers) { m.undo(); }},
    {CommandId::TB_RedoClick, [](Editor&, ToolMachine& m, Modifiers) { m.redo(); }},
    {CommandId::Allesmarkieren1Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       selectAll(e.board());
       e.repaint.repaintAll();
     }},
    {CommandId::SB_DelClick, [](Editor&, ToolMachine& m, Modifiers) { m.deleteSelection(); }},
    {CommandId::SB_CopyClick, [](Editor& e, ToolMachine&, Modifiers) { copy(e); }},
    {CommandId::SB_CutClick,
     [](Editor& e, ToolMachine& m, Modifiers) {
       copy(e);
       m.deleteSelection();
     }},
    {CommandId::SB_InsertClick, [](Editor& e, ToolMachine& m, Modifiers) { paste(e, m); }},
    {CommandId::Duplizieren1Click,
     [](Editor& e, ToolMachine& m, Modifiers) {
       copy(e);
       paste(e, m);
     }},
    {CommandId::SB_RotateClick,
     [](Editor& e, ToolMachine&, Modifiers mods) {
       rotateSelectionCommand(e, rotationAngle(e.settings.optionen), mods.shift);
     }},
    {CommandId::SB_HSpiegelnClick,
     [](Editor& e, ToolMachine&, Modifiers) { mirrorSelectionCommand(e, MirrorAxis::Horizontal); }},
    {CommandId::SB_VSpiegelnClick,
     [](Editor& e, ToolMachine&, Modifiers) { mirrorSelectionCommand(e, MirrorAxis::Vertical); }},
    {CommandId::SB_AusrichtenClick,
     [](Editor& e, ToolMachine&, Modifiers) { snapSelectionToGridCommand(e); }},
    {CommandId::AusrichtenObenClick,
     [](Editor& e, ToolMachine&, Modifiers) { alignSelectionCommand(e, Alignment::Top); }},
    {CommandId::AusrichtenUntenClick,
     [](Editor& e, ToolMachine&, Modifiers) { alignSelectionCommand(e, Alignment::Bottom); }},
    {CommandId::AusrichtenLinksClick,
     [](Editor& e, ToolMachine&, Modifiers) { alignSelectionCommand(e, Alignment::Left); }},
    {CommandId::AusrichtenRechtsClick,
     [](Editor& e, ToolMachine&, Modifiers) { alignSelectionCommand(e, Alignment::Right); }},
    {CommandId::AusrichtenHMitteClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       alignSelectionCommand(e, Alignment::HorizontalCentre);
     }},
    {CommandId::AusrichtenVMitteClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       alignSelectionCommand(e, Alignment::VerticalCentre);
     }},
    {CommandId::Layerwechseln1Click,
     [](Editor& e, ToolMachine&, Modifiers) { changeBoardSideCommand(e); }},
    {CommandId::SetzeAufLayer1Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerC1); }},
    {CommandId::SetzeAufLayer2Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerS1); }},
    {CommandId::SetzeAufLayer3Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerC2); }},
    {CommandId::SetzeAufLayer4Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerS2); }},
    {CommandId::SetzeAufLayer5Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerI1); }},
    {CommandId::SetzeAufLayer6Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerI2); }},
    {CommandId::SetzeAufLayer7Click,
     [](Editor& e, ToolMachine&, Modifiers) { setLayerCommand(e, kLayerO); }},
    {CommandId::SB_GruppierenClick,
     [](Editor& e, ToolMachine&, Modifiers) { change(e, groupSelection); }},
    {CommandId::SB_GruppeAufloesenClick,
     [](Editor& e, ToolMachine&, Modifiers) { change(e, ungroupSelection); }},
    {CommandId::Benennen1Click,
     [](Editor& e, ToolMachine&, Modifiers) { nameSelectionCommand(e); }},
    {CommandId::MarkiereNamen1Click,
     [](Editor& e, ToolMachine&, Modifiers) { selectByNameCommand(e); }},
    {CommandId::LS_ResetClick,
     [](Editor& e, ToolMachine&, Modifiers) { resetSolderMaskCommand(e); }},
    {CommandId::LscheElementeausserhalb1Click,
     [](Editor& e, ToolMachine&, Modifiers) { deleteOutsideBoardCommand(e); }},
    {CommandId::Kacheln1Click, [](Editor& e, ToolMachine&, Modifiers) { tileSelectionCommand(e); }},
    {CommandId::Bauteil1Click,
     [](Editor& e, ToolMachine& m, Modifiers) {
       if (m.tool() != ToolId::Edit) m.chooseTool(ToolId::Edit);
       componentCommand(e);
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
       zoomObjectsCommand(e.board(), e.view(), e.viewport);
       zoomed(e);
     }},
    {CommandId::ZoomaufMarkierung1Click,
     [](Editor& e, ToolMachine&, Modifiers) {
       zoomSelectionCommand(e.board(), e.view(), e.viewport);
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
    {CommandId::TB_ClearConnectionsClick,
     [](Editor& e, ToolMachine&, Modifiers) { removeConnections(e); }},
    {CommandId::SB_AutoMasseMouseDown,
     [](Editor& e, ToolMachine& m, Modifiers) { toggleGroundPlaneCommand(e, m); }},
    {CommandId::SB_EinheitClick,
     [](Editor& e, ToolMachine&, Modifiers) {
       e.settings.optionen.MIL = !e.settings.optionen.MIL;
     }},
    {CommandId::BauteilAssistent1Click,
     [](Editor& e, ToolMachine& m, Modifiers) { footprintWizardCommand(e, m); }},
};

}  // namespace

bool isEditorCommand(CommandId id) {
  return std::ranges::find(kEditorCommands, id, &EditorCommand::id) != std::end(kEditorCommands);
}

bool commandEnabled(const Editor& editor, const ToolMachine& machine, CommandId id) {
  const Board& board = editor.board();
  const bool idle = !machine.currentTool().busy();
  switch (id) {
    case CommandId::TB_UndoClick:
      return machine.canUndo();
    case CommandId::TB_RedoClick:
      return machine.canRedo();
    case CommandId::Allesmarkieren1Click:
      return !routingTool(machine);
    case CommandId::SB_CopyClick:
    case CommandId::SB_CutClick:
    case CommandId::SB_DelClick:
    case CommandId::Duplizieren1Click:
    case CommandId::Kacheln1Click:
    case CommandId::Bauteil1Click:
      return idle && !routingTool(machine) && selectedCount(board) > 0;
    case CommandId::SB_RotateClick:
    case CommandId::SB_HSpiegelnClick:
    case CommandId::SB_VSpiegelnClick:
    case CommandId::SB_AusrichtenClick:
    case CommandId::AusrichtenObenClick:
    case CommandId::AusrichtenUntenClick:
    case CommandId::AusrichtenLinksClick:
    case CommandId::AusrichtenRechtsClick:
    case CommandId::AusrichtenHMitteClick:
    case CommandId::AusrichtenVMitteClick:
    case CommandId::Layerwechseln1Click:
    case CommandId::SetzeAufLayer1Click:
    case CommandId::SetzeAufLayer2Click:
    case CommandId::SetzeAufLayer3Click:
    case CommandId::SetzeAufLayer4Click:
    case CommandId::SetzeAufLayer7Click:
      return idle && selectedCount(board) > 0;
    case CommandId::SetzeAufLayer5Click:
    case CommandId::SetzeAufLayer6Click:
      return idle && selectedCount(board) > 0 && board.header.multilayer != 0;
    case CommandId::SB_InsertClick:
      return idle && !editor.doc.clipboard.empty();
    case CommandId::TB_ClearConnectionsClick:
      return idle;
    case CommandId::SB_AutoMasseMouseDown:
      // The photo view shows the finished board: its planes are as they are.
      return isCopperLayer(board.header.activeLayer) && machine.tool() != ToolId::PhotoView;
    case CommandId::SB_GruppierenClick:
      return idle && selectedUnitCount(board.objects) >= 2;
    case CommandId::SB_GruppeAufloesenClick:
      return idle && std::ranges::any_of(board.objects, [](const auto& o) {
               return o->selected && !o->groups.empty();
             });
    case CommandId::Benennen1Click:
      return idle && selectedCount(board) > 0;
    case CommandId::MarkiereNamen1Click:
      return idle && !editor.contextName.empty();
    case CommandId::LscheElementeausserhalb1Click:
      return idle && anythingOutsideBoard(board);
    default:
      return true;
  }
}

bool runEditorCommand(Editor& editor, ToolMachine& machine, CommandId id, Modifiers modifiers) {
  const auto* c = std::ranges::find(kEditorCommands, id, &EditorCommand::id);
  if (c == std::end(kEditorCommands)) return false;
  if (commandEnabled(editor, machine, id)) c->run(editor, machine, modifiers);
  return true;
}

}  // namespace pravelo
