#pragma once

#include "document/document.h"

namespace pravelo {

// Undo and redo work on the active board's own stacks. `depth` is the most undo steps a board
// keeps: undoDepth() of the options, 1 to 51.

// Records the active board before a change: drops the oldest steps so that at most `depth`
// remain, pushes the board's objects, origin, size and ground-plane switches, empties the redo
// stack and marks the document modified. Does nothing while an UndoSuppression lives.
void recordUndoStep(Document& doc, int depth);

// Forgets the newest undo step without applying it.
void dropLastUndoStep(Document& doc);

// Each moves the active board's present state onto the other stack and restores the newest
// step of its own: objects with their connections and route ends, origin, size and ground-plane
// switches; nothing is selected afterwards. Marks the document modified, since the board no longer
// matches its file. Returns false, changing nothing, when the stack is empty. Whether undo is
// allowed at the moment (not while drawing or placing) is for the tools to decide.
bool undo(Document& doc);
bool redo(Document& doc);

// After the depth was lowered: drops the oldest undo steps of every board beyond `depth`, then
// the farthest redo steps beyond what the undo steps leave of it, so that redoing can never
// carry a board's undo stack past the depth.
void trimUndoHistories(Document& doc, int depth);

// While one lives, recording does nothing: a composite operation that builds objects through
// other recording operations stays one step.
class UndoSuppression {
 public:
  UndoSuppression();
  ~UndoSuppression();
  UndoSuppression(const UndoSuppression&) = delete;
  UndoSuppression& operator=(const UndoSuppression&) = delete;
};

// The undo step of one editing operation, taken before its first change:
//
//   UndoStep step(doc, depth);   // records the active board now
//   ... change the board ...
//   step.commit();               // or step.commitIfChanged();
//
// A step destroyed without being committed cancels the operation: the board gets back its
// objects, origin, size and plane switches, and its undo and redo stacks and the document's
// modified flag are as before the step, so nothing is left of it. When the board did not change,
// its objects are left alone, so pointers into the board and the selection stay valid. commit()
// keeps the step even when nothing changed (an operation that always counts as one);
// commitIfChanged() keeps it only when objects, origin or size differ from the recorded state
// or plane switches differ from the recorded state (the selection is no part of it), and otherwise
// cancels it. Under an UndoSuppression the step records nothing, and cancelling it changes nothing.
// Nothing inside a step may record steps of its own: a step only takes back its own, the newest.
// Inner operations that would record run under an UndoSuppression.
class UndoStep {
 public:
  UndoStep(Document& doc, int depth);
  ~UndoStep();
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

  void commit();
  // Returns whether the step was kept.
  bool commitIfChanged();

 private:
  void cancel(bool boardChanged);

  Document& doc_;
  Board& board_;
  bool open_ = false;  // recorded and neither committed nor cancelled
  bool wasModified_;
  UndoStack trimmed_;  // the oldest steps the new one pushed out
  UndoStack redo_;
};

}  // namespace pravelo
