#pragma once

#include "editing/tool.h"

namespace pravelo {

// Solder-mask tool: a click on an object takes it into the solder mask or out of it.
class MaskTool : public Tool {
 public:
  ToolId id() const override { return ToolId::SolderMask; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  const Text* help() const override;
};

}  // namespace pravelo
