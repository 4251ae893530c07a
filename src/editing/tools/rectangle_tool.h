#pragma once

#include <optional>
#include <utility>

#include "editing/drag_span.h"
#include "editing/tool.h"

namespace pravelo {

// Rectangle tool: press at one corner, release at the other. Draws a closed track, or a zone in
// zone mode or with the cut-out rectangle button down (then a cut-out area).
class RectangleTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Rectangle; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  ToolResult finish(Editor& editor) override;
  bool busy() const override { return span_.active; }
  const Text* help() const override;

  // The two corners while a rectangle is dragged, for the preview.
  std::optional<std::pair<DPoint, DPoint>> frame() const;

 private:
  DragSpan span_;
};

}  // namespace pravelo
