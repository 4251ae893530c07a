#include "editing/tools/planned_tool.h"

#include "editing/editing_texts.h"

namespace pravelo {

const Text* PlannedTool::help() const {
  switch (id_) {
    case ToolId::Track:
      return &texts::helpTrackStart;
    case ToolId::Zone:
      return &texts::helpZoneStart;
    case ToolId::Circle:
      return &texts::helpCircle;
    case ToolId::Test:
      return &texts::helpTest;
    case ToolId::Connections:
      return &texts::helpConnectionFirst;
    case ToolId::Autoroute:
      return &texts::helpAutoroute;
    case ToolId::Measure:
      return &texts::helpMeasure;
    case ToolId::Rectangle:
      return &texts::helpRectangle;
    default:
      return nullptr;
  }
}

}  // namespace pravelo
