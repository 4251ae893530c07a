#include "app/editor_commands.h"

#include <gtest/gtest.h>

#include "editing/editor_fixture.h"
#include "editing/view_commands.h"

namespace pravelo {
namespace {

class EditorCommandsTest : public testing::EditorTest {
 protected:
  bool run(CommandId id, Modifiers m = {}) { return runEditorCommand(editor, machine, id, m); }
};

TEST_F(EditorCommandsTest, SelectAllTakesVisibleLayersOnlyAndNothingInTheConnectionTools) {
  pad(100000, -100000, kLayerC1);
  pad(200000, -100000, kLayerC2);
  setLayerVisibleCommand(editor, kLayerC2, false);
  machine.chooseTool(ToolId::Connections);
  EXPECT_TRUE(run(CommandId::Allesmarkieren1Click));
  EXPECT_TRUE(selected().empty());
  machine.chooseTool(ToolId::Edit);
  run(CommandId::Allesmarkieren1Click);
  EXPECT_EQ(selected(), std::vector<int>{0});
}

TEST_F(EditorCommandsTest, DeleteIsOneUndoStep) {
  pad(100000, -100000);
  pad(200000, -100000);
  run(CommandId::Allesmarkieren1Click);
  run(CommandId::SB_DelClick);
  EXPECT_TRUE(board().objects.empty());
  EXPECT_EQ(board().undoStack.size(), 1u);
  run(CommandId::TB_UndoClick);
  EXPECT_EQ(board().objects.size(), 2u);
  run(CommandId::TB_RedoClick);
  EXPECT_TRUE(board().objects.empty());
}

TEST_F(EditorCommandsTest, OriginGoesWhereTheContextMenuOpenedOnTheGridUnlessCtrl) {
  click(12000, -23000, {}, MouseButton::Right);
  EXPECT_EQ(host.contextMenus, 1);
  run(CommandId::Nullpunktsetzen1Click);
  EXPECT_EQ(board().header.originX, 12700);
  EXPECT_EQ(board().header.originY, -25400);
  run(CommandId::Nullpunktsetzen1Click, {.ctrl = true});
  EXPECT_EQ(board().header.originX, 12000);
  EXPECT_EQ(board().header.originY, -23000);
  run(CommandId::SetzenachUntenLinks1Click);
  EXPECT_EQ(board().header.originY, -board().header.height);
}

TEST_F(EditorCommandsTest, ZoomInAndOutAreInverse) {
  const double zoom = board().header.zoom;
  run(CommandId::Vergroessern1Click);
  EXPECT_DOUBLE_EQ(board().header.zoom, zoom * 1.3);
  run(CommandId::Verkleinern1Click);
  EXPECT_DOUBLE_EQ(board().header.zoom, zoom);
}

// The pasted copy follows the pointer, snapped by its pad centre, and a click leaves it there as
// one undo step; Esc takes it away without a step.
TEST_F(EditorCommandsTest, PasteFollowsThePointerUntilAClickPlacesIt) {
  pad(127000, -127000);
  run(CommandId::Allesmarkieren1Click);
  EXPECT_FALSE(commandEnabled(editor, machine, CommandId::SB_InsertClick));
  run(CommandId::SB_CopyClick);
  EXPECT_TRUE(commandEnabled(editor, machine, CommandId::SB_InsertClick));

  machine.move({screen(300000, -300000), MouseButton::None, {}});
  run(CommandId::SB_InsertClick);
  EXPECT_EQ(machine.tool(), ToolId::Placing);
  ASSERT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(selected(), std::vector<int>{1});
  EXPECT_FALSE(commandEnabled(editor, machine, CommandId::SB_CopyClick)) << "busy placing";
  machine.move({screen(510000, -380000), MouseButton::None, {}});
  click(510000, -380000);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  // On the grid about the user origin at the bottom left corner.
  EXPECT_FLOAT_EQ(board().objects[1]->pos.x, 508000);
  EXPECT_FLOAT_EQ(board().objects[1]->pos.y, -380900);
  EXPECT_EQ(selected(), std::vector<int>{1}) << "the pasted pad stays selected";
  EXPECT_EQ(board().undoStack.size(), 1u);

  run(CommandId::Duplizieren1Click);
  EXPECT_EQ(board().objects.size(), 3u);
  key(Key::Escape);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(EditorCommandsTest, CutAndGroupAreOneStepEach) {
  pad(100000, -100000);
  pad(200000, -100000);
  run(CommandId::Allesmarkieren1Click);
  run(CommandId::SB_GruppierenClick);
  EXPECT_EQ(board().objects[0]->groups, std::vector<std::int32_t>{2});
  EXPECT_FALSE(commandEnabled(editor, machine, CommandId::SB_GruppierenClick)) << "one unit now";
  run(CommandId::SB_GruppeAufloesenClick);
  EXPECT_TRUE(board().objects[0]->groups.empty());
  run(CommandId::SB_CutClick);
  EXPECT_TRUE(board().objects.empty());
  EXPECT_EQ(board().undoStack.size(), 3u);
  EXPECT_EQ(doc.clipboard.size(), 2u);
}

TEST_F(EditorCommandsTest, CommandsThatNeedTheWindowAreNotRun) {
  for (CommandId id :
       {CommandId::SB_SaveClick, CommandId::Sprache1Click, CommandId::TB_SelectorClick}) {
    EXPECT_FALSE(isEditorCommand(id));
    EXPECT_FALSE(run(id));
  }
  EXPECT_FALSE(doc.modified);
}

}  // namespace
}  // namespace pravelo
