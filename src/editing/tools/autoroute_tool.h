#pragma once

#include <optional>
#include <utility>

#include "editing/tool.h"
#include "view/autoroute_texts.h"
#include "view/autorouter.h"

namespace pravelo {

// Autoroute tool: the hovered connection is routed into a track with a click, and a click on a
// hovered autorouted track dissolves it again. The status shows how the last click ended.
class AutorouteTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Autoroute; }
  void start(Editor& editor, DPoint) override;
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  const Text* help() const override;
  Cursor cursor() const override;

  // The window's progress display and Escape poll for the route under way.
  RouteMonitor monitor;
  const Text& status() const { return *status_; }
  void setStatus(const Text& status) { status_ = &status; }
  // The pads of the hovered connection: the pair a click routes.
  std::optional<std::pair<int, int>> hovered() const { return hovered_; }

 private:
  void setHovered(Editor& editor, std::optional<std::pair<int, int>> pair);
  void setHoveredTrack(Editor& editor, int track);

  std::optional<std::pair<int, int>> hovered_;
  int hoveredTrack_ = -1;
  const Text* status_ = &texts::routeReady;
};

}  // namespace pravelo
