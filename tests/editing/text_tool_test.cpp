#include "editing/tools/text_tool.h"

#include <gtest/gtest.h>

#include "editing/editing_texts.h"
#include "editor_fixture.h"
#include "geometry/text_strokes.h"

namespace pravelo::testing {
namespace {

// Grid points of the fixture (1.27 mm grid from the bottom-left origin at y = -800000).
constexpr double kX1 = 12700 * 8;
constexpr double kX2 = 12700 * 20;
constexpr double kY1 = -800000 + 12700 * 55;

class TextToolTest : public EditorTest {
 protected:
  TextDialogValues answer(const std::string& text) {
    TextDialogValues v;
    v.text = text;
    return v;
  }
  void chooseText() { machine.chooseTool(ToolId::Text); }
  void moveTo(double x, double y) { machine.move({screen(x, y), MouseButton::None, {}}); }
  std::vector<std::string> contents() {
    std::vector<std::string> c;
    for (const auto& o : board().objects) c.push_back(o->text);
    return c;
  }
};

TEST_F(TextToolTest, CancellingTheDialogReturnsToTheEditTool) {
  chooseText();
  ASSERT_EQ(host.textDialogs.size(), 1u);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_TRUE(board().objects.empty());
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(TextToolTest, TheTextFollowsThePointerAndAClickPlacesItAsOneUndoStep) {
  host.answerTextDialog(answer("GND"));
  chooseText();
  ASSERT_EQ(machine.tool(), ToolId::Text);
  ASSERT_EQ(board().objects.size(), 1u) << "the new text is shown at once";
  EXPECT_FALSE(machine.canUndo()) << "undo waits while a text is placed";

  moveTo(kX1 + 3000, kY1 - 4000);
  const TObjekt& floating = *board().objects[0];
  EXPECT_FLOAT_EQ(floating.pos.x, kX1) << "snapped to the grid";
  EXPECT_FLOAT_EQ(floating.pos.y, kY1);

  click(kX2 + 2000, kY1);
  ASSERT_EQ(board().objects.size(), 1u);
  const TObjekt& placed = *board().objects[0];
  EXPECT_EQ(placed.kind, kText);
  EXPECT_EQ(placed.text, "GND");
  EXPECT_EQ(placed.layer, kLayerC1);
  EXPECT_FLOAT_EQ(placed.pos.x, kX2);
  EXPECT_FLOAT_EQ(placed.dim.x, 20000) << "2 mm";
  EXPECT_FLOAT_EQ(placed.dim.y, 1);
  EXPECT_EQ(placed.width, 1);
  EXPECT_EQ(placed.clearance,
            editor.sizes.remembered[static_cast<std::size_t>(SizeField::FreistanzOffset)]);
  ASSERT_FALSE(placed.children.empty());
  EXPECT_EQ(placed.children[0].width, textStrokeWidth(20000, 1));
  EXPECT_EQ(placed.children[0].clearance, placed.clearance);

  // No "Add number": the dialog opens again; its Cancel ends the tool.
  EXPECT_EQ(host.textDialogs.size(), 2u);
  EXPECT_EQ(host.textDialogs[1].text, "GND") << "the dialog keeps its values";
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_EQ(board().undoStack.size(), 1u);
  EXPECT_TRUE(doc.modified);
  machine.undo();
  EXPECT_TRUE(board().objects.empty());
}

TEST_F(TextToolTest, AddNumberCountsUpFromTheStartAndEscDropsTheNextText) {
  TextDialogValues v = answer("R");
  v.addNumber = true;
  v.startNumber = 9;
  host.answerTextDialog(v);
  chooseText();
  for (double x : {kX1, kX2, kX2 + 12700 * 10}) click(x, kY1);
  EXPECT_EQ(host.textDialogs.size(), 1u) << "numbered texts follow without the dialog";
  EXPECT_EQ(contents(), (std::vector<std::string>{"R9", "R10", "R11", "R12"}));
  EXPECT_FLOAT_EQ(board().objects[3]->pos.x, kX2 + 12700 * 10) << "it starts at the click";

  key(Key::Escape);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_EQ(contents(), (std::vector<std::string>{"R9", "R10", "R11"}));
  EXPECT_EQ(board().undoStack.size(), 3u) << "one step per placed text, none for the dropped";
  machine.undo();
  EXPECT_EQ(contents(), (std::vector<std::string>{"R9", "R10"}));
}

TEST_F(TextToolTest, ARightClickDropsTheTextAndReturnsToTheEditTool) {
  host.answerTextDialog(answer("X"));
  chooseText();
  moveTo(kX1, kY1);
  click(kX1, kY1, {}, MouseButton::Right);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_TRUE(board().objects.empty());
  EXPECT_TRUE(board().undoStack.empty());
  EXPECT_FALSE(doc.modified);
}

TEST_F(TextToolTest, AnotherToolDropsTheTextBeingPlaced) {
  host.answerTextDialog(answer("X"));
  chooseText();
  type(U'p');
  EXPECT_EQ(machine.tool(), ToolId::Pad);
  EXPECT_TRUE(board().objects.empty());
}

TEST_F(TextToolTest, DeleteWhilePlacingKeepsTheTextApartFromOtherObjects) {
  pad(kX1, kY1);
  host.answerTextDialog(answer("X"));
  chooseText();
  board().objects[0]->selected = 1;
  key(Key::Delete);
  key(Key::Escape);
  ASSERT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(board().objects[0]->kind, kPad) << "neither the pad deleted nor the text kept";
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(TextToolTest, TheDialogPresetsHorizontalMirroringOnTheBottomLayers) {
  // clang-format off
  const std::pair<int, bool> cases[] = {
      {kLayerC1, false}, {kLayerS1, false}, {kLayerC2, true}, {kLayerS2, true},
      {kLayerO, false}};
  // clang-format on
  for (const auto& [layer, mirrored] : cases) {
    board().header.activeLayer = layer;
    TextDialogValues v = answer("M");
    v.mirrorVertical = true;  // what the user last ticked does not carry over
    host.answerTextDialog(v);
    host.textDialogs.clear();
    chooseText();
    ASSERT_EQ(host.textDialogs.size(), 1u);
    EXPECT_EQ(host.textDialogs[0].mirrorHorizontal, mirrored) << layer;
    EXPECT_FALSE(host.textDialogs[0].mirrorVertical) << layer;
    key(Key::Escape);
  }
}

TEST_F(TextToolTest, ATextPlacedOnC2IsMirroredAboutItsAnchor) {
  board().header.activeLayer = kLayerC2;
  TextDialogValues v = answer("B");
  v.mirrorHorizontal = true;  // as the dialog shows it on C2
  host.answerTextDialog(v);
  chooseText();
  click(kX1, kY1);
  ASSERT_EQ(board().objects.size(), 1u);
  const TObjekt& text = *board().objects[0];
  EXPECT_EQ(text.layer, kLayerC2);
  EXPECT_EQ(text.optB, 1);
  int points = 0;
  for (const auto& stroke : text.children) {
    for (FPoint p : stroke.points) {
      EXPECT_LE(p.x, text.pos.x + 0.5f) << "the strokes lie left of the anchor";
      ++points;
    }
  }
  EXPECT_GT(points, 0);
}

TEST_F(TextToolTest, TheHeightLimitRaisesTooThinTexts) {
  settings.optionen.SchrifthoeheBegrenzen = true;
  TextDialogValues v = answer("T");
  v.heightMm = 1.0;
  v.thickness = 0;
  host.answerTextDialog(v);
  chooseText();
  EXPECT_TRUE(host.textDialogs[0].limitHeight);
  click(kX1, kY1);
  EXPECT_FLOAT_EQ(board().objects.at(0)->dim.x, 25000) << "2.5 mm for thin text";
}

class TextDoubleClickTest : public TextToolTest {
 protected:
  TObjekt* text(const std::string& content) {
    TObjekt t = newObject();
    initText(t, {static_cast<float>(kX1), static_cast<float>(kY1)}, content, 0, 0, kLayerS1, 2, 2,
             30000, 450);
    buildTextStrokes(t, false);
    return add(board(), std::move(t));
  }
  void doubleClick(double x, double y) {
    machine.press({screen(x, y), MouseButton::Left, {}});
    machine.release({screen(x, y), MouseButton::Left, {}});
    machine.doubleClick({screen(x, y), MouseButton::Left, {}});
    machine.release({screen(x, y), MouseButton::Left, {}});
  }
};

TEST_F(TextDoubleClickTest, OpensTheDialogWithTheTextsValuesAndOkChangesItInOneStep) {
  TObjekt* t = text("VCC");
  const FPoint onStroke = t->children[0].points[0];
  doubleClick(onStroke.x, onStroke.y);
  ASSERT_EQ(host.textDialogs.size(), 1u);
  const TextDialogValues& shown = host.textDialogs[0];
  EXPECT_EQ(shown.text, "VCC");
  EXPECT_DOUBLE_EQ(shown.heightMm, 3.0);
  EXPECT_EQ(shown.thickness, 2);
  EXPECT_EQ(shown.style, 2);
  EXPECT_EQ(shown.rotation, 90) << "450 degrees shown as 90";
  EXPECT_FALSE(shown.addNumber);
  EXPECT_TRUE(board().undoStack.empty()) << "Cancel changes nothing";

  TextDialogValues changed = shown;
  changed.text = "GND";
  changed.heightMm = 1.5;
  changed.thickness = 0;
  host.answerTextDialog(changed);
  doubleClick(onStroke.x, onStroke.y);
  EXPECT_EQ(t->text, "GND");
  EXPECT_FLOAT_EQ(t->dim.x, 15000);
  EXPECT_EQ(t->paramB, 90);
  ASSERT_FALSE(t->children.empty());
  EXPECT_EQ(t->children[0].width, textStrokeWidth(15000, 0)) << "strokes rebuilt";
  EXPECT_EQ(board().undoStack.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects.at(0)->text, "VCC");
}

TEST_F(TextDoubleClickTest, OtherObjectsAndComponentLabelsOpenNoTextDialog) {
  pad(kX2, kY1);
  doubleClick(kX2, kY1);
  TObjekt* label = text("IC1");
  label->componentId = 3;
  const FPoint onStroke = label->children[0].points[0];
  doubleClick(onStroke.x, onStroke.y);
  EXPECT_TRUE(host.textDialogs.empty());
}

}  // namespace
}  // namespace pravelo::testing
