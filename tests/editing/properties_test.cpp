#include "editing/properties.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "editing/editor_fixture.h"
#include "geometry/pad_geometry.h"
#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

class PropertiesTest : public testing::EditorTest {
 protected:
  PropertiesTest() { setLanguage(Language::English); }

  PropertiesSummary summary(std::optional<PropertyPage> chosen = std::nullopt,
                            LengthUnit unit = LengthUnit::Mm) {
    return summariseProperties(board(), settings.optionen, unit, chosen);
  }
  bool apply(Property p, double value) {
    const bool changed = applyProperty(editor, p, {value, {}});
    editor.commitGesture();
    return changed;
  }
  TObjekt* selectedPad(float x, float y, float outer, float drill, int layer = kLayerC1) {
    TObjekt p = newObject();
    initPad(p, {x, y}, static_cast<std::uint8_t>(layer), kPadCircular, drill, outer);
    p.selected = 1;
    return testing::add(board(), std::move(p));
  }
  TObjekt* selectedTrack(int width, float length) {
    TObjekt t = newObject();
    initTrack(t, width, kLayerC1);
    addPoint(t, {0, -100000});
    addPoint(t, {length, -100000});
    t.selected = 1;
    return testing::add(board(), std::move(t));
  }
  TObjekt* selectedCircle(int outer, int inner) {
    TObjekt c = newObject();
    initCircle(c, {200000, -200000}, outer, kLayerC1, inner);
    c.selected = 1;
    return testing::add(board(), std::move(c));
  }
  TObjekt* selectedSmd(int x, int y) {
    TObjekt s = newObject();
    initSmdPad(s, {300000, -300000}, x, kLayerC1, y);
    s.selected = 1;
    return testing::add(board(), std::move(s));
  }
};

TEST_F(PropertiesTest, NothingSelectedShowsTheBoard) {
  board().name = "Main";
  const PropertiesSummary s = summary();
  EXPECT_EQ(s.page, PropertyPage::Board);
  EXPECT_EQ(s.kindLine, "Board");
  EXPECT_TRUE(s.rows.empty());
  EXPECT_DOUBLE_EQ(s[Property::BoardWidth].number, 100);
  EXPECT_DOUBLE_EQ(s[Property::BoardHeight].number, 80);
  EXPECT_EQ(s[Property::BoardName].text, "Main");
  EXPECT_EQ(s.boardArea, "80 cm²");
}

TEST_F(PropertiesTest, APadAndATrackGiveTwoRowsAndThePadPage) {
  selectedTrack(10000, 100000);
  selectedPad(10000, -10000, 9000, 4000);
  selectedPad(20000, -10000, 9000, 4000);
  // A hidden component label counts for nothing.
  TObjekt label = newObject();
  initText(label, {0, 0}, "R1", 0, 0, kLayerS1, 1, 1, 20000, 0);
  label.variant = kComponentIdText;
  label.optA = 0;
  label.selected = 1;
  testing::add(board(), std::move(label));

  const PropertiesSummary s = summary();
  EXPECT_EQ(s.rows, (std::vector{PropertyPage::Pads, PropertyPage::Tracks}));
  EXPECT_EQ(s.rowTexts, (std::vector<std::string>{"2; Pads", "1; Track"}));
  EXPECT_EQ(s.page, PropertyPage::Pads);
  EXPECT_EQ(s.kindLine, "2 Pads");
  EXPECT_EQ(summary(PropertyPage::Tracks).page, PropertyPage::Tracks);
  EXPECT_EQ(summary(PropertyPage::Zones).page, PropertyPage::Pads);
}

