#include "manufacturing/excellon_file.h"

#include <gtest/gtest.h>

#include "document/layout_file.h"
#include "manufacturing/drill_board.h"

namespace pravelo {
namespace {

using testing::DrillBoard;

ExcellonOptions withFormat(ExcellonFormat format, bool deleteLeadingZeros, bool decimalPoint) {
  ExcellonOptions o;
  o.format = format;
  o.deleteLeadingZeros = deleteLeadingZeros;
  o.decimalPoint = decimalPoint;
  return o;
}

struct NumberCase {
  double units;
  ExcellonFormat format;
  bool deleteLeadingZeros;
  bool decimalPoint;
  const char* written;
};

class ExcellonNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ExcellonNumber, IsWrittenInTheChosenDigitsAndZeros) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(excellonNumber(c.units, withFormat(c.format, c.deleteLeadingZeros, c.decimalPoint)),
            c.written);
}

using F = ExcellonFormat;
// clang-format off
INSTANTIATE_TEST_SUITE_P(ExcellonFile, ExcellonNumber, ::testing::Values(
    NumberCase{123450, F::Mm33, false, false, "012345"},
    NumberCase{123450, F::Mm33, true, false, "12345"},
    NumberCase{123450, F::Mm33, false, true, "012.345"},
    NumberCase{123450, F::Mm33, true, true, "12.345"},
    NumberCase{123450, F::Mm32, false, false, "01234"},   // 1234.5 hundredths, half to even
    NumberCase{123550, F::Mm32, false, false, "01236"},
    NumberCase{123450, F::Mm32, true, true, "12.34"},
    NumberCase{254000, F::Inch24, false, false, "010000"},
    NumberCase{254000, F::Inch24, true, false, "10000"},
    NumberCase{254000, F::Inch24, true, true, "1.0000"},
    NumberCase{8000, F::Inch24, false, false, "000315"},
    NumberCase{0, F::Mm33, false, false, "000000"},
    NumberCase{0, F::Mm33, true, false, "0"},
    NumberCase{0, F::Mm33, true, true, "0.000"},
    NumberCase{-12345, F::Mm33, false, false, "-001234"},
    NumberCase{-12345, F::Mm33, true, false, "-1234"},
    NumberCase{-5000, F::Inch24, true, true, "-0.0197"}));
// clang-format on

DrillBoard smallBoard() {
  DrillBoard b(1000000, 800000);
  b.pad({100000, -700000}, 9000, 5000);
  b.pad({123450, -790000}, 9000, 4000).via = 1;
  b.pad({500000, -400000}, 9000, 4000);
  return b;
}

TEST(ExcellonFile, MillimetreFileHasHeaderToolTableAndHolesPerTool) {
  const DrillBoard b = smallBoard();
  ExcellonOptions o = withFormat(ExcellonFormat::Mm33, false, false);
  EXPECT_EQ(drillFileText(b.board, o, "2026-12-10 10:00:00"),
            "M48\r\n"
            ";DRILL file {Pravelo-Board 6.0} date 2026-12-10 10:00:00\r\n"
            ";FILE_FORMAT=3:3\r\n"
            "METRIC,LZ\r\n"
            "T1C0.800\r\n"
            "T2C1.000\r\n"
            "%\r\n"
            "G90\r\n"
            "T1\r\n"
            "X012345Y001000\r\n"
            "X050000Y040000\r\n"
            "T2\r\n"
            "X010000Y010000\r\n"
            "M30\r\n");
}

TEST(ExcellonFile, InchFileWithEveryHeaderOptionSwitched) {
  const DrillBoard b = smallBoard();
  ExcellonOptions o = withFormat(ExcellonFormat::Inch24, true, false);
  o.m71 = true;
  o.noG90 = true;
  o.noComments = true;
  o.selection.vias = false;
  EXPECT_EQ(drillFileText(b.board, o, "x"),
            "M48\r\nM72\r\nT1C0.0315\r\nT2C0.0394\r\n%\r\n"
            "T1\r\nX19685Y15748\r\nT2\r\nX3937Y3937\r\nM30\r\n");
  o.format = ExcellonFormat::Mm32;
  EXPECT_EQ(drillFileText(b.board, o, "x").substr(0, 10), "M48\r\nM71\r\n");
  o.m71 = false;
  EXPECT_EQ(drillFileText(b.board, o, "x").substr(0, 16), "M48\r\nMETRIC,TZ\r\n");
}

struct SideCase {
  DrillSide side;
  bool camOrigin;
  FPoint file;  // where the hole at (100000, -700000) goes
};

class DrillSides : public ::testing::TestWithParam<SideCase> {};

// Board 1,000,000 wide and 800,000 high, user origin at (200000, -600000); the milling extent
// spans x 50000 .. 900000 (the pads' copper without clearance, here given by two outline pads).
TEST_P(DrillSides, MoveToTheOriginAndMirrorAboutTheChosenAxis) {
  DrillBoard b(1000000, 800000);
  b.board.header.originX = 200000;
  b.board.header.originY = -600000;
  b.pad({100000, -700000}, 9000, 5000);
  b.pad({59000, -100000}, 9000, 0, kLayerO).clearance = 0;
  b.pad({891000, -100000}, 9000, 0, kLayerO).clearance = 0;
  b.board.objects[0]->clearance = 0;
  const DrillTransform t = drillTransform(b.board, GetParam().side, GetParam().camOrigin);
  const FilePoint p = toFile(t, b.board.objects[0]->pos);
  EXPECT_DOUBLE_EQ(p.x, GetParam().file.x);
  EXPECT_DOUBLE_EQ(p.y, GetParam().file.y);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ExcellonFile, DrillSides, ::testing::Values(
    SideCase{DrillSide::Top, false, {100000, 100000}},
    SideCase{DrillSide::Top, true, {-100000, -100000}},
    SideCase{DrillSide::BottomGerber, false, {900000, 100000}},
    SideCase{DrillSide::BottomGerber, true, {100000, -100000}},
    SideCase{DrillSide::BottomMilling, false, {850000, 100000}},
    SideCase{DrillSide::BottomMilling, true, {650000, -100000}}));
// clang-format on

TEST(ExcellonFile, OptionsRoundTripThroughTheSettings) {
  ExcellonSettings s;
  ExcellonOptions o = excellonOptions(s);
  EXPECT_EQ(o.format, ExcellonFormat::Inch24);
  o.format = ExcellonFormat::Mm33;
  o.deleteLeadingZeros = o.decimalPoint = o.m71 = o.noG90 = o.noComments = true;
  storeExcellonOptions(o, s);
  EXPECT_EQ(s, (ExcellonSettings{false, true, false, true, true, true, true, true}));
  const ExcellonOptions back = excellonOptions(s);
  EXPECT_EQ(back.format, ExcellonFormat::Mm33);
  EXPECT_TRUE(back.deleteLeadingZeros && back.decimalPoint && back.m71 && back.noG90 &&
              back.noComments);
}

TEST(ExcellonFile, ExportLeavesTheSavedBoardByteIdentical) {
  Document doc;
  DrillBoard b = smallBoard();
  b.board.header.originX = 20000;
  doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
  doc.activeBoard = 0;
  const std::string before = writeLayout(doc);
  for (DrillSide side : {DrillSide::Top, DrillSide::BottomGerber, DrillSide::BottomMilling}) {
    ExcellonOptions o;
    o.side = side;
    ASSERT_FALSE(drillFileText(*doc.boards[0], o, "x").empty());
  }
  EXPECT_EQ(writeLayout(doc), before);
}

}  // namespace
}  // namespace pravelo
