#include "editing/node_menu.h"

#include "document/document_texts.h"
#include "editing/editing_texts.h"

namespace pravelo {

ToolResult runNodeCommand(Editor& editor, TObjekt& line, int index, NodeCommand command) {
  Board& board = editor.board();
  const double grid = board.header.grid;
  const IPoint origin{board.header.originX, board.header.originY};
  editor.beginChange();
  switch (command) {
    case NodeCommand::Remove:
      removeNode(line, index);
      break;
    case NodeCommand::Add:
      addNode(line, index, grid, origin);
      break;
    case NodeCommand::Snap:
      snapNode(line, index, grid, origin);
      break;
    case NodeCommand::SnapAll:
      snapAllNodes(line, grid, origin);
      break;
    case NodeCommand::Split:
      splitTrack(board, line, index);
      break;
    case NodeCommand::Join: {
      const bool joined = joinTracks(board, line, index, editor.settings.optionen.TracksOptimieren);
      editor.host.showMessage(tr(joined ? texts::tracksJoined : texts::noTrackToJoin),
                              tr(texts::productName), MessageIcon::Information);
      if (!joined) return ToolResult::Revert;
      break;
    }
  }
  return ToolResult::Commit;
}

}  // namespace pravelo
