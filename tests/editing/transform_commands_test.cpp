#include "editing/transform_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/document_texts.h"
#include "editing/align_commands.h"
#include "editing/editing_texts.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editor_fixture.h"
#include "geometry/pad_geometry.h"
#include "geometry/text_strokes.h"

namespace pravelo::testing {
namespace {

void expectAt(FPoint actual, double x, double y) {
  EXPECT_NEAR(actual.x, x, 0.05);
  EXPECT_NEAR(actual.y, y, 0.05);
}

struct NamedCommand {
  const char* name;
  std::function<bool(Editor&)> run;
};

std::vector<NamedCommand> everyCommand() {
  return {
      {"rotate", [](Editor& e) { return rotateSelectionCommand(e, 45, false); }},
      {"rotate back", [](Editor& e) { return rotateSelectionCommand(e, 45, true); }},
      {"mirror horizontal",
       [](Editor& e) { return mirrorSelectionCommand(e, MirrorAxis::Horizontal); }},
      {"mirror vertical",
       [](Editor& e) { return mirrorSelectionCommand(e, MirrorAxis::Vertical); }},
      {"change side", [](Editor& e) { return changeBoardSideCommand(e); }},
      {"set layer", [](Editor& e) { return setLayerCommand(e, kLayerS1); }},
      {"snap to grid", [](Editor& e) { return snapSelectionToGridCommand(e); }},
      {"align top", [](Editor& e) { return alignSelectionCommand(e, Alignment::Top); }},
      {"align left", [](Editor& e) { return alignSelectionCommand(e, Alignment::Left); }},
      {"align centre",
       [](Editor& e) { return alignSelectionCommand(e, Alignment::HorizontalCentre); }},
  };
}

class TransformCommandsTest : public EditorTest {
 protected:
  // A component of an SMD pad on `copper` and an ID text on `silk`, carrying pick-and-place
  // data.
  TObjekt* component(std::int16_t id, int copper, int silk, double x = 300000) {
    TObjekt* p = smd(x, -300000, 20000, 10000, copper);
    p->componentId = id;
    TObjekt label = newObject();
    initText(label, {static_cast<float>(x), -280000}, "R1", 0, 0, static_cast<std::uint8_t>(silk),
             1, 1, 20000, 0);
    label.variant = kComponentIdText;
    label.componentId = id;
    buildTextStrokes(label, false);
    label.component.placeOffset = {1000, 0};
    label.component.placeRotation = 0;
    return add(board(), std::move(label));
  }
};

TEST_F(TransformCommandsTest, NothingSelectedDoesNothing) {
  pad(254000, -254000);
  for (const NamedCommand& c : everyCommand()) {
    EXPECT_FALSE(c.run(editor)) << c.name;
    EXPECT_TRUE(board().undoStack.empty()) << c.name;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(TransformCommandsTest, EachCommandIsOneUndoStep) {
  for (const NamedCommand& c : everyCommand()) {
    board().objects.clear();
    board().undoStack.clear();
    pad(100000, -101000);
    track({150000, -150000}, {260000, -180000});
    selectAll(board());
    ASSERT_TRUE(c.run(editor)) << c.name;
    EXPECT_EQ(board().undoStack.size(), 1u) << c.name;
    EXPECT_FALSE(editor.gesture) << c.name;
    machine.undo();
    expectAt(board().objects[0]->pos, 100000, -101000);
    EXPECT_EQ(board().objects[1]->layer, kLayerC1) << c.name;
  }
}

TEST_F(TransformCommandsTest, ACommandThatChangesNothingLeavesNoStep) {
  pad(100000, -100000, kLayerI1)->selected = 1;
  EXPECT_FALSE(changeBoardSideCommand(editor));
  EXPECT_FALSE(rotateSelectionCommand(editor, 0, false));
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(TransformCommandsTest, RotatesClockwiseAboutTheSelectionCentreAndBackWithShift) {
  TObjekt* left = pad(100000, -100000);
  TObjekt* right = pad(300000, -100000);
  selectAll(board());
  ASSERT_TRUE(rotateSelectionCommand(editor, 90, false));
  expectAt(left->pos, 200000, 0);
  expectAt(right->pos, 200000, -200000);
  ASSERT_TRUE(rotateSelectionCommand(editor, 45, true));
  ASSERT_TRUE(rotateSelectionCommand(editor, 45, true));
  expectAt(left->pos, 100000, -100000);
  EXPECT_EQ(board().undoStack.size(), 3u);
}

TEST_F(TransformCommandsTest, ASinglePadTurnsInPlace) {
  for (const std::uint8_t shape : {kPadCircular, kPadOctagonH, kPadRectangleV, kPadRoundedH}) {
    board().objects.clear();
    TObjekt p = newObject();
    initPad(p, {123456, -98765}, kLayerC1, shape, 3000, 9000);
    TObjekt* single = add(board(), std::move(p));
    single->selected = 1;
    ASSERT_TRUE(rotateSelectionCommand(editor, 90, false));
    expectAt(single->pos, 123456, -98765);
    EXPECT_NEAR(padRotation(*single), 90, 0.01) << +shape;
  }
}

TEST_F(TransformCommandsTest, ArcAnglesStayWithinOneTurnWhenTurnedBack) {
  TObjekt circle = newObject();
  initCircle(circle, {200000, -200000}, 20000, kLayerC1, 18000);
  circle.paramA = 350000;
  circle.width = 10000;
  TObjekt* arc = add(board(), std::move(circle));
  arc->selected = 1;
  for (int i = 0; i < 8; ++i) {
    ASSERT_TRUE(rotateSelectionCommand(editor, 45, true));
    EXPECT_LT(arc->paramA, 360000);
    EXPECT_LT(arc->width, 360000);
  }
  EXPECT_EQ(arc->paramA, 350000);
  EXPECT_EQ(arc->width, 10000);
}

TEST_F(TransformCommandsTest, UpsideDownLabelsTurnBackOnlyWithTheOption) {
  for (const bool flip : {true, false}) {
    board().objects.clear();
    settings.optionen.BezWertFlip = flip;
    TObjekt* label = component(7, kLayerC1, kLayerS1);
    selectAll(board());
    ASSERT_TRUE(rotateSelectionCommand(editor, 180, false));
    EXPECT_EQ(label->paramB, flip ? 0 : 180);
  }
}

TEST_F(TransformCommandsTest, WholeComponentsTurnTheirPickAndPlaceDataBySide) {
  TObjekt* top = component(1, kLayerC1, kLayerS1, 100000);
  TObjekt* bottom = component(2, kLayerC2, kLayerS2, 300000);
  TObjekt* partial = component(3, kLayerC1, kLayerS1, 500000);
  TObjekt* hidden = component(4, kLayerC1, kLayerS1, 700000);
  hidden->optA = 0;  // a hidden label is never selected, yet carries the data
  selectAll(board());
  partial->selected = 0;
  ASSERT_TRUE(rotateSelectionCommand(editor, 90, false));
  EXPECT_DOUBLE_EQ(top->component.placeRotation, 270);
  expectAt(top->component.placeOffset, 0, 1000);
  EXPECT_DOUBLE_EQ(bottom->component.placeRotation, 90);
  EXPECT_DOUBLE_EQ(partial->component.placeRotation, 0);
  expectAt(partial->component.placeOffset, 1000, 0);
  EXPECT_DOUBLE_EQ(hidden->component.placeRotation, 270);
}

TEST_F(TransformCommandsTest, AttachedTrackEndsFollowRotationAndMirroring) {
  settings.optionen.Gummiband = kRubberBandSmall;
  TObjekt* p = pad(100000, -100000);
  pad(300000, -100000);
  TObjekt* t = track({100000, -100000}, {100000, -300000});
  p->selected = 1;
  board().objects[1]->selected = 1;
  ASSERT_TRUE(rotateSelectionCommand(editor, 90, false));
  expectAt(t->points[0], p->pos.x, p->pos.y);
  expectAt(t->points[1], 100000, -300000);
  ASSERT_TRUE(mirrorSelectionCommand(editor, MirrorAxis::Vertical));
  expectAt(t->points[0], p->pos.x, p->pos.y);
  expectAt(t->points[1], 100000, -300000);
}

TEST_F(TransformCommandsTest, MirrorReflectsAboutTheSelectionCentre) {
  TObjekt* left = pad(100000, -100000);
  TObjekt* right = pad(300000, -150000);
  selectAll(board());
  ASSERT_TRUE(mirrorSelectionCommand(editor, MirrorAxis::Horizontal));
  expectAt(left->pos, 300000, -100000);
  expectAt(right->pos, 100000, -150000);
  ASSERT_TRUE(mirrorSelectionCommand(editor, MirrorAxis::Vertical));
  expectAt(left->pos, 300000, -150000);
  EXPECT_TRUE(host.messages.empty()) << "no component, no question";
}

TEST_F(TransformCommandsTest, MirroringOrChangingSidesOfAComponentAsksFirst) {
  const std::vector<std::function<bool(Editor&)>> asking = {
      [](Editor& e) { return mirrorSelectionCommand(e, MirrorAxis::Horizontal); },
      [](Editor& e) { return mirrorSelectionCommand(e, MirrorAxis::Vertical); },
      [](Editor& e) { return changeBoardSideCommand(e); },
  };
  TObjekt* label = component(1, kLayerC1, kLayerS1);
  selectAll(board());
  for (const auto& command : asking) {
    const TObjekt before = *label;
    const std::size_t steps = board().undoStack.size();
    host.messages.clear();
    EXPECT_FALSE(command(editor));  // no answer queued: cancelled
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], tr(texts::componentMirrorQuestion));
    EXPECT_EQ(label->pos, before.pos);
    EXPECT_EQ(label->layer, before.layer);
    EXPECT_EQ(board().undoStack.size(), steps);
    host.answers.push_back(Answer::Ok);
    EXPECT_TRUE(command(editor));
  }
  EXPECT_EQ(board().undoStack.size(), 3u);
}

TEST_F(TransformCommandsTest, ChangeSideSwapsTopAndBottomLayersOnly) {
  const int layers[] = {kLayerC1, kLayerS1, kLayerC2, kLayerS2, kLayerI1, kLayerI2, kLayerO};
  const int expected[] = {kLayerC2, kLayerS2, kLayerC1, kLayerS1, kLayerI1, kLayerI2, kLayerO};
  for (const int layer : layers) pad(100000 + 20000.0 * layer, -100000, layer)->selected = 1;
  ASSERT_TRUE(changeBoardSideCommand(editor));
  for (std::size_t i = 0; i < std::size(layers); ++i) {
    EXPECT_EQ(board().objects[i]->layer, expected[i]) << layers[i];
  }
}

TEST_F(TransformCommandsTest, SetLayerClearsCopperFlagsAndRefusesInnerLayersWithoutMultilayer) {
  TObjekt* p = pad(100000, -100000);
  p->via = 1;
  p->optB = 1;
  p->selected = 1;
  EXPECT_FALSE(setLayerCommand(editor, kLayerI1));
  EXPECT_FALSE(setLayerCommand(editor, 0));
  EXPECT_FALSE(setLayerCommand(editor, 8));
  EXPECT_TRUE(board().undoStack.empty());
  ASSERT_TRUE(setLayerCommand(editor, kLayerS1));
  EXPECT_EQ(p->layer, kLayerS1);
  EXPECT_EQ(p->via, 0);
  EXPECT_EQ(p->optB, 0);
  board().header.multilayer = 1;
  EXPECT_TRUE(setLayerCommand(editor, kLayerI2));
  EXPECT_EQ(p->layer, kLayerI2);
}

}  // namespace
}  // namespace pravelo::testing
