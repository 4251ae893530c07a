#include "manufacturing/gerber_read.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "manufacturing/import_error.h"

namespace pravelo {
namespace {

// A millimetre file in format 3.4 (one unit per digit) around `body`.
std::string mmFile(const std::string& apertures, const std::string& body) {
  return "%FSLAX34Y34*%\n%MOMM*%\n" + apertures + "%LPD*%\n" + body + "M02*\n";
}

ObjectList readMm(const std::string& apertures, const std::string& body) {
  return readGerber(mmFile(apertures, body), kLayerC1, {});
}

int countKind(const ObjectList& objects, int kind) {
  int n = 0;
  for (const auto& o : objects) n += o->kind == kind;
  return n;
}

TEST(GerberRead, InchLeadingZerosOmittedReadsShortNumbers) {
  const ObjectList objects =
      readGerber("%FSLAX24Y24*%\n%MOIN*%\n%ADD10C,0.01*%\nD10*\nX0Y0D02*\nX15000Y-2500D01*\nM02*\n",
                 kLayerC1, {});
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->kind, kTrack);
  EXPECT_FLOAT_EQ(objects[0]->points[1].x, 381000);
  EXPECT_FLOAT_EQ(objects[0]->points[1].y, -63500);
  EXPECT_EQ(objects[0]->width, 2540);
  EXPECT_EQ(objects[0]->clearance, 4000);
}

struct NumberCase {
  const char* format;
  const char* x;
  double expected;  // units
};

// clang-format off
const NumberCase kNumberCases[] = {
  {"%FSLAX24Y24*%\n%MOIN*%", "15000", 381000},     // 1.5 in
  {"%FSLAX24Y24*%\n%MOIN*%", "+15000", 381000},    // '+' stripped
  {"%FSLAX24Y24*%\n%MOIN*%", "1234567", 31358001.8},  // longer than the format: still 1/10000 in steps
  {"%FSTAX24Y24*%\n%MOIN*%", "15", 3810000},      // trailing zeros omitted: 15 in
  {"%FSTAX24Y24*%\n%MOIN*%", "015", 381000},      // 01.5 in
  {"%FSLAX33Y33*%\n%MOMM*%", "1500", 15000},       // 1.5 mm
  {"%FSLAX33Y33*%\nG71*", "-1500", -15000},        // no %MO: G71 means millimetres
  {"%FSLAX33Y33*%", "1500", 381000},               // no unit at all: inches
  {"%FSLAX46Y46*%\n%MOMM*%", "12.5", 125000},      // a written point is read as it stands
  {"%FSLAX33Y33*MOMM*%", "1500", 15000},           // several statements in one block
};
// clang-format on

TEST(GerberRead, NumbersInEveryFormat) {
  for (const NumberCase& c : kNumberCases) {
    SCOPED_TRACE(std::string(c.format) + " X" + c.x);
    const std::string file =
        std::string(c.format) + "\n%ADD10C,0.01*%\nD10*\nX0Y0D02*\nX" + c.x + "Y0D01*\nM02*\n";
    const ObjectList objects = readGerber(file, kLayerC1, {});
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_NEAR(objects[0]->points[1].x, c.expected, std::abs(c.expected) * 1e-6 + 0.01);
  }
}

struct RefusedCase {
  const char* file;
  int line;
};

// clang-format off
const RefusedCase kRefusedCases[] = {
  {"%FSLAX34Y34*%\nX99999999999D02*\n", 2},             // beyond 32 bits
  {"%FSLIX34Y34*%\nX1D02*\n", 1},                        // incremental notation
  {"%FSLAX34Y34*%\nG91*\nX1D02*\n", 2},                  // incremental mode
  {"%FSLAXY34*%\nX1D02*\n", 1},                          // digits missing
  {"%FSLAX89Y34*%\nX1D02*\n", 1},                        // impossible digits
  {"%FSLAX34Y34*%\n%MOMM*%\nX-D02*\n", 3},               // sign without digits
  {"%FSLAX34Y34*%\n%AMBAD*1,1,$1+*%\n%ADD10BAD,1*%\n", 2},  // broken macro expression
  {"%FSLAX60Y60*%\n%MOIN*%\nX2000000000Y0D02*\n", 3},    // far beyond any board
};
// clang-format on

TEST(GerberRead, UnreadableFilesNameTheLine) {
  for (const RefusedCase& c : kRefusedCases) {
    SCOPED_TRACE(c.file);
    try {
      readGerber(c.file, kLayerC1, {});
      ADD_FAILURE() << "read without complaint";
    } catch (const ImportError& e) {
      EXPECT_EQ(e.line(), c.line);
      EXPECT_NE(e.report("a.gbr", Language::English).find("a.gbr, line"), std::string::npos);
    }
  }
}

TEST(GerberRead, ShortDCodesAndSplitBlocks) {
  // "D2*" and "D1*" are D02 and D01; several blocks may share a line.
  const ObjectList objects = readMm("%ADD10C,1*%\n", "D10*X0Y0D2*X10000Y0D1*X20000Y0D1*\n");
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(countKind(objects, kTrack), 2);
}

TEST(GerberRead, ExtendedStatementsSpanLinesAndAnUnclosedOneEndsAtTheFileEnd) {
  const ObjectList objects = readGerber(
      "%FSLAX34Y34*\n%\n%MOMM*%\n%ADD10\nC,1*\n%\nD10*\nX100Y100D03*\n%LPD*", kLayerC1, {});
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->kind, kPad);
  EXPECT_FLOAT_EQ(objects[0]->dim.x, 5000);
}

