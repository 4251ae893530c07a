#pragma once

#include "editing/editor.h"
#include "editing/node_commands.h"
#include "editing/tool.h"

namespace pravelo {

// Runs a node menu command on vertex `index` of `line` as one undo step: Commit, or Revert when
// it changed nothing (a join without a partner, which says so).
ToolResult runNodeCommand(Editor& editor, TObjekt& line, int index, NodeCommand command);

}  // namespace pravelo
