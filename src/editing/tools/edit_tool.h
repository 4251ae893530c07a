#pragma once

#include <optional>
#include <vector>

#include "editing/node_drag.h"
#include "editing/rubber_band.h"
#include "editing/tool.h"
#include "geometry/rect.h"

namespace pravelo {

// Edit tool: picks and selects (Shift toggles, Alt takes the object without its peers), draws a
// frame to select, moves the selection in grid steps with capture and the board clamp, drags
// the user origin; the arrow keys move the selection by a grid step. A double click on a text
// opens the text dialog for it. With one track, zone or circle selected its node handles are
// dragged, and a right click on a vertex opens the node menu. While objects or the origin move,
// the crosshair shows where to.
class EditTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Edit; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  ToolResult doubleClick(Editor& editor, const PointerEvent& e) override;
  bool key(Editor& editor, const KeyEvent& e, ToolResult& result) override;
  ToolResult finish(Editor& editor) override;
  const Text* help() const override;

  // For the overlay: the selection frame's world corners while one is drawn.
  std::optional<std::pair<DPoint, DPoint>> frame() const;
  // For the preview: the displacement of the move in progress.
  std::optional<DPoint> moveDisplacement() const;

 private:
  enum class Mode { Idle, Frame, Pressed, Move, Origin, Node };

  DPoint moveTarget(const Editor& editor, const PointerEvent& e) const;
  void moveSelection(Editor& editor, DPoint d);
  void hover(Editor& editor, DPoint world);
  ToolResult nodeMenu(Editor& editor, DPoint world);

  Mode mode_ = Mode::Idle;
  DPoint start_;    // press point, world
  DPoint current_;  // pointer, world
  DPoint anchor_;   // grab point of the picked object
  TRect box_;       // the selection's bounds at the press
  DPoint displacement_;
  std::vector<AttachedVertex> attached_;
  std::optional<NodeDrag> node_;
  bool overHandle_ = false;  // the pointer is over a node handle of the selection
};

}  // namespace pravelo
