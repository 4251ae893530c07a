#include "editing/size_fields.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "geometry/pad_geometry.h"
#include "geometry/point.h"

namespace pravelo {
namespace {

TObjekt track(int width) {
  TObjekt t = newObject();
  initTrack(t, width, kLayerC1);
  addPoint(t, {0, 0});
  addPoint(t, {10000, 0});
  return t;
}

TObjekt pad(float diameter, float drill, int shape = kPadCircular, int layer = kLayerC1) {
  TObjekt p = newObject();
  initPad(p, {50000, -50000}, static_cast<std::uint8_t>(layer), static_cast<std::uint8_t>(shape),
          drill / 2, diameter / 2);
  return p;
}

TObjekt smd(int x, int y) {
  TObjekt s = newObject();
  initSmdPad(s, {20000, -20000}, x, kLayerC1, y);
  return s;
}

TObjekt circle(int outer, int inner) {
  TObjekt c = newObject();
  initCircle(c, {0, 0}, outer, kLayerS1, inner);
  return c;
}

class SizeFieldsTest : public ::testing::Test {
 protected:
  TObjekt& add(TObjekt o, bool selected = true) {
    o.selected = selected ? 1 : 0;
    objects_.push_back(std::make_unique<TObjekt>(std::move(o)));
    return *objects_.back();
  }
  void follow(bool ctrl = false, bool strgZumFangen = true) {
    fieldsFollowSelection(fields_, objects_, ctrl, strgZumFangen);
  }
  SizeHighlight highlight(SizeField f) const {
    return fields_.highlight[static_cast<std::size_t>(f)];
  }
  int remembered(SizeField f) const { return fields_.remembered[static_cast<std::size_t>(f)]; }

