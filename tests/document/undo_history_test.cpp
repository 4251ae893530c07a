#include "document/undo_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "document/layout_file.h"
#include "document/object_list.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

constexpr int kDepth = 51;

// Everything a step may touch: the whole document as a layout file, both stacks of the
// active board and the modified flag.
struct Trace {
  std::string layout;
  std::vector<std::string> undoSteps;
  std::vector<std::string> redoSteps;
  bool modified;
  friend bool operator==(const Trace&, const Trace&) = default;
};

std::vector<std::string> packed(const UndoStack& stack) {
  std::vector<std::string> result;
  for (const UndoSnapshot& step : stack) result.push_back(step.objects);
  return result;
}

// The sample board with every kind of object, connections and route ends, active; a second
// board beside it.
TObjekt& firstText(Board& board) {
  return **std::find_if(board.objects.begin(), board.objects.end(),
                        [](const auto& o) { return o->kind == kText; });
}

class UndoHistoryTest : public ::testing::Test {
 protected:
  UndoHistoryTest() { doc.activeBoard = 0; }

  Board& board() { return activeBoard(doc); }
  std::string layout() const { return writeLayout(doc); }
  Trace trace() const {
    const Board& b = activeBoard(doc);
    return {layout(), packed(b.undoStack), packed(b.redoStack), doc.modified};
  }
  // Distinct board states, told apart by the first object's position.
  void moveFirstTo(float x) { board().objects[0]->pos.x = x; }
  float firstX() { return board().objects[0]->pos.x; }
  void removeEverything() {
    removeObjectsIf(board().objects, [](const TObjekt&) { return true; });
  }

  Document doc = testing::sampleDocument();
};

TEST_F(UndoHistoryTest, UndoAndRedoSwapObjectsOriginAndSize) {
  const std::string original = layout();
  recordUndoStep(doc, kDepth);
  removeObjectsIf(board().objects, [](const TObjekt& o) { return o.kind == kSmdPad; });
  board().header.width = 900000;
  board().header.height = 400000;
  board().header.originX = 5;
  board().header.originY = -7;
  const std::string changed = layout();

  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(layout(), original);
  EXPECT_TRUE(board().undoStack.empty());
  ASSERT_TRUE(redo(doc));
  EXPECT_EQ(layout(), changed);
  EXPECT_TRUE(board().redoStack.empty());
  EXPECT_EQ(board().undoStack.size(), 1u);
}

// Saving, then undoing or redoing, then closing must ask to save.
TEST_F(UndoHistoryTest, UndoAndRedoMarkASavedDocumentModified) {
  recordUndoStep(doc, kDepth);
  moveFirstTo(1);
  doc.modified = false;
  ASSERT_TRUE(undo(doc));
  EXPECT_TRUE(doc.modified);
  doc.modified = false;
  ASSERT_TRUE(redo(doc));
  EXPECT_TRUE(doc.modified);
}

TEST_F(UndoHistoryTest, EmptyStacksChangeNothing) {
  const Trace before = trace();
  EXPECT_FALSE(undo(doc));
  EXPECT_FALSE(redo(doc));
  dropLastUndoStep(doc);
  EXPECT_EQ(trace(), before);
}

TEST_F(UndoHistoryTest, RestoredPadsAndRouteEndsJoinTheRestoredObjects) {
  const std::string original = layout();
  recordUndoStep(doc, kDepth);
  removeEverything();
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(layout(), original);
  int links = 0;
  for (const auto& o : board().objects) {
    for (const TObjekt* partner : o->connections) {
      ASSERT_GE(indexOf(board().objects, partner), 0);
      EXPECT_NE(std::find(partner->connections.begin(), partner->connections.end(), o.get()),
                partner->connections.end());
      ++links;
    }
    for (const TObjekt* end : {o->routeEndA, o->routeEndB}) {
      if (!end) continue;
      EXPECT_GE(indexOf(board().objects, end), 0);
      ++links;
    }
  }
  EXPECT_EQ(links, 4 + 2);  // two symmetric connections, one track's two ends
}