TEST_F(PropertiesTest, DifferingDrillsShowBlankAndADiameterChangeKeepsEachDrill) {
  TObjekt* a = selectedPad(10000, -10000, 10000, 3000);
  TObjekt* b = selectedPad(30000, -10000, 10000, 4000);
  const PropertiesSummary s = summary();
  EXPECT_TRUE(s[Property::PadDrill].mixed);
  EXPECT_FALSE(s[Property::PadDiameter].mixed);
  EXPECT_DOUBLE_EQ(s[Property::PadDiameter].number, 2.0);

  EXPECT_TRUE(apply(Property::PadDiameter, 2.5));
  EXPECT_FLOAT_EQ(a->dim.x, 12500);
  EXPECT_FLOAT_EQ(b->dim.x, 12500);
  EXPECT_FLOAT_EQ(a->dim.y, 3000);
  EXPECT_FLOAT_EQ(b->dim.y, 4000);
}

// Re-reading every shown field would put both pads at the first one's place and round their
// positions to the shown decimals.
TEST_F(PropertiesTest, OnlyTheChangedFieldIsApplied) {
  TObjekt* a = selectedPad(12700.4f, -25400.6f, 10000, 3000);
  TObjekt* b = selectedPad(38100, -25400, 12000, 3000);
  EXPECT_TRUE(summary()[Property::PadX].mixed);
  EXPECT_TRUE(apply(Property::PadDrill, 0.8));
  EXPECT_EQ(a->pos, (FPoint{12700.4f, -25400.6f}));
  EXPECT_EQ(b->pos, (FPoint{38100, -25400}));
  EXPECT_FLOAT_EQ(a->dim.x, 10000);
  EXPECT_FLOAT_EQ(b->dim.x, 12000);
  EXPECT_FLOAT_EQ(a->dim.y, 4000);
}

TEST_F(PropertiesTest, PositionsAreRelativeToTheUserOrigin) {
  board().header.originX = 100000;
  board().header.originY = -500000;
  TObjekt* p = selectedPad(127000, -254000, 9000, 4000);
  const PropertiesSummary s = summary();
  EXPECT_DOUBLE_EQ(s[Property::PadX].number, 2.7);
  EXPECT_DOUBLE_EQ(s[Property::PadY].number, 24.6);
  const FPoint outline0 = p->points[0];
  EXPECT_TRUE(apply(Property::PadX, 5));
  EXPECT_FLOAT_EQ(p->pos.x, 150000);
  EXPECT_FLOAT_EQ(p->points[0].x, outline0.x + 23000);
  EXPECT_TRUE(apply(Property::PadY, -1.23456));
  EXPECT_FLOAT_EQ(p->pos.y, -512346);
}

TEST_F(PropertiesTest, ASingleTrackShowsLengthNodesAndImax) {
  selectedTrack(10000, 100000);
  const PropertiesSummary s = summary();
  EXPECT_EQ(s.trackLength, "10.000 mm");
  EXPECT_EQ(s.nodes, "2");
  EXPECT_EQ(s.imax, "3.13 A");
  EXPECT_NEAR(trackImax(1, 35, 20), 0.7 * 5.25 * std::sqrt(0.035 * 1 * 1.035 * 20), 1e-12);

  selectedTrack(10000, 50000);
  const PropertiesSummary two = summary();
  EXPECT_EQ(two.trackLength, "");
  EXPECT_EQ(two.imax, "");
}

// The spoke width in units as the ground plane draws it, not the literal hundredfold.
TEST_F(PropertiesTest, SpokeWidthLabelsFollowTheGroundPlaneRule) {
  selectedPad(10000, -10000, 11250, 4000);
  EXPECT_EQ(padSpokeWidth(11250, 100), 7500);
  EXPECT_EQ(summary().spokeWidth, "0.75 mm");
  board().objects.front()->paramB = 50;
  EXPECT_EQ(summary().spokeWidth, "0.38 mm");
  EXPECT_EQ(summary(std::nullopt, LengthUnit::Mil).spokeWidth, "14.8 mil");

  board().objects.clear();
  selectedSmd(15000, 8000);
  EXPECT_EQ(smdSpokeWidth(8000, 100), 2667);
  EXPECT_EQ(summary().spokeWidth, "0.27 mm");
}

