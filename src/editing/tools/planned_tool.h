#pragma once

#include "editing/tool.h"

namespace pravelo {

// A tool whose drawing behaviour comes with a later part of the editor: it can be chosen, shows
// its help line and cursor, and a right click returns to the Edit tool.
class PlannedTool : public Tool {
 public:
  explicit PlannedTool(ToolId id) : id_(id) {}

  ToolId id() const override { return id_; }
  const Text* help() const override;

 private:
  ToolId id_;
};

}  // namespace pravelo