struct FlashCase {
  const char* aperture;
  int kind;
  int shape;     // pads
  double sizeX;  // pads: outer radius; SMD pads: width; tracks: width
  double sizeY;  // pads: hole radius; SMD pads: height; tracks: length
};

// clang-format off
const FlashCase kFlashCases[] = {
  {"C,1.6", kPad, kPadCircular, 8000, 0},
  {"C,1.6X0.8", kPad, kPadCircular, 8000, 4000},
  {"R,1.5X1.5", kPad, kPadSquare, 7500, 0},
  {"R,1.5X1.5X0.6", kPad, kPadSquare, 7500, 3000},
  {"R,2X1", kSmdPad, 0, 20000, 10000},
  {"O,2X1", kPad, kPadRoundedH, 5000, 0},
  {"O,1X2X0.5", kPad, kPadRoundedV, 5000, 2500},
  {"O,2.5X1", kTrack, 0, 10000, 15000},
  {"P,2X6X0", kZone, 0, 6, 0},
  {"C,1.6X0.8X0.1X99", kPad, kPadCircular, 8000, 4000},  // surplus parameters ignored
};
// clang-format on

TEST(GerberRead, FlashesOfEveryStandardAperture) {
  for (const FlashCase& c : kFlashCases) {
    SCOPED_TRACE(c.aperture);
    const ObjectList objects =
        readMm(std::string("%ADD10") + c.aperture + "*%\n", "D10*\nX100000Y50000D03*\n");
    ASSERT_EQ(objects.size(), 1u);
    const TObjekt& o = *objects[0];
    EXPECT_EQ(o.kind, c.kind);
    EXPECT_EQ(o.clearance, 4000);
    if (c.kind == kPad) {
      EXPECT_EQ(o.variant, c.shape);
      EXPECT_FLOAT_EQ(o.dim.x, c.sizeX);
      EXPECT_FLOAT_EQ(o.dim.y, c.sizeY);
      EXPECT_FLOAT_EQ(o.pos.x, 100000);
    } else if (c.kind == kSmdPad) {
      EXPECT_FLOAT_EQ(o.dim.x, c.sizeX);
      EXPECT_FLOAT_EQ(o.dim.y, c.sizeY);
    } else if (c.kind == kTrack) {
      EXPECT_EQ(o.width, c.sizeX);
      EXPECT_FLOAT_EQ(o.points[1].x - o.points[0].x, c.sizeY);
    } else {
      EXPECT_EQ(o.points.size(), static_cast<std::size_t>(c.sizeX));
    }
  }
}

TEST(GerberRead, UndefinedAperturesAndClearPolarityCreateNothing) {
  const ObjectList objects =
      readMm("%ADD10C,1*%\n%ADD5C,1*%\n%ADDXYC,1*%\n%ADD10000C,1*%\n%ADD11C,1X*%\n",
             "D5*\nX0Y0D03*\nD11*\nX0Y0D03*\nD99*\nX0Y0D02*\nX100Y0D01*\nX0Y0D03*\n"
             "D10*\n%LPC*%\nX0Y0D03*\nX0Y0D02*\nX100Y0D01*\nG36*\nX0Y0D02*\nX1000Y0D01*\n"
             "X1000Y1000D01*\nX0Y0D01*\nG37*\n%LPD*%\nX0Y0D03*\n");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->kind, kPad);
}

