#include "editing/tools/connections_tool.h"

#include <cmath>

#include "editing/connections.h"
#include "editing/editing_texts.h"
#include "editing/pick.h"
#include "geometry/bounding_box.h"

namespace pravelo {
namespace {

void mark(Editor& editor, TObjekt& o, bool selected) {
  o.selected = selected ? 1 : 0;
  editor.repaint.repaintWorld(objectBounds(o));
}

}  // namespace

bool ConnectionsTool::validPad(const Board& board, int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < board.objects.size() &&
         isPadKind(board.objects[index]->kind);
}

void ConnectionsTool::start(Editor&, DPoint) {
  firstPad_ = -1;
  candidate_ = -1;
  hovered_.reset();
  pointer_.reset();
}

void ConnectionsTool::setCandidate(Editor& editor, int index) {
  Board& board = editor.board();
  if (candidate_ == index) return;
  if (validPad(board, candidate_)) mark(editor, *board.objects[candidate_], false);
  candidate_ = index;
  if (index >= 0) mark(editor, *board.objects[index], true);
}

void ConnectionsTool::setHovered(Editor& editor, std::optional<std::pair<int, int>> pair) {
  Board& board = editor.board();
  if (hovered_ == pair) return;
  if (hovered_) {
    for (int i : {hovered_->first, hovered_->second}) {
      if (validPad(board, i)) mark(editor, *board.objects[i], false);
    }
  }
  hovered_ = pair;
  if (hovered_) {
    mark(editor, *board.objects[hovered_->first], true);
    mark(editor, *board.objects[hovered_->second], true);
  }
  editor.repaint.setCursor(cursor());
}

ToolResult ConnectionsTool::move(Editor& editor, const PointerEvent& e) {
  Board& board = editor.board();
  if (!validPad(board, firstPad_)) firstPad_ = -1;
  if (!validPad(board, candidate_)) candidate_ = -1;
  if (pointer_) {
    pointer_.reset();
    editor.repaint.overlayChanged();
  }
  const ViewTransform v = editor.view();
  const int hit = pickObject(board, screenToWorld(v, e.screen), v.zoom, false, false);
  const bool padHit =
      hit >= 0 && isPadKind(board.objects[hit]->kind) && isCopperLayer(board.objects[hit]->layer);
  if (padHit) {
    setCandidate(editor, hit);
    setHovered(editor, std::nullopt);
  } else {
    setCandidate(editor, -1);
  }
  if (firstPad_ >= 0) {
    pointer_ = screenToWorld(v, e.screen);
    editor.repaint.overlayChanged();
  }
  if (!padHit && firstPad_ < 0) {
    const IPoint mouse{static_cast<std::int32_t>(std::lround(e.screen.x)),
                       static_cast<std::int32_t>(std::lround(e.screen.y))};
    setHovered(editor, connectionAt(board, mouse));
  }
  return ToolResult::Nothing;
}

ToolResult ConnectionsTool::press(Editor& editor, const PointerEvent& e) {
  Board& board = editor.board();
  rightClickUsed_ = false;
  if (e.button == MouseButton::Right) {
    if (pointer_ || firstPad_ >= 0) {
      pointer_.reset();
      firstPad_ = -1;
      rightClickUsed_ = true;
      editor.repaint.overlayChanged();
    }
    return ToolResult::Nothing;
  }
  if (e.button != MouseButton::Left) return ToolResult::Nothing;
  std::optional<std::pair<int, int>> pair;
  if (hovered_ && validPad(board, hovered_->first) && validPad(board, hovered_->second)) {
    pair = hovered_;
  } else if (validPad(board, firstPad_) && validPad(board, candidate_) && candidate_ != firstPad_) {
    pair = std::pair{firstPad_, candidate_};
  }
  if (!pair) {
    if (candidate_ >= 0) firstPad_ = candidate_;
    return ToolResult::Nothing;
  }
  editor.beginChange();
  pointer_.reset();
  toggleConnection(*board.objects[pair->first], *board.objects[pair->second]);
  firstPad_ = -1;
  hovered_.reset();
  editor.repaint.setCursor(cursor());
  return ToolResult::Commit;
}

std::optional<std::pair<DPoint, DPoint>> ConnectionsTool::rubberLine(const Board& board) const {
  if (!pointer_ || !validPad(board, firstPad_)) return std::nullopt;
  const FPoint from = connectionEnd(*board.objects[firstPad_]);
  return std::pair{DPoint{from.x, from.y}, *pointer_};
}

const Text* ConnectionsTool::help() const {
  return firstPad_ >= 0 ? &texts::helpConnectionSecond : &texts::helpConnectionFirst;
}

}  // namespace pravelo
