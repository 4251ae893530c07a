#include "editing/component_command.h"

#include <gtest/gtest.h>

#include "editing/component_texts.h"
#include "editing/selection.h"
#include "editor_fixture.h"
#include "geometry/label_placement.h"
#include "geometry/translate.h"
#include "project/components.h"

namespace pravelo::testing {
namespace {

class ComponentCommandTest : public EditorTest {
 protected:
  // Answers the next component dialog by changing fields one after the other, then ending.
  using Step = std::function<void(ComponentSession&)>;
  void answer(std::vector<Step> steps, ComponentDialogEnd end = ComponentDialogEnd::Ok) {
    host.componentAnswers.push_back([steps, end](ComponentSession& s) {
      for (const Step& step : steps) step(s);
      return end;
    });
  }
  static Step set(ComponentField field, std::function<void(ComponentFields&)> edit) {
    return [field, edit](ComponentSession& s) {
      ComponentFields f = s.fields();
      edit(f);
      s.change(field, f);
    };
  }
  static Step id(std::string text) {
    return set(ComponentField::Id, [text](ComponentFields& f) { f.id = text; });
  }
  static Step value(std::string text) {
    return set(ComponentField::Value, [text](ComponentFields& f) { f.value = text; });
  }
  static Step height(double mm) {
    return set(ComponentField::Height, [mm](ComponentFields& f) { f.heightMm = mm; });
  }
  // Two pads 10 mm apart made a component labelled `name` through the command.
  int component(double x, const std::string& name) {
    deselectAll(board());
    pad(x, -40 * kMm)->selected = 1;
    pad(x + 10 * kMm, -40 * kMm)->selected = 1;
    host.answers.push_back(Answer::Ok);
    answer({id(name), value("4k7")});
    EXPECT_TRUE(componentCommand(editor));
    return board().objects.back()->componentId;
  }
  std::vector<TObjekt*> members(int k) { return componentMembers(board().objects, k); }
  TObjekt* label(int k, TextRole role) { return componentLabel(members(k), role); }
  bool aligned(int k) {
    const auto m = members(k);
    const std::vector<const TObjekt*> box(m.begin(), m.end());
    return labelsAtAutomaticPositions(*label(k, kComponentIdText), *label(k, kComponentValueText),
                                      *componentBox(box));
  }
  // The context menu opened over a point far from every object.
  void contextAtNothing() { editor.contextPoint = {900 * kMm, -700 * kMm}; }
};

TEST_F(ComponentCommandTest, MakingIsOneUndoStepWithAlignedLabels) {
  contextAtNothing();
  settings.optionen.WertSichtbarDefault = false;
  const int k = component(20 * kMm, "R1");
  ASSERT_NE(k, 0);
  EXPECT_EQ(host.messages.back(), tr(texts::makeComponentQuestion));
  EXPECT_EQ(members(k).size(), 4u);
  EXPECT_EQ(label(k, kComponentIdText)->text, "R1");
  EXPECT_EQ(label(k, kComponentValueText)->text, "4k7");
  EXPECT_EQ(label(k, kComponentValueText)->optA, 0) << "new labels take the default visibility";
  EXPECT_TRUE(aligned(k));
  EXPECT_EQ(board().undoStack.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(board().objects[0]->componentId, 0);
}

TEST_F(ComponentCommandTest, CancelAnywhereLeavesNothing) {
  contextAtNothing();
  pad(0, -40 * kMm)->selected = 1;
  host.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(componentCommand(editor));
  EXPECT_TRUE(host.componentDialogs.empty()) << "no dialog after a refused question";

  host.answers.push_back(Answer::Ok);
  answer({id("R9")}, ComponentDialogEnd::Cancel);
  EXPECT_FALSE(componentCommand(editor));
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(board().objects[0]->componentId, 0);
  EXPECT_TRUE(board().undoStack.empty());
  EXPECT_EQ(selected(), std::vector<int>{0}) << "the selection comes back";
}

TEST_F(ComponentCommandTest, TheComponentUnderTheContextMenuIsEdited) {
  const int k = component(20 * kMm, "R1");
  editor.contextPoint = {20 * kMm, -40 * kMm};
  answer({id("R2")}, ComponentDialogEnd::Cancel);
  EXPECT_FALSE(componentCommand(editor));
  EXPECT_EQ(host.componentDialogs.back().id, "R1");
  EXPECT_EQ(label(k, kComponentIdText)->text, "R1") << "Cancel restores the old ID";
  EXPECT_EQ(board().undoStack.size(), 1u);
  EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2, 3})) << "the component stays selected";

