#include "editing/tools/planned_tool.h"

namespace pravelo {

const Text* PlannedTool::help() const { return nullptr; }

}  // namespace pravelo