TEST_F(UndoHistoryTest, NothingIsSelectedAfterUndoOrRedo) {
  auto selectEverything = [&] {
    for (auto& o : board().objects) {
      o->selected = 1;
      for (TObjekt& child : o->children) child.selected = 1;
    }
  };
  auto anythingSelected = [&] {
    for (const auto& o : board().objects) {
      if (o->selected) return true;
      for (const TObjekt& child : o->children) {
        if (child.selected) return true;
      }
    }
    return false;
  };
  selectEverything();
  recordUndoStep(doc, kDepth);
  moveFirstTo(1);
  ASSERT_TRUE(undo(doc));
  EXPECT_FALSE(anythingSelected());
  selectEverything();
  ASSERT_TRUE(redo(doc));
  EXPECT_FALSE(anythingSelected());
}

TEST_F(UndoHistoryTest, WithDepthOneOnlyTheLastChangeCanBeUndone) {
  recordUndoStep(doc, 1);
  moveFirstTo(1);
  recordUndoStep(doc, 1);
  moveFirstTo(2);
  EXPECT_EQ(board().undoStack.size(), 1u);
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(firstX(), 1);
  EXPECT_FALSE(undo(doc));
}

TEST_F(UndoHistoryTest, ANewChangeAfterUndoEmptiesRedo) {
  recordUndoStep(doc, kDepth);
  moveFirstTo(1);
  ASSERT_TRUE(undo(doc));
  ASSERT_EQ(board().redoStack.size(), 1u);
  recordUndoStep(doc, kDepth);
  EXPECT_TRUE(board().redoStack.empty());
  EXPECT_FALSE(redo(doc));
}

TEST_F(UndoHistoryTest, RecordingKeepsTheNewestStepsUpToTheDepth) {
  for (int k = 0; k < 5; ++k) {
    moveFirstTo(static_cast<float>(k));
    recordUndoStep(doc, 3);
  }
  ASSERT_EQ(board().undoStack.size(), 3u);
  while (undo(doc)) {
  }
  EXPECT_EQ(firstX(), 2);
}