  answer({id("R2"), set(ComponentField::Package, [](ComponentFields& f) { f.package = "0805"; }),
          set(ComponentField::OffsetX, [](ComponentFields& f) { f.offsetXMm = 1.25; })});
  EXPECT_TRUE(componentCommand(editor));
  TObjekt* idLabel = label(k, kComponentIdText);
  EXPECT_EQ(idLabel->text, "R2");
  EXPECT_EQ(idLabel->component.package, "0805");
  EXPECT_FLOAT_EQ(idLabel->component.placeOffset.x, 12000) << "offsets keep one decimal";
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(ComponentCommandTest, AlignedLabelsFollowTheHeightUntilMovedByHand) {
  const int k = component(20 * kMm, "R1");
  editor.contextPoint = {20 * kMm, -40 * kMm};
  answer({height(2.0)});
  componentCommand(editor);
  EXPECT_FLOAT_EQ(label(k, kComponentIdText)->dim.x, 20000);
  EXPECT_TRUE(aligned(k));

  translateObject(*label(k, kComponentIdText), 1500, 0);
  const FPoint moved = label(k, kComponentIdText)->pos;
  answer({height(1.0)});
  componentCommand(editor);
  EXPECT_EQ(label(k, kComponentIdText)->pos, moved);
  EXPECT_FALSE(aligned(k));
}

TEST_F(ComponentCommandTest, MissingLabelsAreCreatedByTheFirstChangeOnTheComponentsSide) {
  TObjekt* a = smd(20 * kMm, -40 * kMm, 20000, 10000, kLayerC2);
  TObjekt* b = smd(30 * kMm, -40 * kMm, 20000, 10000, kLayerC2);
  a->componentId = b->componentId = 5;
  editor.contextPoint = {20 * kMm, -40 * kMm};
  answer({value("100n")});
  EXPECT_TRUE(componentCommand(editor));
  const ComponentFields& shown = host.componentDialogs.back();
  EXPECT_EQ(shown.idLayer, kLayerS2) << "an SMD part on C2 is on the bottom";
  EXPECT_FALSE(shown.idVisible);
  ASSERT_TRUE(label(5, kComponentIdText) && label(5, kComponentValueText));
  EXPECT_EQ(label(5, kComponentValueText)->text, "100n");
  EXPECT_EQ(label(5, kComponentValueText)->optB, 1) << "mirrored on S2";
  EXPECT_TRUE(aligned(5));
}

TEST_F(ComponentCommandTest, TintedFieldsCarryOverToTheOtherSelectedComponents) {
  const int first = component(20 * kMm, "R1");
  const int second = component(60 * kMm, "R2");
  label(first, kComponentIdText)->dim.x = 10000;
  label(first, kComponentValueText)->dim.x = 15000;
  for (const auto& o : board().objects) o->selected = 1;
  editor.contextPoint = {20 * kMm, -40 * kMm};
  host.answers.push_back(Answer::Yes);
  answer({height(1.8)});
  EXPECT_TRUE(componentCommand(editor));
  EXPECT_FALSE(host.componentDialogs.back().heightMm) << "the labels' heights differ";
  EXPECT_EQ(host.messages.back(), tr(texts::applyToSelectedComponents));
  for (const int k : {first, second}) {
    EXPECT_FLOAT_EQ(label(k, kComponentIdText)->dim.x, 18000) << k;
    EXPECT_FLOAT_EQ(label(k, kComponentValueText)->dim.x, 18000) << k;
  }
  EXPECT_EQ(label(second, kComponentIdText)->text, "R2") << "untinted fields stay";
}

TEST_F(ComponentCommandTest, AComponentWithAHiddenLabelTakesOverToo) {
  const int first = component(20 * kMm, "R1");
  const int second = component(60 * kMm, "R2");
  label(second, kComponentValueText)->optA = 0;
  for (const auto& o : board().objects) o->selected = isHiddenLabel(*o) ? 0 : 1;
  label(second, kComponentIdText)->component.placeOffset = {30000, 40000};
  editor.contextPoint = {20 * kMm, -40 * kMm};
  host.answers.push_back(Answer::Yes);
  answer({height(2.0), set(ComponentField::OffsetY, [](ComponentFields& f) { f.offsetYMm = -1; })});
  EXPECT_TRUE(componentCommand(editor));
  EXPECT_FLOAT_EQ(label(first, kComponentValueText)->dim.x, 20000);
  EXPECT_FLOAT_EQ(label(second, kComponentValueText)->dim.x, 20000)
      << "selected as a whole, though its hidden label cannot be selected";
  EXPECT_EQ(label(second, kComponentIdText)->component.placeOffset, (FPoint{30000, -10000}))
      << "only the changed offset is carried over";
}

TEST_F(ComponentCommandTest, BreakingUpSeveralSelectedComponents) {
  component(20 * kMm, "R1");
  component(60 * kMm, "R2");
  for (const auto& o : board().objects) o->selected = 1;
  editor.contextPoint = {20 * kMm, -40 * kMm};
  host.answers = {Answer::Ok, Answer::Yes};
  host.componentAnswers.push_back([](ComponentSession& s) {
    return s.confirmBreakUp() ? ComponentDialogEnd::BreakUp : ComponentDialogEnd::Cancel;
  });
  EXPECT_TRUE(componentCommand(editor));
  ASSERT_EQ(board().objects.size(), 4u);
  for (const auto& o : board().objects) EXPECT_EQ(o->componentId, 0);
  EXPECT_EQ(board().objects[0]->groups, board().objects[1]->groups);
  EXPECT_NE(board().objects[0]->groups, board().objects[2]->groups) << "one group each";
}

TEST_F(ComponentCommandTest, BreakingUpAsksAndLeavesOneGroup) {
  const int k = component(20 * kMm, "R1");
  editor.contextPoint = {20 * kMm, -40 * kMm};
  const auto breakUp = [](ComponentSession& s) {
    return s.confirmBreakUp() ? ComponentDialogEnd::BreakUp : ComponentDialogEnd::Cancel;
  };
  host.componentAnswers.push_back(breakUp);
  EXPECT_FALSE(componentCommand(editor)) << "the question cancelled";
  EXPECT_EQ(members(k).size(), 4u);
  EXPECT_EQ(host.messages.back(), tr(texts::breakUpQuestion));

  host.answers.push_back(Answer::Ok);
  host.componentAnswers.push_back(breakUp);
  EXPECT_TRUE(componentCommand(editor));
  ASSERT_EQ(board().objects.size(), 2u);
  for (const auto& o : board().objects) {
    EXPECT_EQ(o->componentId, 0);
    EXPECT_EQ(o->groups.size(), 1u);
  }
  EXPECT_EQ(board().objects[0]->groups, board().objects[1]->groups);
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(ComponentCommandTest, DoubleClickOnAMemberOpensTheDialog) {
  const int k = component(20 * kMm, "R1");
  deselectAll(board());
  answer({id("R7")});
  machine.doubleClick({screen(20 * kMm, -40 * kMm), MouseButton::Left, {}});
  EXPECT_EQ(label(k, kComponentIdText)->text, "R7");
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(ComponentCommandTest, LabelsOfAComponentWithoutOtherMembersStayPut) {
  const auto labelAt = [this](float y, TextRole role) {
    TObjekt t = newObject();
    initText(t, {30 * kMm, y}, "R1", 0, 0, kLayerS1, 1, 1, 13000, 0);
    t.variant = role;
    t.componentId = 4;
    t.optA = 1;
    return add(board(), std::move(t));
  };
  TObjekt* id = labelAt(-20 * kMm, kComponentIdText);
  TObjekt* value = labelAt(-25 * kMm, kComponentValueText);
  const FPoint idAt = id->pos, valueAt = value->pos;
  answer({height(2.0), [](ComponentSession& s) { s.alignLabels(); }});
  EXPECT_TRUE(editComponentCommand(editor, 4));
  EXPECT_FLOAT_EQ(id->dim.x, 20000);
  EXPECT_EQ(id->pos, idAt) << "nothing to place the labels beside";
  EXPECT_EQ(value->pos, valueAt);
}

TEST_F(ComponentCommandTest, AHeightOfZeroOrLessBecomesTheSmallest) {
  const int k = component(20 * kMm, "R1");
  for (const double mm : {0.0, -1.5}) {
    answer({height(2.0), height(mm)});
    editComponentCommand(editor, k);
    EXPECT_FLOAT_EQ(label(k, kComponentIdText)->dim.x, 1000) << mm;
    EXPECT_FLOAT_EQ(label(k, kComponentValueText)->dim.x, 1000) << mm;
  }
}

}  // namespace
}  // namespace pravelo::testing
