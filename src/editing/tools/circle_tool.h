#pragma once

#include <optional>

#include "editing/drag_span.h"
#include "editing/tool.h"

namespace pravelo {

// Circle tool: press at the centre, drag out the radius, release to place a full ring of the
// current track width.
class CircleTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Circle; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  ToolResult finish(Editor& editor) override;
  bool busy() const override { return span_.active; }
  const Text* help() const override;

  struct Ring {
    DPoint centre;
    double radius = 0;  // of the centre line
    double width = 0;
  };
  // The ring being dragged out, for the preview.
  std::optional<Ring> preview(const Editor& editor) const;

 private:
  DragSpan span_;
};

}  // namespace pravelo
