#include "manufacturing/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "manufacturing/pdf_file.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

constexpr Rgb kPrintTestWhite{255, 255, 255};

// A 100 mm x 60 mm board.
Board printBoard() {
  Board board;
  board.header = newBoardHeader(1000000, 600000);
  return board;
}

PrintOptions printTestOptions() {
  PrintOptions o;
  applyPrintSettings(PrintSettings{}, o);
  o.offsetXMm = 0;
  o.offsetYMm = 0;
  return o;
}

struct PageBox {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

PageBox boxOf(const std::vector<DPoint>& points) {
  PageBox b;
  for (const DPoint& p : points) {
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.top = std::min(b.top, p.y);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

std::vector<PageBox> clipBoxes(const PrintPage& page) {
  std::vector<PageBox> boxes;
  for (const PrintItem& item : page.items) {
    if (item.kind == PrintItem::Kind::ClipBegin) boxes.push_back(boxOf(item.shape.points));
  }
  return boxes;
}

// Shapes filled over the whole board rectangle of the first image, by colour.
std::vector<Rgb> boardFills(const PrintPage& page) {
  const PageBox board = clipBoxes(page).at(0);
  std::vector<Rgb> fills;
  for (const PrintItem& item : page.items) {
    if (item.kind != PrintItem::Kind::Shape || item.shape.width != 0 ||
        item.shape.points.size() != 4) {
      continue;
    }
    const PageBox b = boxOf(item.shape.points);
    if (std::abs(b.left - board.left) < 1e-6 && std::abs(b.right - board.right) < 1e-6 &&
        std::abs(b.bottom - board.bottom) < 1e-6) {
      fills.push_back(item.shape.colour);
    }
  }
  return fills;
}

TEST(PrintLayout, ScaleAndCalibrationStretchTheBoard) {
  const Board board = printBoard();
  struct Case {
    double scale, fx, fy, width, height;
  };
  // clang-format off
  const Case cases[] = {
      {1,   1,   1,   100, 60},
      {1,   1.1, 1,   110, 60},
      {1,   1,   0.9, 100, 54},
      {0.1, 1,   1,   10,  6},
      {5,   1,   1,   500, 300},
  };
  // clang-format on
  for (const Case& c : cases) {
    PrintOptions o = printTestOptions();
    o.scale = c.scale;
    o.factorX = c.fx;
    o.factorY = c.fy;
    const PageBox b = clipBoxes(composePrintPage(board, o)).at(0);
    EXPECT_NEAR(b.right - b.left, c.width, 1e-9) << c.scale << " " << c.fx;
    EXPECT_NEAR(b.bottom - b.top, c.height, 1e-9);
  }
  EXPECT_TRUE(validPrintFactor(0.8) && validPrintFactor(1.2));
  EXPECT_FALSE(validPrintFactor(0.79) || validPrintFactor(1.21));
}

TEST(PrintLayout, TilesAndDualImagesArePlacedByBoardSizeSpacingAndGap) {
  const Board board = printBoard();
  PrintOptions o = printTestOptions();
  o.tilesX = 3;
  o.tilesY = 2;
  o.tileSpacing = 50000;
  const std::vector<PageBox> tiles = clipBoxes(composePrintPage(board, o));
  ASSERT_EQ(tiles.size(), 6u);
  EXPECT_NEAR(tiles[2].left, 2 * 105, 1e-9);
  EXPECT_NEAR(tiles[5].top, 65, 1e-9);

  o.tilesX = 2;
  o.tilesY = 1;
  o.arrangement = PrintArrangement::SideBySide;
  const std::vector<PageBox> beside = clipBoxes(composePrintPage(board, o));
  ASSERT_EQ(beside.size(), 4u);
  // Tile 1: images at 0 and 110; tile 2 moves by board + spacing + board + gap.
  EXPECT_NEAR(beside[1].left, 110, 1e-9);
  EXPECT_NEAR(beside[2].left, 105 + 110, 1e-9);

  o.arrangement = PrintArrangement::BelowEachOther;
  o.tilesX = 1;
  const std::vector<PageBox> below = clipBoxes(composePrintPage(board, o));
  ASSERT_EQ(below.size(), 2u);
  EXPECT_NEAR(below[1].top, 70, 1e-9);
}

TEST(PrintLayout, OnlyTheTopmostGroundPlaneOfTheListIsPrinted) {
  Board board = printBoard();
  board.header.groundPlane[kLayerC1 - 1] = 1;
  board.header.groundPlane[kLayerC2 - 1] = 1;
  PrintOptions o = printTestOptions();
  o.colours[kLayerC1 - 1] = {1, 0, 0};
  o.colours[kLayerC2 - 1] = {2, 0, 0};
  EXPECT_EQ(boardFills(composePrintPage(board, o)), std::vector<Rgb>{o.colours[kLayerC1 - 1]});
  o.arrangement = PrintArrangement::Bottom;
  EXPECT_EQ(boardFills(composePrintPage(board, o)), std::vector<Rgb>{o.colours[kLayerC2 - 1]});
  // A negative fills the board in the colour and prints the plane's copper white over it.
  o.arrangement = PrintArrangement::Top;
  o.negative = true;
  EXPECT_EQ(boardFills(composePrintPage(board, o)),
            (std::vector<Rgb>{o.colours[kLayerC1 - 1], kPrintTestWhite}));
}

TEST(PrintLayout, MirrorPutsObjectsAtTheMirroredPlaceAndNegativeCopperIsWhite) {
  Board board = printBoard();
  testing::add(board, testing::strokeTrack(100000, -300000, 200000, -300000, kLayerC1));
  PrintOptions o = printTestOptions();
  const auto trackOf = [&](const PrintOptions& options) {
    for (const PrintItem& item : composePrintPage(board, options).items) {
      if (item.kind == PrintItem::Kind::Shape && item.shape.width > 0) return item.shape;
    }
    return VectorShape{};
  };
  EXPECT_NEAR(boxOf(trackOf(o).points).left, 10, 1e-9);
  EXPECT_EQ(trackOf(o).colour, o.colours[kLayerC1 - 1]);
  o.mirror = true;
  o.negative = true;
  EXPECT_NEAR(boxOf(trackOf(o).points).left, 80, 1e-9);
  EXPECT_EQ(trackOf(o).colour, kPrintTestWhite);
  o.negative = false;
  o.blackWhite = true;
  EXPECT_EQ(trackOf(o).colour, (Rgb{0, 0, 0}));
}

TEST(PrintLayout, HolesAndTheDrillPlanUseTheDocumentsDiameters) {
  Board board = printBoard();
  TObjekt pad = newObject();
  initPad(pad, {200000, -200000}, kLayerC1, kPadCircular, 4000, 9000);  // 0.8 mm hole
  testing::add(board, pad);
  TObjekt bare = newObject();
  initPad(bare, {600000, -200000}, kLayerC1, kPadCircular, 15000, 15000);  // 3 mm bare hole
  testing::add(board, bare);
  PrintOptions o = printTestOptions();
  o.drillPlan = true;
  std::vector<std::string> labels;
  int whiteDiscs = 0;
  int crossLines = 0;
  for (bool mil : {false, true}) {
    o.drillTextInMil = mil;
    for (const PrintItem& item : composePrintPage(board, o).items) {
      if (item.kind == PrintItem::Kind::Text) labels.push_back(item.text);
      if (mil || item.kind != PrintItem::Kind::Shape) continue;
      const PageBox b = boxOf(item.shape.points);
      if (item.shape.colour == kPrintTestWhite && std::abs(b.right - b.left - 0.8) < 0.01) {
        ++whiteDiscs;
      }
      if (item.shape.points.size() == 2 && b.left > 58 && b.right < 62) ++crossLines;
    }
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"0.80", "3.00", "31.5", "118.1"}));
  EXPECT_EQ(whiteDiscs, 1);
  EXPECT_EQ(crossLines, 4) << "the bare hole's cross and its drill plan marker";
}

TEST(PrintLayout, StoredSettingsGiveColoursAndTheOthersMaskOffsetOfTheOptionsDialog) {
  PrintOptions o;
  applyPrintSettings(PrintSettings{}, o);
  EXPECT_EQ(o.colours[kLayerS1 - 1], (Rgb{255, 0, 0}));
  EXPECT_EQ(o.colours[kLayerI1 - 1], (Rgb{0, 128, 128}));
  EXPECT_EQ(o.colours[kLayerO - 1], (Rgb{0, 255, 0}));
  EXPECT_EQ(o.maskOffsetOthers, 1000) << "0.10 mm";
}

TEST(PrintLayout, TheBoardDecidesWhichLayersCanBePrinted) {
  Board board = printBoard();
  testing::add(board, testing::strokeTrack(0, 0, 10000, 0, kLayerS1));
  testing::add(board, testing::strokeTrack(0, 0, 10000, 0, kLayerI1));
  TObjekt pad = newObject();
  initPad(pad, {200000, -200000}, kLayerC1, kPadCircular, 4000, 9000);
  testing::add(board, pad);
  const std::array<bool, 10> expected{true,  true,  false, false, false,
                                      false, false, true,  false, true};
  EXPECT_EQ(printableLayers(board), expected);
  board.header.multilayer = 1;
  EXPECT_TRUE(printableLayers(board)[kLayerI1 - 1]);
}

TEST(PrintLayout, CentreUsesTheWholeAreaWithAnOutlineElseWhatIsDrawn) {
  Board board = printBoard();
  testing::add(board, testing::strokeTrack(100000, -300000, 300000, -300000, kLayerC1));
  board.objects.back()->width = 20000;  // 2 mm: the track covers 9 .. 31 mm, 29 .. 31 mm
  PrintOptions o = printTestOptions();
  const DPoint drawn = centredPrintOffset(board, o);
  EXPECT_NEAR(drawn.x, (210 - 22) / 2.0 - 9, 1e-6);
  EXPECT_NEAR(drawn.y, (297 - 2) / 2.0 - 29, 1e-6);
  o.outline = true;
  o.tilesX = 2;
  const DPoint whole = centredPrintOffset(board, o);
  EXPECT_NEAR(whole.x, (210 - 200) / 2.0, 1e-6);
  EXPECT_NEAR(whole.y, (297 - 60) / 2.0, 1e-6);
}

TEST(PrintLayout, InfoLineShowsTitleScaleAndDateAtTheBottom) {
  PrintPage page;
  addPrintInfoLine(page, "board.pvb6 [Main]", 0.1, "10.12.2026 14:41");
  ASSERT_EQ(page.items.size(), 3u);
  EXPECT_EQ(page.items[1].text, "board.pvb6 [Main] - 10 %");
  EXPECT_EQ(page.items[2].text, "10.12.2026 14:41");
  EXPECT_NEAR(boxOf(page.items[0].shape.points).top,
              297 - 297 / 60.0 + page.items[0].shape.width / 2, 1e-9);
  EXPECT_LT(page.items[2].at.x + printTextWidthEm("10.12.2026 14:41") * page.items[2].height, 210);
}

TEST(PdfFile, CrossReferencesPointAtTheirObjects) {
  PrintOptions o = printTestOptions();
  o.outline = true;
  const std::string pdf = pdfFileBytes(composePrintPage(printBoard(), o));
  ASSERT_EQ(pdf.substr(0, 8), "%PDF-1.4");
  const std::size_t startxref = pdf.rfind("startxref\n");
  const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
  ASSERT_EQ(pdf.substr(xref, 5), "xref\n");
  for (int object = 1; object <= 5; ++object) {
    const std::size_t offset = std::stoul(pdf.substr(xref + 10 + 20 * object, 10));
    EXPECT_EQ(pdf.substr(offset, std::to_string(object).size() + 6),
              std::to_string(object) + " 0 obj");
  }
  EXPECT_NE(pdf.find("/MediaBox [0 0 595 842]"), std::string::npos);
}

}  // namespace
}  // namespace pravelo