TEST_F(PropertiesTest, CircleRingFromDiameterAndWidth) {
  TObjekt* c = selectedCircle(20000, 10000);  // diameter 3 mm, width 1 mm
  const PropertiesSummary s = summary();
  EXPECT_DOUBLE_EQ(s[Property::CircleDiameter].number, 3);
  EXPECT_DOUBLE_EQ(s[Property::CircleWidth].number, 1);

  EXPECT_TRUE(apply(Property::CircleWidth, 0));  // a hairline ring
  EXPECT_EQ(c->dim, (FPoint{15000, 15000}));
  EXPECT_TRUE(apply(Property::CircleWidth, 0.5));
  EXPECT_EQ(c->dim, (FPoint{17500, 12500}));
  EXPECT_TRUE(apply(Property::CircleDiameter, 4));  // keeps its width
  EXPECT_EQ(c->dim, (FPoint{22500, 17500}));
}

// The literal rule gives a negative inner radius for a width above the diameter.
TEST_F(PropertiesTest, CircleWidthIsLimitedToKeepTheInnerRadius) {
  TObjekt* c = selectedCircle(20000, 10000);
  EXPECT_TRUE(apply(Property::CircleWidth, 5));
  EXPECT_EQ(c->dim, (FPoint{30000, 0}));
  TObjekt* d = selectedCircle(30000, 0);
  c->selected = 0;
  EXPECT_TRUE(apply(Property::CircleDiameter, 1));
  EXPECT_EQ(d->dim, (FPoint{10000, 0}));
}

TEST_F(PropertiesTest, ThermalPadRaisesTheClearanceOnCopperOnly) {
  TObjekt* copper = selectedPad(10000, -10000, 9000, 4000);
  TObjekt* silk = selectedPad(30000, -10000, 9000, 4000, kLayerS1);
  copper->clearance = 500;
  silk->clearance = 500;
  EXPECT_TRUE(apply(Property::PadThermal, 1));
  EXPECT_EQ(copper->optB, 1);
  EXPECT_EQ(copper->clearance, 1000);
  EXPECT_EQ(silk->optB, 0);
  EXPECT_EQ(silk->clearance, 500);
  copper->clearance = 3000;
  apply(Property::PadThermal, 0);
  EXPECT_TRUE(apply(Property::PadThermal, 1));
  EXPECT_EQ(copper->clearance, 3000);
}

// The area in cm² from millimetres: 160 mm x 100 mm are 160 cm², not 1.6e9.
TEST_F(PropertiesTest, BoardAreaFromMillimetres) {
  EXPECT_EQ(boardAreaText(1600000, 1000000, LengthUnit::Mm), "160 cm²");
  EXPECT_EQ(boardAreaText(1234567, 1000000, LengthUnit::Mm), "123.5 cm²");
  EXPECT_EQ(boardAreaText(10000, 10000, LengthUnit::Mm), "0.01 cm²");
  EXPECT_EQ(boardAreaText(254000, 508000, LengthUnit::Mil), "2 in²");
}

TEST_F(PropertiesTest, BoardSidesAreKeptExactlyWithinTheNewBoardLimits) {
  EXPECT_TRUE(apply(Property::BoardWidth, 123.4567));
  EXPECT_EQ(board().header.width, 1234567);
  EXPECT_EQ(board().header.height, 800000);
  EXPECT_DOUBLE_EQ(summary()[Property::BoardWidth].number, 123.4567);
  EXPECT_TRUE(apply(Property::BoardHeight, 600));
  EXPECT_EQ(board().header.height, 5000000);
  EXPECT_TRUE(apply(Property::BoardHeight, 0.2));
  EXPECT_EQ(board().header.height, 10000);
  EXPECT_EQ(board().undoStack.size(), 3u);
}

TEST_F(PropertiesTest, BoardNameIsTrimmed) {
  EXPECT_TRUE(applyProperty(editor, Property::BoardName, {0, "  Küche "}));
  EXPECT_EQ(board().name,
            "K\xFC"
            "che");
}

