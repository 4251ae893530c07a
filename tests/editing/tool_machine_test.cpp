#include "editing/tool_machine.h"

#include <gtest/gtest.h>

#include "editing/editing_texts.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

using ToolMachineTest = EditorTest;

TEST_F(ToolMachineTest, EveryToolLetterChoosesItsTool) {
  // clang-format off
  const std::pair<char32_t, ToolId> cases[] = {
      {U'z', ToolId::Zoom}, {U'T', ToolId::Track}, {U'p', ToolId::Pad}, {U's', ToolId::SmdPad},
      {U'r', ToolId::Circle}, {U'q', ToolId::Rectangle}, {U'f', ToolId::Zone},
      {U'n', ToolId::SpecialForm}, {U'l', ToolId::Text}, {U'c', ToolId::Connections},
      {U'a', ToolId::Autoroute}, {U'x', ToolId::Test}, {U'm', ToolId::Measure},
      {U'v', ToolId::PhotoView}, {U'o', ToolId::SolderMask}};
  // clang-format on
  host.answerTextDialog(TextDialogValues{});  // the Text tool asks for its text first
  host.shapeAnswers.push_back([](ShapeDialog&) { return true; });  // and Special form its shape
  for (const auto& [letter, tool] : cases) {
    type(letter);
    EXPECT_EQ(machine.tool(), tool) << static_cast<char>(letter);
    key(Key::Escape);
    EXPECT_EQ(machine.tool(), ToolId::Edit);
  }
}

TEST(ToolHotkeys, FirstToolWinsAndUnderscoreIsNoKey) {
  EXPECT_EQ(toolForHotkey("ZZPSRQFNLCAXMVO", U'z'), ToolId::Zoom);
  EXPECT_EQ(toolForHotkey("_TPSRQFNLCAXMVO", U'_'), std::nullopt);
  EXPECT_EQ(toolForHotkey("ZLPSRQFNTCAXMVO", U'L'), ToolId::Track);
  EXPECT_EQ(toolForHotkey("ZLPSRQFNTCAXMVO", U'9'), std::nullopt);
}

TEST_F(ToolMachineTest, HeldKeysDoNotChooseAgain) {
  type(U'p');
  machine.keyDown({Key::Character, U'z', {}, true});
  EXPECT_EQ(machine.tool(), ToolId::Pad);
  machine.keyDown({Key::Character, U'z', {true, true, false}, false});
  EXPECT_EQ(machine.tool(), ToolId::Pad) << "Ctrl+letter is a shortcut, not a tool";
}

TEST_F(ToolMachineTest, SpaceZoomsWhileHeldAndIgnoresItsRepeats) {
  type(U'p');
  machine.keyDown({Key::Space, 0, {}, false});
  EXPECT_EQ(machine.tool(), ToolId::Zoom);
  for (int i = 0; i < 5; ++i) {
    machine.keyUp({Key::Space, 0, {}, true});
    machine.keyDown({Key::Space, 0, {}, true});
  }
  EXPECT_EQ(machine.tool(), ToolId::Zoom);
  machine.keyUp({Key::Space, 0, {}, false});
  EXPECT_EQ(machine.tool(), ToolId::Pad);
}

TEST_F(ToolMachineTest, PlacingAPadSnapsToTheGridAndMakesOneUndoStep) {
  type(U'p');
  click(12000, -26000);  // nearest grid point from the bottom-left origin: (12700, -25400)
  ASSERT_EQ(board().objects.size(), 1u);
  const TObjekt& placed = *board().objects[0];
  EXPECT_EQ(placed.kind, kPad);
  EXPECT_FLOAT_EQ(placed.pos.x, 12700);
  EXPECT_FLOAT_EQ(placed.pos.y, -800000 + 12700 * 61);
  EXPECT_EQ(placed.dim.x * 2, editor.sizes.remembered[static_cast<std::size_t>(SizeField::Aussen)]);
  EXPECT_EQ(board().undoStack.size(), 1u);
  EXPECT_TRUE(doc.modified);
  machine.undo();
  EXPECT_TRUE(board().objects.empty());
  machine.redo();
  EXPECT_EQ(board().objects.size(), 1u);
}

