#include "document/undo_history.h"

#include <algorithm>
#include <iterator>

#include "document/object_pack.h"

namespace pravelo {
namespace {

int suppressions = 0;

// The objects of the board packed last; a step takes an exact copy.
std::string packed;

UndoSnapshot snapshotOf(const Board& board) {
  packObjects(board.objects, packed);
  const BoardHeader& h = board.header;
  return {packed, h.originX, h.originY, h.width, h.height, h.groundPlane};
}

void restore(Board& board, const UndoSnapshot& step) {
  board.objects = unpackObjects(step.objects);
  BoardHeader& h = board.header;
  h.originX = step.originX;
  h.originY = step.originY;
  h.width = step.width;
  h.height = step.height;
  h.groundPlane = step.groundPlane;
}

bool matches(const Board& board, const UndoSnapshot& step) {
  const BoardHeader& h = board.header;
  if (h.originX != step.originX || h.originY != step.originY || h.width != step.width ||
      h.height != step.height || h.groundPlane != step.groundPlane) {
    return false;
  }
  packObjects(board.objects, packed);
  return packed == step.objects;
}

// Removes the oldest steps beyond `keep` and returns them.
UndoStack dropOldest(UndoStack& stack, std::size_t keep) {
  UndoStack dropped;
  if (stack.size() <= keep) return dropped;
  const auto end = stack.end() - static_cast<std::ptrdiff_t>(keep);
  dropped.assign(std::make_move_iterator(stack.begin()), std::make_move_iterator(end));
  stack.erase(stack.begin(), end);
  return dropped;
}

std::size_t allowedSteps(int depth) { return static_cast<std::size_t>(std::max(depth, 1)); }

bool moveNewest(Document& doc, UndoStack& from, UndoStack& to) {
  if (from.empty()) return false;
  Board& board = activeBoard(doc);
  to.push_back(snapshotOf(board));
  restore(board, from.back());
  from.pop_back();
  doc.modified = true;
  return true;
}

}  // namespace

void recordUndoStep(Document& doc, int depth) { UndoStep(doc, depth).commit(); }

void dropLastUndoStep(Document& doc) {
  UndoStack& undo = activeBoard(doc).undoStack;
  if (!undo.empty()) undo.pop_back();
}

bool undo(Document& doc) {
  Board& board = activeBoard(doc);
  return moveNewest(doc, board.undoStack, board.redoStack);
}

bool redo(Document& doc) {
  Board& board = activeBoard(doc);
  return moveNewest(doc, board.redoStack, board.undoStack);
}

void trimUndoHistories(Document& doc, int depth) {
  const std::size_t allowed = allowedSteps(depth);
  for (auto& board : doc.boards) {
    dropOldest(board->undoStack, allowed);
    dropOldest(board->redoStack, allowed - board->undoStack.size());
  }
}

UndoSuppression::UndoSuppression() { ++suppressions; }
UndoSuppression::~UndoSuppression() { --suppressions; }

UndoStep::UndoStep(Document& doc, int depth)
    : doc_(doc), board_(activeBoard(doc)), wasModified_(doc.modified) {
  if (suppressions > 0) return;
  trimmed_ = dropOldest(board_.undoStack, allowedSteps(depth) - 1);
  board_.undoStack.push_back(snapshotOf(board_));
  redo_ = std::move(board_.redoStack);
  board_.redoStack.clear();
  doc.modified = true;
  open_ = true;
}

UndoStep::~UndoStep() {
  if (open_) cancel(!matches(board_, board_.undoStack.back()));
}

void UndoStep::commit() {
  open_ = false;
  trimmed_.clear();
  redo_.clear();
}

bool UndoStep::commitIfChanged() {
  if (!open_) return false;
  if (matches(board_, board_.undoStack.back())) {
    cancel(false);
    return false;
  }
  commit();
  return true;
}

void UndoStep::cancel(bool boardChanged) {
  open_ = false;
  UndoStack& undo = board_.undoStack;
  if (boardChanged) restore(board_, undo.back());
  undo.pop_back();
  undo.insert(undo.begin(), std::make_move_iterator(trimmed_.begin()),
              std::make_move_iterator(trimmed_.end()));
  board_.redoStack = std::move(redo_);
  doc_.modified = wasModified_;
}

}  // namespace pravelo
