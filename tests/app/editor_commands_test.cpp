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