TEST_F(ToolMachineTest, ASecondPadIsCapturedOntoANearbyPadCentre) {
  pad(100050, -100030);
  type(U's');
  click(101000, -100500);
  ASSERT_EQ(board().objects.size(), 2u);
  const TObjekt& smd = *board().objects[1];
  EXPECT_FLOAT_EQ(smd.pos.x, 100050);
  EXPECT_FLOAT_EQ(smd.pos.y, -100030);
}

TEST_F(ToolMachineTest, CtrlPlacesAtThePointerWithoutSnapOrCapture) {
  settings.optionen.Fang = false;
  type(U'p');
  click(12345, -23456, {false, true, false});
  ASSERT_EQ(board().objects.size(), 1u);
  EXPECT_NEAR(board().objects[0]->pos.x, 12345, 1);
  EXPECT_NEAR(board().objects[0]->pos.y, -23456, 1);
}

TEST_F(ToolMachineTest, ClickSelectsShiftClickTogglesAndEmptyClickDeselects) {
  pad(100000, -100000);
  pad(300000, -100000);
  click(100000, -100000);
  EXPECT_EQ(selected(), (std::vector<int>{0}));
  click(300000, -100000, {true, false, false});
  EXPECT_EQ(selected(), (std::vector<int>{0, 1}));
  click(100000, -100000, {true, false, false});
  EXPECT_EQ(selected(), (std::vector<int>{1}));
  click(600000, -600000);
  EXPECT_TRUE(selected().empty());
  EXPECT_TRUE(board().undoStack.empty()) << "selecting changes no object";
}

TEST_F(ToolMachineTest, AFrameSelectsWhatItCatches) {
  pad(100000, -100000);
  pad(300000, -100000);
  drag({50000, -50000}, {200000, -200000});
  EXPECT_EQ(selected(), (std::vector<int>{0}));
  EXPECT_EQ(machine.help(), &texts::helpEdit);
}

