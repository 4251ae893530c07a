#include "editing/cleanup_commands.h"

#include <gtest/gtest.h>

#include "editing/cleanup_texts.h"
#include "editing/selection.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

class CleanupCommandsTest : public EditorTest {
 protected:
  void rightClick(double x, double y) { click(x, y, {}, MouseButton::Right); }
};

TEST_F(CleanupCommandsTest, NamingIsOneTrimmedUndoStep) {
  TObjekt* a = pad(100000, -100000);
  TObjekt* b = pad(200000, -100000);
  b->name = "old";
  a->selected = b->selected = 1;
  host.valueAnswers.push_back("  R12  ");
  EXPECT_TRUE(nameSelectionCommand(editor));
  ASSERT_EQ(host.valuePrompts, std::vector<std::string>{"old"});
  EXPECT_EQ(board().objects[0]->name, "R12");
  EXPECT_EQ(board().objects[1]->name, "R12");
  EXPECT_EQ(board().undoStack.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects[0]->name, "");
  EXPECT_EQ(board().objects[1]->name, "old");
}

TEST_F(CleanupCommandsTest, CancelledNamingRecordsNothing) {
  pad(100000, -100000)->selected = 1;
  EXPECT_FALSE(nameSelectionCommand(editor));
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(CleanupCommandsTest, SelectByNameTakesExactlyTheNamedObjects) {
  for (int i = 0; i < 3; ++i) pad(100000 + i * 100000, -100000)->selected = 1;
  host.valueAnswers.push_back("GND");
  nameSelectionCommand(editor);
  // A group member with another name, and a name that differs only in case.
  pad(100000, -300000)->groups = {2};
  board().objects[0]->groups = {2};
  pad(200000, -300000)->name = "gnd";
  deselectAll(board());

  rightClick(200000, -100000);
  EXPECT_EQ(editor.contextName, "GND");
  EXPECT_TRUE(selectByNameCommand(editor));
  EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2}));

  rightClick(200000, -300000);
  EXPECT_EQ(editor.contextName, "gnd");
  selectByNameCommand(editor);
  EXPECT_EQ(selected(), (std::vector<int>{4}));
}

TEST_F(CleanupCommandsTest, AnUnnamedPickOffersTheSelectionsName) {
  pad(100000, -100000)->name = "VCC";
  pad(300000, -100000);
  board().objects[0]->selected = 1;
  rightClick(700000, -500000);
  EXPECT_EQ(editor.contextName, "VCC") << "nothing picked: the selection's name";
  rightClick(300000, -100000);
  EXPECT_EQ(editor.contextName, "") << "the right click selected the unnamed pad alone";
}

TEST_F(CleanupCommandsTest, SolderMaskResetMarksTheDocumentModifiedWithoutUndoStep) {
  TObjekt* t = track({0, 0}, {10000, 0});
  t->solderMask = 1;
  EXPECT_FALSE(resetSolderMaskCommand(editor)) << "no answer cancels";
  EXPECT_EQ(t->solderMask, 1);
  EXPECT_FALSE(doc.modified);

  host.answers.push_back(Answer::Ok);
  EXPECT_TRUE(resetSolderMaskCommand(editor));
  EXPECT_EQ(t->solderMask, 0);
  EXPECT_TRUE(doc.modified);
  EXPECT_TRUE(board().undoStack.empty());
  EXPECT_EQ(host.messages.back(), tr(texts::solderMaskResetDone));
}

TEST_F(CleanupCommandsTest, DeletingOutsideIsOneUndoStep) {
  pad(100000, -100000);
  pad(-100000, -100000);
  pad(100000, 100000);
  EXPECT_TRUE(deleteOutsideBoardCommand(editor));
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(board().undoStack.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects.size(), 3u);
}

}  // namespace
}  // namespace pravelo::testing
