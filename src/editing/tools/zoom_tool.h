#pragma once

#include <optional>

#include "editing/tool.h"

namespace pravelo {

// Zoom tool, and the photo view's tool after the picture is shown: a click zooms in by 1.4 about
// the clicked point, a frame fills the view, a right click zooms out by 1.4.
class ZoomTool : public Tool {
 public:
  explicit ZoomTool(ToolId id) : id_(id) {}

  ToolId id() const override { return id_; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  const Text* help() const override;

  // The frame being drawn, in screen pixels, for the overlay.
  std::optional<std::pair<DPoint, DPoint>> frame() const;

 private:
  ToolId id_;
  std::optional<DPoint> start_;
  DPoint current_;
};

}  // namespace pravelo
