#include "manufacturing/pick_place_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/component_board.h"
#include "document/layout_file.h"

namespace pravelo {
namespace {

using testing::ComponentBoard;

struct CoordinateCase {
  double units;
  bool mil;
  int decimals;
  bool strip;
  const char* expected;
};

// clang-format off
const CoordinateCase kCoordinateCases[] = {
  {254000, true, 2, true, "1000"},     // 25.4 mm: a mil is exactly 254 units
  {254000, true, 2, false, "1000.00"},
  {125000, false, 2, false, "12.50"},
  {125000, false, 2, true, "12.5"},
  {10000000, false, 0, true, "1000"},  // no decimal point: no zero is trailing
  {0, false, 0, true, "0"},
  {0, false, 3, true, "0"},
  {12345, false, 4, true, "1.2345"},
  {-4, false, 2, false, "0.00"},       // no minus sign on a zero
  {-381000, true, 1, false, "-1500.0"},
};
// clang-format on

TEST(PickPlaceFile, Coordinates) {
  for (const CoordinateCase& c : kCoordinateCases) {
    PickPlaceOptions o;
    o.mil = c.mil;
    o.decimals = c.decimals;
    o.stripZeros = c.strip;
    EXPECT_EQ(pickPlaceCoordinate(c.units, o), c.expected) << c.units << " " << c.decimals;
  }
}

class PickPlaceFileTest : public ::testing::Test {
 protected:
  PickPlaceFileTest() {
    b.board.header.originX = 100000;
    b.board.header.originY = -700000;
    // R1: SMD, top, with data, centred at (150000, -100000).
    ComponentBoard::usePickPlace(b.part(1, "R1", "4k7"), 90, "0805");
    b.part(2, "R2", "1k");  // SMD, top, no data
    // J1: through-hole on C1 without silkscreen, so on the bottom.
    b.pad(3, {300000, -300000});
    b.label(3, kComponentIdText, "J1", kLayerC1);
  }
  std::vector<std::string> lines(const PickPlaceOptions& o) {
    return pickPlaceLines(pickPlaceRows(b.board), b.board.header, o);
  }
  ComponentBoard b;
  PickPlaceOptions options;
};

TEST_F(PickPlaceFileTest, DefaultColumnsFromTheUserOrigin) {
  EXPECT_EQ(lines(options), (std::vector<std::string>{"1\tR1\t4k7\tTop\t5.00\t60.00\t90",
                                                      "2\tR2\t1k\tTop\t---\t---\t---"}));
}

TEST_F(PickPlaceFileTest, FromTheLowerLeftCornerInMil) {
  options.camOrigin = false;
  options.mil = true;
  options.decimals = 1;
  options.stripZeros = true;
  options.columns = {5};
  // x 150000 units, y -100000 + 800000 units.
  EXPECT_EQ(lines(options)[0], "590.6\t2755.9");
}

TEST_F(PickPlaceFileTest, Filters) {
  struct FilterCase {
    bool smd, th, top, bottom, pickPlaceOnly;
    std::vector<std::string> names;
  };
  const FilterCase cases[] = {
      {true, false, true, true, false, {"R1", "R2"}}, {false, true, true, true, false, {"J1"}},
      {true, true, false, true, false, {"J1"}},       {true, true, true, true, true, {"R1"}},
      {false, false, true, true, false, {}},
  };
  options.columns = {2};
  for (const FilterCase& c : cases) {
    options.smd = c.smd;
    options.throughHole = c.th;
    options.top = c.top;
    options.bottom = c.bottom;
    options.pickPlaceOnly = c.pickPlaceOnly;
    EXPECT_EQ(lines(options), c.names);
  }
}

TEST_F(PickPlaceFileTest, ColumnOrderRunningNumbersAndRotationPrefix) {
  options.columns = {6, 7, 1, 8};
  options.separator = ';';
  options.rotationPrefix = true;
  options.throughHole = true;
  EXPECT_EQ(lines(options), (std::vector<std::string>{"R---;---;1;", "R90;0805;2;", "R---;---;3;"}))
      << "J1 comes first";
}

TEST_F(PickPlaceFileTest, FieldsHoldingTheSeparatorAreQuotedAndTextsAreUtf8) {
  TObjekt* id = b.board.objects[2].get();
  ASSERT_EQ(id->text, "R1");
  id->text = "C1,\"A\"";               // sorts first
  id->component.comment = "100\xB5H";  // Windows-1252 micro sign
  options.separator = ',';
  options.columns = {2, 8};
  EXPECT_EQ(lines(options)[0], "\"C1,\"\"A\"\"\",100\xC2\xB5H");
  options.separator = '\t';
  EXPECT_EQ(lines(options)[0], "C1,\"A\"\t100\xC2\xB5H");
}

TEST_F(PickPlaceFileTest, TheFileHasItsHeaderAndCrLf) {
  options.columns = {1, 5, 2};
  options.smd = false;
  const std::string text = pickPlaceFileText(pickPlaceRows(b.board), b.board.header, options,
                                             "/home/a/amp.pvb6", "2026-12-10 14:00:00");
  EXPECT_EQ(text,
            "* Partlist from file: \"/home/a/amp.pvb6\" / 2026-12-10 14:00:00\r\n"
            "*\r\n"
            "* All coordinates in mm\r\n"
            "*\r\n"
            "* No\tPos-X\tPos-Y\tName\r\n"
            "*\r\n");
  options.columns = {3, 4};
  options.mil = true;
  EXPECT_EQ(pickPlaceFileText(pickPlaceRows(b.board), b.board.header, options, "x", "d"),
            "* Partlist from file: \"x\" / d\r\n*\r\n* Value\tLayer\r\n*\r\n");
}

TEST_F(PickPlaceFileTest, TheBoardStaysByteIdentical) {
  TObjekt* r1 = b.board.objects[2].get();
  r1->component.placeRotation = 33.3;
  r1->component.centreMode = 2;
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
  doc.activeBoard = 0;
  const std::string before = writeLayout(doc);
  EXPECT_FALSE(
      pickPlaceLines(pickPlaceRows(*doc.boards[0]), doc.boards[0]->header, options).empty());
  EXPECT_EQ(writeLayout(doc), before);
}

TEST(PickPlaceOptions, StoredValuesAreChecked) {
  ComponentExportSettings stored;
  stored.columns = {5, 0, 9, 5, 2};
  stored.Delimiter = 'x';
  stored.NK = 7;
  stored.Unit = 1;
  const PickPlaceOptions o = pickPlaceOptions(stored, false);
  EXPECT_EQ(o.columns, (std::vector<int>{5, 2}));
  EXPECT_EQ(o.separator, '\t');
  EXPECT_EQ(o.decimals, 4);
  EXPECT_TRUE(o.mil);
  EXPECT_FALSE(o.camOrigin);
  ComponentExportSettings back;
  storePickPlaceOptions(o, back);
  EXPECT_EQ(pickPlaceOptions(back, false), o);
}

}  // namespace
}  // namespace pravelo