TEST(GerberRead, RegionsBecomeZonesWithTheirArcsAndSeveralContours) {
  const ObjectList objects =
      readMm("",
             "G36*\nX0Y0D02*\nX100000Y0D01*\nX100000Y100000D01*\nX0Y0D01*\n"
             "X200000Y0D02*\nX300000Y0D01*\nX300000Y100000D01*\nX200000Y0D01*\nG37*\n"
             "G36*\nG75*\nX0Y0D02*\nG03X0Y0I50000J0D01*\nG37*\n"
             "G36*\nX0Y0D02*\nX100Y0D01*\nG37*\n");
  ASSERT_EQ(objects.size(), 3u);  // the two-point region is dropped
  EXPECT_EQ(objects[0]->points.size(), 3u);
  EXPECT_EQ(objects[1]->points.size(), 3u);
  EXPECT_FLOAT_EQ(objects[1]->points[0].x, 200000);
  // The full circle of the third region is traced, not left as its start point.
  EXPECT_GT(objects[2]->points.size(), 36u);
  double farthest = 0;
  for (const FPoint& p : objects[2]->points) farthest = std::max<double>(farthest, p.x);
  EXPECT_NEAR(farthest, 100000, 1);
}

TEST(GerberRead, ArcsInBothQuadrantModes) {
  struct ArcCase {
    const char* body;
    int start;
    int stop;
  };
  // A quarter arc from (10,0) to (0,10) around the origin, width 1 mm, radius 10 mm.
  // clang-format off
  const ArcCase cases[] = {
    {"G75*\nX100000Y0D02*\nG03X0Y100000I-100000J0D01*\n", 0, 90000},
    {"G74*\nX100000Y0D02*\nG03X0Y100000I100000J0D01*\n", 0, 90000},
    {"G74*\nX0Y100000D02*\nG02X100000Y0I0J100000D01*\n", 0, 90000},   // clockwise: mirrored signs
    {"G74*\nX-100000Y0D02*\nG02X0Y100000I100000J0D01*\n", 90000, 180000},
    {"G74*\nX0Y-100000D02*\nG03X100000Y0I0J100000D01*\n", 270000, 0},
  };
  // clang-format on
  for (const ArcCase& c : cases) {
    SCOPED_TRACE(c.body);
    const ObjectList objects = readMm("%ADD10C,1*%\n", std::string("D10*\n") + c.body);
    ASSERT_EQ(objects.size(), 1u);
    const TObjekt& arc = *objects[0];
    EXPECT_EQ(arc.kind, kCircle);
    EXPECT_NEAR(arc.pos.x, 0, 1);
    EXPECT_NEAR(arc.pos.y, 0, 1);
    EXPECT_FLOAT_EQ(arc.dim.x, 105000);
    EXPECT_FLOAT_EQ(arc.dim.y, 95000);
    EXPECT_EQ(arc.paramA, c.start);
    EXPECT_EQ(arc.width, c.stop);
  }
}

TEST(GerberRead, ALoneDirectionCodeOnlySetsTheModeAndWideArcsKeepAnInnerRadiusOfZero) {
  const ObjectList objects = readMm("%ADD10C,3*%\n",
                                    "D10*\nG75*\nX10000Y0D02*\nG02*\nG03*\nX0Y0D02*\n"
                                    "X10000Y0D02*\nG03X0Y10000I-10000J0D01*\n");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_FLOAT_EQ(objects[0]->dim.x, 25000);
  EXPECT_FLOAT_EQ(objects[0]->dim.y, 0);
}

TEST(GerberRead, ClearPolarityArcStillBecomesACircle) {
  const ObjectList objects =
      readMm("%ADD10C,1*%\n", "D10*\n%LPC*%\nG75*\nX10000Y0D02*\nG03X10000Y0I-10000J0D01*\n");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->kind, kCircle);
  EXPECT_EQ(objects[0]->paramA, 0);
  EXPECT_EQ(objects[0]->width, 0);
}