TEST_F(PropertiesTest, SwitchingMultilayerOffAsksBeforeDeleting) {
  board().header.multilayer = 1;
  TObjekt inner = newObject();
  initCircle(inner, {0, 0}, 1000, kLayerI1, 0);
  testing::add(board(), std::move(inner));

  host.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(apply(Property::BoardMultilayer, 0));
  EXPECT_EQ(board().header.multilayer, 1);
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_TRUE(board().undoStack.empty());

  host.answers.push_back(Answer::Ok);
  EXPECT_TRUE(apply(Property::BoardMultilayer, 0));
  EXPECT_EQ(board().header.multilayer, 0);
  EXPECT_TRUE(board().objects.empty());
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(PropertiesTest, OneUndoStepPerGestureAndNoneWithoutChange) {
  TObjekt* t = selectedTrack(10000, 100000);
  EXPECT_FALSE(apply(Property::TrackWidth, 1));
  EXPECT_TRUE(board().undoStack.empty());

  // A wheel drag: several changes, one step.
  EXPECT_TRUE(applyProperty(editor, Property::TrackWidth, {1.1, {}}));
  EXPECT_TRUE(applyProperty(editor, Property::TrackWidth, {1.2, {}}));
  EXPECT_FALSE(applyProperty(editor, Property::TrackWidth, {1.2, {}}));
  editor.commitGesture();
  EXPECT_EQ(t->width, 12000);
  EXPECT_EQ(board().undoStack.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects.front()->width, 10000);
}

TEST_F(PropertiesTest, FlagsOfTracksAndZones) {
  TObjekt* t = selectedTrack(10000, 100000);
  EXPECT_TRUE(apply(Property::TrackFlatEnd, 1));
  EXPECT_EQ(t->variant, 2);
  EXPECT_TRUE(apply(Property::TrackFlatStart, 1));
  EXPECT_TRUE(apply(Property::TrackFlatEnd, 0));
  EXPECT_EQ(t->variant, 1);
  EXPECT_TRUE(apply(Property::TrackCutout, 1));
  EXPECT_EQ(t->cutout, 1);

  t->selected = 0;
  TObjekt zone = newObject();
  initZone(zone, 2000, kLayerS1);
  addPoint(zone, {0, 0});
  addPoint(zone, {10000, 0});
  addPoint(zone, {10000, -10000});
  zone.selected = 1;
  TObjekt* z = testing::add(board(), std::move(zone));
  EXPECT_FALSE(apply(Property::ZoneMaskOnly, 1));  // only on C1 and C2
  EXPECT_FALSE(apply(Property::ZoneCutout, 1));    // only on copper
  EXPECT_TRUE(apply(Property::ZoneHatched, 1));
  EXPECT_TRUE(apply(Property::ZoneHatchWidth, 0.3));
  EXPECT_EQ(z->optB, 1);
  EXPECT_EQ(z->paramB, 3000);
  EXPECT_EQ(summary().nodes, "3");
}

TEST_F(PropertiesTest, TextChangesRebuildTheStrokes) {
  TObjekt text = newObject();
  initText(text, {0, -50000}, "AB", 0, 0, kLayerS1, 1, 1, 20000, 0);
  buildTextStrokes(text, false);
  text.selected = 1;
  TObjekt* t = testing::add(board(), std::move(text));
  const std::size_t strokes = t->children.size();
  const PropertiesSummary s = summary();
  EXPECT_EQ(s.page, PropertyPage::Texts);
  EXPECT_EQ(s[Property::TextContent].text, "AB");
  EXPECT_DOUBLE_EQ(s[Property::TextHeight].number, 2);
  EXPECT_FALSE(s.strokeWidth.empty());

  EXPECT_TRUE(applyProperty(editor, Property::TextContent, {0, "ABÄ"}));
  EXPECT_EQ(t->text, "AB\xC4");
  EXPECT_GT(t->children.size(), strokes);
  EXPECT_TRUE(apply(Property::TextAngle, 450));
  EXPECT_EQ(t->paramB, 90);
  EXPECT_EQ(t->children.front().selected, 1);
}

// The buttons show the spokes where they point on the screen: a pad turned by 90 degrees shows
// its "up" spoke at the right.
TEST_F(PropertiesTest, SpokeButtonsShowAndSetTheRotatedPattern) {
  TObjekt* s = selectedSmd(20000, 10000);
  const FPoint c = s->pos;
  s->points = {{c.x - 5000, c.y + 10000},
               {c.x - 5000, c.y - 10000},
               {c.x + 5000, c.y - 10000},
               {c.x + 5000, c.y + 10000}};
  ASSERT_NEAR(cornerRotation(s->points), 90, 1e-9);
  s->paramA = 1;  // bit 0: the spoke along the pad's own "up"
  PropertiesSummary shown = summary();
  EXPECT_DOUBLE_EQ(shown[Property::SmdSpoke1].number, 0);
  EXPECT_DOUBLE_EQ(shown[Property::SmdSpoke3].number, 1);

  EXPECT_TRUE(apply(Property::SmdSpoke3, 0));
  EXPECT_EQ(s->paramA, 0);
  EXPECT_TRUE(apply(Property::SmdSpoke5, 1));  // the bottom button: the pad's bit 2
  EXPECT_EQ(s->paramA, 4);
  EXPECT_TRUE(apply(Property::SmdSpokesToggled, 1));
  EXPECT_EQ(s->paramA, 0xFB);
}

TEST_F(PropertiesTest, SpokeButtonsChangeTheActiveLayerOrAllLayers) {
  TObjekt* p = selectedPad(10000, -10000, 9000, 4000);
  p->paramA = 0x55555555;
  board().header.activeLayer = kLayerC2;
  EXPECT_TRUE(apply(Property::PadSpoke2, 1));  // equal layers: every byte
  EXPECT_EQ(static_cast<std::uint32_t>(p->paramA), 0x57575757u);

  EXPECT_TRUE(apply(Property::PadLayersEqual, 0));
  EXPECT_EQ(p->optA, 1);
  EXPECT_TRUE(apply(Property::PadSpoke1, 0));  // only the C2 byte
  EXPECT_EQ(static_cast<std::uint32_t>(p->paramA), 0x57575657u);

  // Back to equal layers asks first; Cancel keeps them individual.
  host.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(apply(Property::PadLayersEqual, 1));
  EXPECT_EQ(p->optA, 1);
  host.answers.push_back(Answer::Ok);
  EXPECT_TRUE(apply(Property::PadLayersEqual, 1));
  EXPECT_EQ(p->optA, 0);
  EXPECT_EQ(static_cast<std::uint32_t>(p->paramA), 0x56565656u);
}

// Per-layer spokes while a layer without copper is active: the buttons show and change the
// spokes of the pad's own layer, not those of C1.
TEST_F(PropertiesTest, IndividualSpokesOfTheOwnLayerWhileSilkscreenIsActive) {
  TObjekt* bottom = selectedPad(10000, -10000, 9000, 4000, kLayerC2);
  bottom->optA = 1;
  bottom->paramA = 0x00000100;  // spoke 1 on C2 only
  struct Case {
    int activeLayer;
    double spoke1;
  };
  for (const Case c : {Case{kLayerC2, 1}, Case{kLayerS2, 1}, Case{kLayerO, 1}, Case{kLayerC1, 0}}) {
    board().header.activeLayer = static_cast<std::uint8_t>(c.activeLayer);
    EXPECT_DOUBLE_EQ(summary()[Property::PadSpoke1].number, c.spoke1) << c.activeLayer;
  }
  board().header.activeLayer = kLayerS2;
  EXPECT_TRUE(apply(Property::PadSpoke3, 1));
  EXPECT_EQ(static_cast<std::uint32_t>(bottom->paramA), 0x00000500u) << "the C2 byte";
}

TEST_F(PropertiesTest, EveryFieldHasAScriptName) {
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    const auto p = static_cast<Property>(i);
    EXPECT_EQ(propertyByScriptName(propertyInfo(p).scriptName), p);
  }
  EXPECT_FALSE(propertyByScriptName("pad.colour"));
}

}  // namespace
}  // namespace pravelo
