#include "editing/generator_commands.h"

#include <gtest/gtest.h>

#include "editing/generator_texts.h"
#include "project/clipboard.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

using GeneratorCommandsTest = EditorTest;

TEST_F(GeneratorCommandsTest, TheWizardKeepsItsValuesAndItsLastPatternAfterCancel) {
  pad(100000, -100000);
  host.footprintAnswers.push_back([](FootprintDialog& dialog) {
    dialog.values.horizontal = 3;
    dialog.refresh(dialog.values);
    dialog.values.horizontal = 5;
    dialog.refresh(dialog.values);
    return false;
  });
  footprintWizardCommand(editor, machine);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_EQ(board().objects.size(), 1U);
  EXPECT_EQ(doc.clipboard.size(), 5U);
  EXPECT_EQ(editor.footprint.horizontal, 5);

  FootprintValues shown;
  host.footprintAnswers.push_back([&shown](FootprintDialog& dialog) {
    shown = dialog.values;
    return true;
  });
  footprintWizardCommand(editor, machine);
  EXPECT_EQ(shown.horizontal, 5);
  EXPECT_EQ(machine.tool(), ToolId::Placing);
  click(500000, -400000);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_EQ(board().objects.size(), 6U);
  EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(GeneratorCommandsTest, SpecialFormZoomsOutOnlyForAShapeLargerThanTheView) {
  editor.viewport = {500, 400};
  const double zoom = board().header.zoom;  // 0.01: the view shows 48000 units across
  host.shapeAnswers.push_back([](ShapeDialog&) { return true; });  // a 24 mm hexagon
  type(U'n');
  EXPECT_EQ(machine.tool(), ToolId::SpecialForm);
  EXPECT_LT(board().header.zoom, zoom);
  // The hexagon, 24 mm across its corners, now fits into the view with its margin.
  EXPECT_LT(board().header.zoom * 240000, 480);
  EXPECT_GT(board().header.zoom * 240000, 400);
  EXPECT_EQ(doc.clipboard.size(), 1U);
  click(500000, -400000);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_EQ(selected(), (std::vector<int>{0}));

  const double zoomed = board().header.zoom;
  host.shapeAnswers.push_back([](ShapeDialog& dialog) {
    dialog.values.polygon.radiusMm = 1;
    return true;
  });
  type(U'n');
  EXPECT_EQ(board().header.zoom, zoomed) << "never zooms in";
}

TEST_F(GeneratorCommandsTest, CancelAndTooBigKeepTheClipboardAndReturnToEdit) {
  pad(100000, -100000);
  board().objects[0]->selected = 1;
  copySelection(board().objects, doc.clipboard);
  host.shapeAnswers.push_back([this](ShapeDialog& dialog) {
    dialog.values.polygon.radiusMm = 60;  // wider than the 100 mm board
    return shapeAccepted(dialog, host);
  });
  type(U'n');
  EXPECT_EQ(host.messages, (std::vector<std::string>{tr(texts::shapeTooBig)}));
  type(U'n');  // no answer: Cancel
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  ASSERT_EQ(doc.clipboard.size(), 1U);
  EXPECT_EQ(doc.clipboard[0]->kind, kPad);
  EXPECT_EQ(editor.shape.polygon.radiusMm, 60) << "the dialog keeps what was typed";
}

}  // namespace
}  // namespace pravelo::testing
