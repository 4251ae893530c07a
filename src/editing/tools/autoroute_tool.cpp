#include "editing/tools/autoroute_tool.h"

#include <cmath>

#include "editing/autoroute_commands.h"
#include "editing/connections.h"
#include "editing/editing_texts.h"
#include "editing/pick.h"
#include "geometry/bounding_box.h"
#include "view/autoroute_texts.h"

namespace pravelo {
namespace {

bool isAutorouteIndex(const Board& board, int index, bool (*wanted)(const TObjekt&)) {
  return index >= 0 && static_cast<std::size_t>(index) < board.objects.size() &&
         wanted(*board.objects[index]);
}
bool isAutoroutePad(const TObjekt& o) { return isPadKind(o.kind); }
bool isAutoroutedTrack(const TObjekt& o) { return o.kind == kTrack && o.autorouted != 0; }

void highlightForRoute(Editor& editor, TObjekt& o, bool on) {
  o.selected = on ? 1 : 0;
  editor.repaint.repaintWorld(objectBounds(o));
}

}  // namespace

void AutorouteTool::start(Editor&, DPoint) {
  hovered_.reset();
  hoveredTrack_ = -1;
  status_ = &texts::routeReady;
}

void AutorouteTool::setHovered(Editor& editor, std::optional<std::pair<int, int>> pair) {
  Board& board = editor.board();
  if (hovered_ == pair) return;
  if (hovered_) {
    for (int i : {hovered_->first, hovered_->second}) {
      if (isAutorouteIndex(board, i, isAutoroutePad))
        highlightForRoute(editor, *board.objects[i], false);
    }
  }
  hovered_ = pair;
  if (hovered_) {
    highlightForRoute(editor, *board.objects[hovered_->first], true);
    highlightForRoute(editor, *board.objects[hovered_->second], true);
  }
}

void AutorouteTool::setHoveredTrack(Editor& editor, int track) {
  Board& board = editor.board();
  if (hoveredTrack_ == track) return;
  if (isAutorouteIndex(board, hoveredTrack_, isAutoroutedTrack)) {
    highlightForRoute(editor, *board.objects[hoveredTrack_], false);
  }
  hoveredTrack_ = track;
  if (track >= 0) highlightForRoute(editor, *board.objects[track], true);
}

ToolResult AutorouteTool::move(Editor& editor, const PointerEvent& e) {
  Board& board = editor.board();
  const IPoint mouse{static_cast<std::int32_t>(std::lround(e.screen.x)),
                     static_cast<std::int32_t>(std::lround(e.screen.y))};
  const std::optional<std::pair<int, int>> pair = connectionAt(board, mouse);
  if (pair) {
    setHoveredTrack(editor, -1);
    setHovered(editor, pair);
  } else {
    setHovered(editor, std::nullopt);
    const ViewTransform v = editor.view();
    const int hit = pickObject(board, screenToWorld(v, e.screen), v.zoom, false, false);
    setHoveredTrack(editor, isAutorouteIndex(board, hit, isAutoroutedTrack) ? hit : -1);
  }
  editor.repaint.setCursor(cursor());
  return ToolResult::Nothing;
}

ToolResult AutorouteTool::press(Editor& editor, const PointerEvent& e) {
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  Board& board = editor.board();
  if (hovered_ && isAutorouteIndex(board, hovered_->first, isAutoroutePad) &&
      isAutorouteIndex(board, hovered_->second, isAutoroutePad)) {
    const auto [a, b] = *hovered_;
    status_ = &texts::routeAnalyzing;
    const RouteReport report = autorouteConnection(editor, a, b, monitor);
    switch (report.outcome) {
      case RouteOutcome::Routed:
        hovered_.reset();
        status_ = &texts::routeSuccessful;
        break;
      case RouteOutcome::GridTooFine:
        status_ = &texts::routeGridTooFine;
        break;
      case RouteOutcome::NotFound:
        status_ = &texts::routeNotFound;
        break;
    }
    editor.repaint.setCursor(cursor());
    return ToolResult::Nothing;
  }
  if (isAutorouteIndex(board, hoveredTrack_, isAutoroutedTrack)) {
    editor.beginChange();
    dissolveRoute(board, hoveredTrack_);
    hoveredTrack_ = -1;
    status_ = &texts::routeResolved;
    editor.repaint.repaintAll();
    editor.repaint.setCursor(cursor());
    return ToolResult::Commit;
  }
  return ToolResult::Nothing;
}

const Text* AutorouteTool::help() const { return &texts::helpAutoroute; }

Cursor AutorouteTool::cursor() const {
  return hovered_ || hoveredTrack_ >= 0 ? Cursor::Hand : Cursor::Autoroute;
}

}  // namespace pravelo
