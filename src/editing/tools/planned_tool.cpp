#include "editing/tools/planned_tool.h"

#include "editing/editing_texts.h"

namespace pravelo {

const Text* PlannedTool::help() const {
  switch (id_) {
    case ToolId::Autoroute:
      return &texts::helpAutoroute;
    default:
      return nullptr;
  }
}

}  // namespace pravelo
