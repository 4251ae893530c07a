#include "editing/ground_plane_controls.h"

#include <gtest/gtest.h>

#include "editing/view_commands.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

TEST(GroundPlaneControls, ShowThePlaneToolsOnlyWhileTheActiveCopperLayerHasItsPlane) {
  struct Case {
    int layer;
    bool planeOn;
    GroundPlaneControls expected;
  };
  const Case cases[] = {
      {kLayerC1, false, {true, PlaneGlyph::Off, false}},
      {kLayerC1, true, {true, PlaneGlyph::On, true}},
      {kLayerI2, true, {true, PlaneGlyph::On, true}},
      {kLayerS1, false, {false, PlaneGlyph::Disabled, false}},
      {kLayerO, false, {false, PlaneGlyph::Disabled, false}},
  };
  for (const Case& c : cases) {
    BoardHeader header;
    header.activeLayer = static_cast<std::uint8_t>(c.layer);
    header.groundPlane[c.layer - 1] = c.planeOn ? 1 : 0;
    const GroundPlaneControls shown = groundPlaneControls(header);
    EXPECT_EQ(shown.enabled, c.expected.enabled) << c.layer;
    EXPECT_EQ(shown.glyph, c.expected.glyph) << c.layer;
    EXPECT_EQ(shown.planeTools, c.expected.planeTools) << c.layer;
  }
}

using GroundPlaneToggleTest = EditorTest;

TEST_F(GroundPlaneToggleTest, EachToggleIsOneUndoStep) {
  doc.modified = false;
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 1);
  EXPECT_TRUE(doc.modified);
  EXPECT_EQ(board().undoStack.size(), 1u);
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 0);
  EXPECT_EQ(board().undoStack.size(), 2u);

  machine.undo();
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 1);
  machine.undo();
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 0);
  machine.redo();
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 1);
}

TEST_F(GroundPlaneToggleTest, DoesNothingOnALayerWithoutAPlane) {
  setActiveLayerCommand(editor, kLayerS1);
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_EQ(board().header.groundPlane, (std::array<std::uint8_t, 7>{}));
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(GroundPlaneToggleTest, ATrackInProgressIsFinishedAsAStepOfItsOwn) {
  machine.chooseTool(ToolId::Track);
  click(0, 0);
  click(50800, 0);
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 1);
  machine.undo();
  EXPECT_EQ(board().objects.size(), 1u) << "the first undo takes back the switch only";
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 0);
}

TEST_F(GroundPlaneToggleTest, SwitchingThePlaneOffReleasesTheCutoutTool) {
  toggleGroundPlaneCommand(editor, machine);
  editor.drawing.cutoutZone = true;
  machine.chooseTool(ToolId::Zone);
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_FALSE(editor.drawing.cutoutZone);
  EXPECT_EQ(machine.tool(), ToolId::Edit);

  // Undo brings the plane back, but not the buttons.
  machine.undo();
  EXPECT_EQ(board().header.groundPlane[kLayerC1 - 1], 1);
  editor.drawing.cutoutRect = true;
  machine.chooseTool(ToolId::Rectangle);
  machine.undo();
  EXPECT_FALSE(editor.drawing.cutoutRect);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
}

TEST_F(GroundPlaneToggleTest, ALayerWithoutAPlaneReleasesTheCutoutButtons) {
  toggleGroundPlaneCommand(editor, machine);
  editor.drawing.cutoutRect = true;
  machine.chooseTool(ToolId::Rectangle);
  key(Key::F9);  // to C2, whose plane is off
  EXPECT_EQ(board().header.activeLayer, kLayerC2);
  EXPECT_FALSE(editor.drawing.cutoutRect);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
}

TEST_F(GroundPlaneToggleTest, CutoutButtonsGoDownOnlyOverAPlane) {
  EXPECT_FALSE(setCutoutMode(editor, machine, true, true));
  EXPECT_FALSE(editor.drawing.cutoutZone);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_TRUE(setCutoutMode(editor, machine, true, true));
  EXPECT_TRUE(editor.drawing.cutoutZone);
  EXPECT_EQ(machine.tool(), ToolId::Zone);
}

TEST_F(GroundPlaneToggleTest, APlainZoneToolIsKeptWhenTheButtonsGoUp) {
  toggleGroundPlaneCommand(editor, machine);
  editor.drawing.cutoutRect = true;
  machine.chooseTool(ToolId::Zone);
  toggleGroundPlaneCommand(editor, machine);
  EXPECT_FALSE(editor.drawing.cutoutRect);
  EXPECT_EQ(machine.tool(), ToolId::Zone);
}

}  // namespace
}  // namespace pravelo::testing
