#include "editing/tile_command.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "project/clipboard.h"

namespace pravelo::testing {
namespace {


class TileCommandTest : public EditorTest {
 protected:
  void answer(const TileValues& v) {
    host.tileAnswers.push_back([v](const TileDialog&) { return v; });
  }
};

TEST_F(TileCommandTest, ATileIsOneUndoStepOfOneSelectedGroup) {
  TObjekt* p = pad(50 * kMm, -40 * kMm);
  p->selected = 1;
  TileValues v;
  v.columns = 3;
  v.rows = 2;
  v.columnDistanceMm = v.rowDistanceMm = 5;
  answer(v);
  EXPECT_TRUE(tileSelectionCommand(editor));
  ASSERT_EQ(board().objects.size(), 6u);
  const std::int32_t group = board().objects[0]->groups.back();
  for (const auto& o : board().objects) {
    EXPECT_TRUE(o->selected);
    EXPECT_EQ(o->groups, std::vector<std::int32_t>{group});
  }
  EXPECT_FLOAT_EQ(board().objects[5]->pos.x, p->pos.x + 10 * kMm);
  EXPECT_FLOAT_EQ(board().objects[5]->pos.y, p->pos.y - 5 * kMm);
  EXPECT_EQ(doc.clipboard.size(), 5u) << "the clipboard holds the copies";
  EXPECT_EQ(board().undoStack.size(), 1u);
  EXPECT_EQ(editor.tile, v) << "kept for the next use";

  machine.undo();
  EXPECT_EQ(board().objects.size(), 1u);
}

TEST_F(TileCommandTest, TheDialogShowsTheKeptValuesFitted) {
  for (int i = 0; i < 100; ++i) pad(i * kMm, -10 * kMm)->selected = 1;
  editor.tile.columns = 10;
  editor.tile.rows = 5;
  editor.tile.startXMm = 4;
  int maxShown = 0;
  host.tileAnswers.push_back([&](const TileDialog& d) {
    maxShown = d.maxTiles;
    return std::optional<TileValues>();
  });
  EXPECT_FALSE(tileSelectionCommand(editor));
  EXPECT_EQ(maxShown, 30);
  ASSERT_EQ(host.tileDialogs.size(), 1u);
  EXPECT_EQ(host.tileDialogs[0].columns, 1);
  EXPECT_EQ(host.tileDialogs[0].rows, 1);
  EXPECT_EQ(host.tileDialogs[0].startXMm, 0);
  EXPECT_EQ(board().objects.size(), 100u) << "Cancel changes nothing";
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(TileCommandTest, ComponentNumbersPastTheirRangeAreRefusedCleanly) {
  TObjekt* used = pad(0, -10 * kMm);
  used->componentId = 32766;
  TObjekt* p = pad(50 * kMm, -40 * kMm);
  p->componentId = 32766;
  p->selected = 1;
  used->selected = 1;
  TileValues v;
  v.columns = 5;
  answer(v);
  EXPECT_FALSE(tileSelectionCommand(editor));
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_TRUE(board().undoStack.empty());
  ASSERT_FALSE(host.messages.empty());
  EXPECT_NE(host.messages.back().find("32767"), std::string::npos);
}

}  // namespace
}  // namespace pravelo::testing