TEST_F(ToolMachineTest, MovesGoInWholeGridStepsFromTheStart) {
  settings.optionen.Fang = false;
  pad(100000, -100000);
  // A quarter grid more than two steps: the pad moves two steps, not onto a grid line.
  drag({100000, -100000}, {100000 + 2 * 12700 + 3175, -100000});
  EXPECT_FLOAT_EQ(board().objects[0]->pos.x, 100000 + 2 * 12700);
  EXPECT_FLOAT_EQ(board().objects[0]->pos.y, -100000);
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(ToolMachineTest, AMoveReleasedWhereItStartedLeavesNoUndoStep) {
  settings.optionen.Fang = false;
  pad(100000, -100000);
  machine.press({screen(100000, -100000), MouseButton::Left, {}});
  machine.move({screen(150000, -100000), MouseButton::Left, {}});
  machine.move({screen(100000, -100000), MouseButton::Left, {}});
  machine.release({screen(100000, -100000), MouseButton::Left, {}});
  EXPECT_FLOAT_EQ(board().objects[0]->pos.x, 100000);
  EXPECT_TRUE(board().undoStack.empty());
  EXPECT_FALSE(doc.modified);
}

TEST_F(ToolMachineTest, TheMoveStopsAtTheBoardEdge) {
  settings.optionen.Fang = false;
  pad(100000, -100000);
  drag({100000, -100000}, {-500000, -100000}, {false, true, false});
  EXPECT_NEAR(board().objects[0]->pos.x - 9000, 0, 1) << "the pad's left side on the edge";
}

TEST_F(ToolMachineTest, ASelectionPartlyOffTheBoardDoesNotJump) {
  settings.optionen.Fang = false;
  pad(-50000, -100000);  // left half outside, as a paste may leave it
  drag({-50000, -100000}, {-50000, -150000}, {false, true, false});
  EXPECT_FLOAT_EQ(board().objects[0]->pos.x, -50000);
  EXPECT_FLOAT_EQ(board().objects[0]->pos.y, -150000);
}

TEST_F(ToolMachineTest, ArrowKeysMoveTheSelectionByAGridStep) {
  pad(100000, -100000);
  click(100000, -100000);
  key(Key::Right);
  key(Key::Up, {false, true, false});
  EXPECT_FLOAT_EQ(board().objects[0]->pos.x, 100000 + 12700);
  EXPECT_FLOAT_EQ(board().objects[0]->pos.y, -100000 + 1270);
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(ToolMachineTest, RubberBandTrackEndsFollowAMovedPad) {
  settings.optionen.Fang = false;
  settings.optionen.Gummiband = 1;
  pad(100000, -100000);
  add(board(), strokeTrack(100000, -100000, 300000, -100000, kLayerC1));
  click(100000, -100000);
  ASSERT_EQ(selected(), (std::vector<int>{0}));
  drag({100000, -100000}, {100000, -100000 - 5 * 12700});
  const TObjekt& track = *board().objects[1];
  EXPECT_FLOAT_EQ(track.points[0].y, -100000 - 5 * 12700);
  EXPECT_FLOAT_EQ(track.points[1].y, -100000) << "the far end stays";
}

TEST_F(ToolMachineTest, TheMaskToolTogglesTheFlagWithOneUndoStep) {
  TObjekt* p = pad(100000, -100000);
  ASSERT_EQ(p->solderMask, 1);
  type(U'o');
  click(100000, -100000);
  EXPECT_EQ(p->solderMask, 0);
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(ToolMachineTest, DeleteRemovesTheSelectionWithOneUndoStep) {
  pad(100000, -100000);
  pad(300000, -100000);
  click(100000, -100000);
  key(Key::Delete);
  ASSERT_EQ(board().objects.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_TRUE(selected().empty()) << "nothing is selected after undo";
}

TEST_F(ToolMachineTest, ARightClickInAToolReturnsToEdit) {
  type(U'p');
  click(100000, -100000, {}, MouseButton::Right);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_TRUE(board().objects.empty());
}

TEST_F(ToolMachineTest, LayerKeysSwitchTheActiveLayer) {
  key(Key::F9);
  EXPECT_EQ(board().header.activeLayer, kLayerC2);
  key(Key::F11);
  EXPECT_EQ(board().header.activeLayer, kLayerS1);
  key(Key::F11);
  EXPECT_EQ(board().header.activeLayer, kLayerS2);
  key(Key::F11);
  EXPECT_EQ(board().header.activeLayer, kLayerO);
}

TEST_F(ToolMachineTest, F12MakesTheSelectedPadsThroughPadsWithOneUndoStep) {
  TObjekt* p = pad(100000, -100000);
  click(100000, -100000);
  key(Key::F12);
  EXPECT_EQ(p->via, 1);
  EXPECT_EQ(board().undoStack.size(), 1u);
  key(Key::F12);
  EXPECT_EQ(board().objects[0]->via, 0);
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(ToolMachineTest, TheZoomToolZoomsInAboutTheClickAndOutOnTheRightButton) {
  type(U'z');
  const double before = board().header.zoom;
  click(300000, -300000);
  EXPECT_NEAR(board().header.zoom, before * 1.4, 1e-9);
  click(300000, -300000, {}, MouseButton::Right);
  EXPECT_NEAR(board().header.zoom, before, 1e-9);
}

TEST_F(ToolMachineTest, EachToolStateHasItsHelpLine) {
  EXPECT_STREQ(tr(*machine.help(), Language::English),
               "EDIT:  Click, select, move, delete, copy or paste objects");
  type(U'z');
  EXPECT_STREQ(tr(*machine.help(), Language::English),
               "ZOOM:  Left=Zoom +  |  Right=Zoom -  |  Press left and draw frame = Select zoom "
               "range");
  key(Key::Escape);
  host.shapeAnswers.push_back([](ShapeDialog&) { return true; });
  type(U'n');
  EXPECT_EQ(machine.tool(), ToolId::SpecialForm);
  EXPECT_EQ(machine.help(), &texts::helpPaste) << "the shape is placed like pasted objects";
}

}  // namespace
}  // namespace pravelo::testing