// When the depth is lowered, the steps farthest from the present go: the oldest undo steps,
// then the farthest redo steps, until undo and redo steps together fit the new depth.
TEST_F(UndoHistoryTest, LoweringTheDepthTrimsEveryBoard) {
  struct Case {
    int undone;  // of five recorded steps
    int depth;
    std::size_t undoSteps;
    std::size_t redoSteps;
  };
  for (const Case c : {Case{0, 3, 3, 0}, Case{2, 2, 2, 0}, Case{2, 4, 3, 1}, Case{4, 3, 1, 2},
                       Case{1, 51, 4, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.undone << " undone, depth " << c.depth);
    doc = testing::sampleDocument();
    for (int board = 1; board >= 0; --board) {
      doc.activeBoard = board;
      for (int k = 0; k < 5; ++k) {
        moveFirstTo(static_cast<float>(k));
        recordUndoStep(doc, kDepth);
      }
      moveFirstTo(5);
      for (int k = 0; k < c.undone; ++k) ASSERT_TRUE(undo(doc));
    }

    trimUndoHistories(doc, c.depth);
    EXPECT_EQ(doc.boards[1]->undoStack.size(), c.undoSteps);
    EXPECT_EQ(doc.boards[1]->redoStack.size(), c.redoSteps);
    EXPECT_EQ(board().undoStack.size(), c.undoSteps);
    EXPECT_EQ(board().redoStack.size(), c.redoSteps);
    const int present = 5 - c.undone;
    while (undo(doc)) {
    }
    EXPECT_EQ(firstX(), static_cast<float>(present) - static_cast<float>(c.undoSteps));
    while (redo(doc)) {
    }
    EXPECT_EQ(firstX(), static_cast<float>(present) + static_cast<float>(c.redoSteps));
  }
}

TEST_F(UndoHistoryTest, ACancelledStepLeavesNoTrace) {
  auto cancelledEdit = [&] {
    UndoStep step(doc, 2);
    removeEverything();
    board().header.width = 1;
    board().header.originY = 1;
  };
  // A full stack: the step pushes out the oldest one, which must come back.
  for (float x : {1.0f, 2.0f}) {
    recordUndoStep(doc, 2);
    moveFirstTo(x);
  }
  doc.modified = false;
  Trace before = trace();
  cancelledEdit();
  EXPECT_EQ(trace(), before);

  // A pending redo step, which recording empties, must come back.
  ASSERT_TRUE(undo(doc));
  doc.modified = false;
  before = trace();
  cancelledEdit();
  EXPECT_EQ(trace(), before);
}

// Tools keep pointers into the board, and the selection is not part of a step.
TEST_F(UndoHistoryTest, CancellingAnUnchangedStepKeepsTheObjectsThemselves) {
  board().objects[1]->selected = 1;
  const TObjekt* second = board().objects[1].get();
  const Trace before = trace();
  { UndoStep step(doc, kDepth); }
  EXPECT_EQ(trace(), before);
  EXPECT_EQ(board().objects[1].get(), second);
  EXPECT_EQ(second->selected, 1);
}

TEST_F(UndoHistoryTest, CommitIfChangedKeepsTheStepOnlyForAChangedBoard) {
  struct Case {
    const char* change;
    std::function<void(Board&)> apply;
    bool kept;
  };
  const Case cases[] = {
      {"nothing", [](Board&) {}, false},
      {"selection", [](Board& b) { b.objects[0]->selected = 1; }, false},
      {"an object", [](Board& b) { b.objects[0]->groups.push_back(9); }, true},
      {"a stroke", [](Board& b) { firstText(b).children[0].width += 1; }, true},
      {"a connection", [](Board& b) { b.objects[0]->connections.pop_back(); }, true},
      {"the origin", [](Board& b) { b.header.originX += 1; }, true},
      {"the size", [](Board& b) { b.header.height += 1; }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    doc = testing::sampleDocument();
    doc.activeBoard = 0;
    const Trace before = trace();
    UndoStep step(doc, kDepth);
    c.apply(board());
    EXPECT_EQ(step.commitIfChanged(), c.kept);
    EXPECT_EQ(board().undoStack.size(), c.kept ? 1u : 0u);
    if (!c.kept) {
      EXPECT_EQ(trace().undoSteps, before.undoSteps);
    }
    EXPECT_EQ(doc.modified, c.kept);
  }
}

TEST_F(UndoHistoryTest, ACommittedStepIsKeptEvenWithoutChange) {
  {
    UndoStep step(doc, kDepth);
    step.commit();
  }
  EXPECT_EQ(board().undoStack.size(), 1u);
  EXPECT_TRUE(doc.modified);
}

TEST_F(UndoHistoryTest, NothingIsRecordedOrRevertedWhileSuppressed) {
  {
    UndoSuppression quiet;
    recordUndoStep(doc, kDepth);
    UndoStep step(doc, kDepth);
    moveFirstTo(1);
  }
  EXPECT_TRUE(board().undoStack.empty());
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(firstX(), 1);
  recordUndoStep(doc, kDepth);
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(UndoHistoryTest, EachBoardHasItsOwnHistory) {
  recordUndoStep(doc, kDepth);
  moveFirstTo(1);
  doc.activeBoard = 1;
  EXPECT_FALSE(undo(doc));
  doc.activeBoard = 0;
  ASSERT_TRUE(undo(doc));
  EXPECT_NE(firstX(), 1);
}

TEST_F(UndoHistoryTest, DroppingTheLastStepForgetsItWithoutApplyingIt) {
  recordUndoStep(doc, kDepth);
  moveFirstTo(1);
  recordUndoStep(doc, kDepth);
  moveFirstTo(2);
  dropLastUndoStep(doc);
  EXPECT_EQ(firstX(), 2);
  ASSERT_TRUE(undo(doc));
  EXPECT_NE(firstX(), 1);
  EXPECT_FALSE(undo(doc));
}

}  // namespace
}  // namespace pravelo