  SizeFields fields_ = initialSizeFields(SizeSettings{});
  ObjectList objects_;
};

TEST_F(SizeFieldsTest, StartWithTheStoredSizesAndClampThem) {
  EXPECT_EQ(fields_.shown, (std::array<int, 6>{8000, 18000, 6000, 9000, 18000, 4000}));
  EXPECT_EQ(fields_.remembered, fields_.shown);
  EXPECT_EQ(fields_.padShape, kPadCircular);
  EXPECT_FALSE(fields_.throughPad);
  // A damaged settings file cannot start the column outside its limits.
  const SizeFields clamped = initialSizeFields({-5, 0, 2000000, 1, 9000});
  EXPECT_EQ(clamped.shown, (std::array<int, 6>{0, 500, 999900, 500, 9000, 4000}));
  EXPECT_EQ(sizeSettings(clamped), (SizeSettings{0, 500, 999900, 500, 9000}));
}

TEST_F(SizeFieldsTest, SelectedTrackIsShownOnRedAndTheDefaultReturnsAfterDeselecting) {
  TObjekt& t = add(track(3000));
  follow();
  EXPECT_EQ(fields_[SizeField::Breite], 3000);
  EXPECT_EQ(highlight(SizeField::Breite), SizeHighlight::Selected);
  EXPECT_EQ(highlight(SizeField::FreistanzOffset), SizeHighlight::Selected);
  EXPECT_EQ(highlight(SizeField::Aussen), SizeHighlight::None);
  EXPECT_EQ(remembered(SizeField::Breite), 8000);

  t.selected = 0;
  follow();
  EXPECT_EQ(fields_[SizeField::Breite], 8000);
  EXPECT_EQ(highlight(SizeField::Breite), SizeHighlight::None);
}

TEST_F(SizeFieldsTest, SelectedValuesBecomeDefaultsOnlyWithCtrlOrWithoutTheOption) {
  struct Case {
    bool ctrl;
    bool strgZumFangen;
    int rememberedWidth;
  };
  for (const Case c : {Case{false, true, 8000}, Case{true, true, 3000}, Case{false, false, 3000},
                       Case{true, false, 3000}}) {
    fields_ = initialSizeFields(SizeSettings{});
    objects_.clear();
    add(track(3000));
    follow(c.ctrl, c.strgZumFangen);
    EXPECT_EQ(remembered(SizeField::Breite), c.rememberedWidth) << c.ctrl << " " << c.strgZumFangen;
  }
}

TEST_F(SizeFieldsTest, DifferingValuesKeepTheFieldAndShowSilverOnRed) {
  add(track(3000));
  add(circle(20000, 15000));  // ring width 5000
  add(track(9999), false);
  follow();
  EXPECT_EQ(highlight(SizeField::Breite), SizeHighlight::Mixed);
  EXPECT_EQ(fields_[SizeField::Breite], 8000);
  objects_[0]->width = 5000;
  follow();
  EXPECT_EQ(highlight(SizeField::Breite), SizeHighlight::Selected);
  EXPECT_EQ(fields_[SizeField::Breite], 5000);
}

TEST_F(SizeFieldsTest, PadsAndSmdPadsFillTheirFields) {
  add(pad(16000, 8000));
  TObjekt& s = add(smd(12000, 6000));
  rotatePoints(s.points, smdPadCentre(s), 30);
  add(track(3000), false);
  follow();
  EXPECT_EQ(fields_[SizeField::Aussen], 16000);
  EXPECT_EQ(fields_[SizeField::Innen], 8000);
  EXPECT_EQ(fields_[SizeField::SMDPad_X], 12000);
  EXPECT_EQ(fields_[SizeField::SMDPad_Y], 6000);
  EXPECT_EQ(highlight(SizeField::Breite), SizeHighlight::None);
}

TEST_F(SizeFieldsTest, RotatedVerticalRoundedPadShowsTheHorizontalShape) {
  TObjekt& p = add(pad(18000, 6000, kPadRoundedV));
  rotatePoints(p.points, p.pos, -90);
  ASSERT_NEAR(padRotation(p), 90, 0.01);
  follow();
  EXPECT_EQ(fields_.shownPadShape, kPadRoundedH);
  EXPECT_EQ(fields_.padShape, kPadCircular);

  add(pad(18000, 6000, kPadSquare));
  follow();
  EXPECT_EQ(fields_.shownPadShape, 0);  // differing shapes: the neutral picture
  objects_.clear();
  follow();
  EXPECT_EQ(fields_.shownPadShape, kPadCircular);
}

TEST_F(SizeFieldsTest, ThroughPadSwitchFollowsTheSelectedPads) {
  TObjekt& p = add(pad(18000, 6000));
  p.via = 1;
  follow();
  EXPECT_TRUE(fields_.shownThroughPad);
  EXPECT_FALSE(fields_.throughPad);
  p.selected = 0;
  follow();
  EXPECT_FALSE(fields_.shownThroughPad);
}

TEST_F(SizeFieldsTest, DrillTypedLargerThanTheDiameterRaisesIt) {
  fields_[SizeField::Aussen] = 10000;
  EXPECT_FALSE(changeSizeField(fields_, SizeField::Innen, 12000, objects_));
  EXPECT_EQ(fields_[SizeField::Aussen], 12000);
  EXPECT_EQ(fields_[SizeField::Innen], 12000);
  // Nothing selected: the typed sizes are those of new pads.
  EXPECT_EQ(remembered(SizeField::Aussen), 12000);
  EXPECT_EQ(remembered(SizeField::Innen), 12000);

  EXPECT_FALSE(changeSizeField(fields_, SizeField::Aussen, 9000, objects_));
  EXPECT_EQ(fields_[SizeField::Innen], 9000);
}

TEST_F(SizeFieldsTest, PadRadiiKeepTheDrillInsideThePad) {
  TObjekt& p = add(pad(10000, 4000, kPadOctagon));
  follow();
  EXPECT_TRUE(changeSizeField(fields_, SizeField::Innen, 12000, objects_));
  EXPECT_EQ(p.dim, (FPoint{6000, 6000}));
  EXPECT_FLOAT_EQ(p.points[0].x, 50000 - 6000);  // outline rebuilt with the new radius
  // The selection shows the new sizes, the sizes of new pads stay.
  EXPECT_EQ(remembered(SizeField::Innen), 6000);

  EXPECT_TRUE(changeSizeField(fields_, SizeField::Aussen, 8000, objects_));
  EXPECT_EQ(p.dim, (FPoint{4000, 4000}));
  EXPECT_EQ(p.variant, kPadOctagon);
}

TEST_F(SizeFieldsTest, ValuesAreClampedToTheFieldLimitsWhenApplied) {
  struct Case {
    SizeField field;
    int typed;
    int applied;
  };
  const TObjekt& t = add(track(3000));
  const TObjekt& p = add(pad(18000, 6000));
  const TObjekt& s = add(smd(9000, 18000));
  // clang-format off
  for (const Case c : {Case{SizeField::Breite,          -100,     0},
                       Case{SizeField::Breite,          5000000,  999900},
                       Case{SizeField::Aussen,          0,        500},
                       Case{SizeField::Innen,           -1,       0},
                       Case{SizeField::SMDPad_X,        10,       500},
                       Case{SizeField::SMDPad_Y,        1000000,  999900},
                       Case{SizeField::FreistanzOffset, 200000,   100000},
                       Case{SizeField::FreistanzOffset, -4000,    0}}) {
    // clang-format on
    changeSizeField(fields_, c.field, c.typed, objects_);
    EXPECT_EQ(fields_[c.field], c.applied) << static_cast<int>(c.field) << " " << c.typed;
    int onObject = 0;
    switch (c.field) {
      case SizeField::Breite:
        onObject = t.width;
        break;
      case SizeField::Aussen:
        onObject = roundToInt32(2.0 * p.dim.x);
        break;
      case SizeField::Innen:
        onObject = roundToInt32(2.0 * p.dim.y);
        break;
      case SizeField::SMDPad_X:
        onObject = roundToInt32(distance(s.points[0], s.points[1]));
        break;
      case SizeField::SMDPad_Y:
        onObject = roundToInt32(distance(s.points[1], s.points[2]));
        break;
      case SizeField::FreistanzOffset:
        onObject = t.clearance;
        break;
    }
    EXPECT_EQ(onObject, c.applied) << static_cast<int>(c.field) << " " << c.typed;
  }
}

TEST_F(SizeFieldsTest, TrackWidthSetsTracksZonesAndRingsAroundTheirCentreLine) {
  TObjekt& t = add(track(3000));
  TObjekt& c = add(circle(20000, 10000));   // centre line 15000
  TObjekt& thin = add(circle(3000, 1000));  // centre line 2000
  TObjekt& other = add(track(3000), false);
  EXPECT_TRUE(changeSizeField(fields_, SizeField::Breite, 6000, objects_));
  EXPECT_EQ(t.width, 6000);
  EXPECT_EQ(other.width, 3000);
  EXPECT_EQ(c.dim, (FPoint{18000, 12000}));
  EXPECT_EQ(thin.dim, (FPoint{6000, 0}));  // the hole closes rather than turning negative
  EXPECT_FALSE(changeSizeField(fields_, SizeField::Breite, 6000, objects_));
}

TEST_F(SizeFieldsTest, SmdSizeChangesOneDirectionKeepingTheRotation) {
  TObjekt& s = add(smd(9000, 18000));
  rotatePoints(s.points, smdPadCentre(s), 30);
  const double rotation = cornerRotation(s.points);
  const FPoint centre = smdPadCentre(s);
  EXPECT_TRUE(changeSizeField(fields_, SizeField::SMDPad_X, 12000, objects_));
  EXPECT_NEAR(distance(s.points[0], s.points[1]), 12000, 0.5);
  EXPECT_NEAR(distance(s.points[1], s.points[2]), 18000, 0.5);
  EXPECT_NEAR(cornerRotation(s.points), rotation, 1e-3);
  EXPECT_NEAR(smdPadCentre(s).x, centre.x, 0.01);
  EXPECT_FALSE(changeSizeField(fields_, SizeField::SMDPad_X, 12000, objects_));

  EXPECT_TRUE(flipSmd(fields_, objects_));
  EXPECT_EQ(fields_[SizeField::SMDPad_X], 18000);
  EXPECT_EQ(fields_[SizeField::SMDPad_Y], 12000);
  EXPECT_NEAR(distance(s.points[0], s.points[1]), 18000, 0.5);
  EXPECT_NEAR(distance(s.points[1], s.points[2]), 12000, 0.5);
}

TEST_F(SizeFieldsTest, ClearanceReachesEveryKindButNotHiddenOrUnselectedObjects) {
  TObjekt& t = add(track(3000));
  TObjekt& c = add(circle(20000, 10000));
  TObjekt& hidden = add(track(3000));
  hidden.drawable = 0;
  TObjekt& unselected = add(smd(9000, 9000), false);
  EXPECT_TRUE(changeSizeField(fields_, SizeField::FreistanzOffset, 7000, objects_));
  EXPECT_EQ(t.clearance, 7000);
  EXPECT_EQ(c.clearance, 7000);
  EXPECT_EQ(hidden.clearance, 0);
  EXPECT_EQ(unselected.clearance, 0);
  EXPECT_EQ(remembered(SizeField::FreistanzOffset), 4000);
}

TEST_F(SizeFieldsTest, PadShapeRebuildsSelectedPadsKeepingTheirRotation) {
  TObjekt& p = add(pad(20000, 6000));
  rotatePoints(p.points, p.pos, -90);
  EXPECT_TRUE(changePadShape(fields_, kPadRoundedH, objects_));
  EXPECT_EQ(fields_.padShape, kPadRoundedH);
  // Turned by 90 degrees the pad is stored vertical, so that it is shown horizontal.
  EXPECT_EQ(p.variant, kPadRoundedV);
  EXPECT_NEAR(p.points[0].x, 50000 + 10000, 0.01);
  EXPECT_NEAR(p.points[1].x, 50000 - 10000, 0.01);
  EXPECT_FALSE(changePadShape(fields_, kPadRoundedH, objects_));
  EXPECT_FALSE(changePadShape(fields_, 10, objects_));
  EXPECT_EQ(fields_.padShape, kPadRoundedH);
}

TEST_F(SizeFieldsTest, ThroughPadSetsViaOnlyOnCopperLayers) {
  TObjekt& copper = add(pad(18000, 6000, kPadCircular, kLayerC2));
  TObjekt& silk = add(pad(18000, 6000, kPadCircular, kLayerS1));
  silk.via = 1;
  EXPECT_TRUE(changeThroughPad(fields_, true, objects_));
  EXPECT_TRUE(fields_.throughPad);
  EXPECT_EQ(copper.via, 1);
  EXPECT_EQ(silk.via, 0);
  EXPECT_FALSE(changeThroughPad(fields_, true, objects_));
}

TEST_F(SizeFieldsTest, SelectionHasKindTellsWhetherAnUndoStepIsDue) {
  add(track(3000), false);
  EXPECT_FALSE(selectionHasKind(objects_, SizeField::Breite));
  add(pad(18000, 6000));
  EXPECT_FALSE(selectionHasKind(objects_, SizeField::Breite));
  EXPECT_TRUE(selectionHasKind(objects_, SizeField::Innen));
  EXPECT_TRUE(selectionHasKind(objects_, SizeField::FreistanzOffset));
}

}  // namespace
}  // namespace pravelo
