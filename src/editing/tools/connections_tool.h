#pragma once

#include <optional>
#include <utility>

#include "editing/tool.h"

namespace pravelo {

// Connections tool: click a first pad, then a second one to add their connection or take it
// away; a click on a drawn connection line removes it.
class ConnectionsTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Connections; }
  void start(Editor& editor, DPoint) override;
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  bool rightClickUsed() const override { return rightClickUsed_; }
  const Text* help() const override;
  Cursor cursor() const override { return hovered_ ? Cursor::Hand : Cursor::Connect; }

  // The dotted rubber line from the first pad's centre to the pointer, in world units, while it
  // is shown; the window draws it inverting what lies below.
  std::optional<std::pair<DPoint, DPoint>> rubberLine(const Board& board) const;

 private:
  void setCandidate(Editor& editor, int index);
  void setHovered(Editor& editor, std::optional<std::pair<int, int>> pair);
  bool validPad(const Board& board, int index) const;

  int firstPad_ = -1;
  int candidate_ = -1;
  std::optional<std::pair<int, int>> hovered_;
  std::optional<DPoint> pointer_;  // world point of the rubber line's end while it is shown
  bool rightClickUsed_ = false;
};

}  // namespace pravelo