TEST(GerberRead, MacroPrimitivesWithExpressions) {
  const std::string macros =
      "%AMBOX*0 a comment, with a comma*$3=$1x2+$2*21,1,$3,$2,0,0,0*1,0,$1,0,0*%\n"
      "%AMSHAPES*1,1,$1,0,0*20,1,0.2,0,0,2,0,0*22,1,1,1,-3,-3,0*4,1,3,0,0,1,0,1,1,0,0,0*"
      "5,1,6,0,0,2,0*7,0,0,1,0.5,0.1,0*%\n"
      "%AMMOIRE*6,0,0,10,0.5,0.5,1000,0.1,12,0*%\n"
      "%AMROT*21,1,2,1,0,0,90*%\n";
  const ObjectList objects = readMm(macros +
                                        "%ADD10BOX,1X0.5*%\n%ADD11SHAPES,1*%\n"
                                        "%ADD12MOIRE*%\n%ADD13ROT*%\n",
                                    "D10*\nX0Y0D03*\nD11*\nX0Y0D03*\nD12*\nX0Y0D03*\n"
                                    "D13*\nX0Y0D03*\n");
  ASSERT_GE(objects.size(), 1u);
  // BOX: width 1 x 2 + 0.5 = 2.5 mm, height 0.5 mm; the exposure-off circle is left out.
  const TObjekt& box = *objects[0];
  ASSERT_EQ(box.kind, kZone);
  ASSERT_EQ(box.points.size(), 4u);
  EXPECT_FLOAT_EQ(box.points[1].x - box.points[0].x, 25000);
  EXPECT_FLOAT_EQ(box.points[2].y - box.points[1].y, 5000);
  // SHAPES: a circle, a line, a lower-left rectangle, an outline, a hexagon; the thermal makes
  // nothing.
  ASSERT_GE(objects.size(), 6u);
  EXPECT_EQ(objects[1]->kind, kCircle);
  EXPECT_FLOAT_EQ(objects[1]->dim.x, 5000);
  EXPECT_EQ(objects[2]->kind, kTrack);
  EXPECT_EQ(objects[2]->width, 2000);
  EXPECT_EQ(objects[3]->kind, kZone);
  EXPECT_FLOAT_EQ(objects[3]->points[0].x, -30000);
  EXPECT_EQ(objects[4]->kind, kZone);
  EXPECT_EQ(objects[4]->points.size(), 3u);  // the closing point is dropped by the clean-up
  EXPECT_EQ(objects[5]->kind, kZone);
  EXPECT_EQ(objects[5]->points.size(), 6u);
  // MOIRE: the ring count is capped and stops at radius 0: rings every 1 mm from a radius of 5 mm,
  // and 2 crosshairs.
  int rings = 0;
  int crosshairs = 0;
  std::size_t k = 6;
  for (; k < objects.size() && (objects[k]->kind == kCircle || objects[k]->kind == kTrack); ++k) {
    rings += objects[k]->kind == kCircle;
    crosshairs += objects[k]->kind == kTrack;
    if (crosshairs == 2) break;
  }
  EXPECT_EQ(rings, 5);
  EXPECT_EQ(crosshairs, 2);
  // ROT: a 2 x 1 mm rectangle turned by 90 degrees stands upright.
  const TObjekt& turned = *objects.back();
  ASSERT_EQ(turned.kind, kZone);
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (const FPoint& p : turned.points) {
    minX = std::min<double>(minX, p.x);
    maxX = std::max<double>(maxX, p.x);
    minY = std::min<double>(minY, p.y);
    maxY = std::max<double>(maxY, p.y);
  }
  EXPECT_NEAR(maxX - minX, 10000, 1);
  EXPECT_NEAR(maxY - minY, 20000, 1);
}

TEST(GerberRead, RegularOctagonRegionBecomesAnOctagonPad) {
  // The outline of an octagon pad of outer radius 1 mm as the export writes it.
  TObjekt pad = newObject();
  initPad(pad, {50000, 50000}, kLayerC1, kPadOctagon, 0, 10000);
  std::string body = "G36*\n";
  for (std::size_t i = 0; i <= pad.points.size(); ++i) {
    const FPoint& p = pad.points[i % pad.points.size()];
    body += "X" + std::to_string(static_cast<long>(p.x)) + "Y" +
            std::to_string(static_cast<long>(p.y)) + (i == 0 ? "D02*\n" : "D01*\n");
  }
  body += "G37*\n";
  const ObjectList objects = readMm("", body);
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->kind, kPad);
  EXPECT_EQ(objects[0]->variant, kPadOctagon);
  EXPECT_NEAR(objects[0]->dim.x, 10000, 10);
  EXPECT_NEAR(objects[0]->pos.x, 50000, 1);
  EXPECT_EQ(objects[0]->points, pad.points);
}

TEST(GerberRead, FilesAtTheSizeLimitAreRefused) {
  const std::string big(kGerberFileLimit, '\n');
  EXPECT_THROW(readGerber(big, kLayerC1, {}), ImportError);
}

TEST(GerberRead, WithoutFormatStatementTheDefaultsApply) {
  GerberDefaults defaults;
  defaults.integerDigits = 2;
  defaults.decimalDigits = 3;
  defaults.inch = false;
  const ObjectList objects =
      readGerber("%ADD10C,1*%\nD10*\nX1500Y0D03*\nM02*\n", kLayerC2, defaults);
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_FLOAT_EQ(objects[0]->pos.x, 15000);
  EXPECT_EQ(objects[0]->layer, kLayerC2);
}

}  // namespace
}  // namespace pravelo
