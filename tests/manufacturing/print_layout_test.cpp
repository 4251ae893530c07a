#include "manufacturing/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "manufacturing/pdf_file.h"
#include "support/file_bytes.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

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
  o.colours[kLayerC2 - 1] = {0x12, 0x34, 0x56};
  o.colours[9] = {1, 2, 3};
  o.maskOffsetSmdPads = -500;
  PrintSettings stored;
  storePrintSettings(o, stored);
  EXPECT_EQ(stored.K2, 0x563412) << "65536 blue + 256 green + red";
  EXPECT_EQ(stored.BP, 0x030201);
  EXPECT_EQ(stored.LS_SMD, -500);
  PrintOptions again;
  applyPrintSettings(stored, again);
  EXPECT_EQ(again.colours, o.colours);
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

std::shared_ptr<const ScanPicture> printScan(int width, int height, bool monochrome = false) {
  auto picture = std::make_shared<ScanPicture>();
  picture->width = width;
  picture->height = height;
  picture->monochrome = monochrome;
  picture->rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
  return picture;
}

// The pictures of `page` (which must outlive the result) in order, and for each the number of
// shapes drawn before it since its image's clip began.
std::vector<std::pair<const PrintItem*, int>> pagePictures(const PrintPage& page) {
  std::vector<std::pair<const PrintItem*, int>> pictures;
  int shapes = 0;
  for (const PrintItem& item : page.items) {
    if (item.kind == PrintItem::Kind::ClipBegin) shapes = 0;
    if (item.kind == PrintItem::Kind::Shape) ++shapes;
    if (item.kind == PrintItem::Kind::Picture) pictures.push_back({&item, shapes});
  }
  return pictures;
}

// Each pixel measures 25.4 / dpi mm; the offsets in tenths of a millimetre place the top-left
// corner from the board's top-left corner, and mirroring turns the picture round.
TEST(PrintLayout, TheScannedCopyLiesAtItsRealSizeAndPlace) {
  Board board = printBoard();
  board.header.templateDpi[0] = 254;  // 0.1 mm a pixel
  board.header.templateOffsetX[0] = 100;
  board.header.templateOffsetY[0] = 50;
  const PrintTemplates templates{printScan(20, 10), nullptr};
  PrintOptions o = printTestOptions();
  EXPECT_TRUE(pagePictures(composePrintPage(board, o, templates)).empty()) << "not asked for";
  o.scannedCopy = true;
  struct Case {
    bool mirror;
    double scale;
    std::vector<DPoint> corners;
  };
  // clang-format off
  const Case cases[] = {
      {false, 1,   {{10, 5}, {12, 5}, {10, 6}}},
      {true,  1,   {{90, 5}, {88, 5}, {90, 6}}},
      {false, 0.5, {{5, 2.5}, {6, 2.5}, {5, 3}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    o.mirror = c.mirror;
    o.scale = c.scale;
    const PrintPage page = composePrintPage(board, o, templates);
    const auto pictures = pagePictures(page);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].first->picture, templates[0]);
    ASSERT_EQ(pictures[0].first->shape.points.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(pictures[0].first->shape.points[i].x, c.corners[i].x, 1e-9) << c.mirror << i;
      EXPECT_NEAR(pictures[0].first->shape.points[i].y, c.corners[i].y, 1e-9) << c.mirror << i;
    }
  }
}

// Which side's copy is printed and where it goes among the fills: over a ground plane's fill
// before its clearances, over a negative's fill, else under everything.
TEST(PrintLayout, TheScannedCopyOfTheRightSideGoesOverTheFillOfItsLayer) {
  const PrintTemplates templates{printScan(4, 4), printScan(4, 4, true)};
  struct Case {
    const char* name;
    PrintArrangement arrangement;
    int planeLayer;
    bool negative;
    std::vector<int> unchecked;
    std::vector<std::pair<int, int>> expected;  // side, shapes before it, per image
  };
  // clang-format off
  const Case cases[] = {
      {"top",               PrintArrangement::Top,            0,        false, {},        {{1, 0}}},
      {"bottom",            PrintArrangement::Bottom,         0,        false, {},        {{2, 0}}},
      {"C1 unchecked",      PrintArrangement::Top,            0,        false, {kLayerC1}, {{2, 0}}},
      {"no outer copper",   PrintArrangement::Top,            0,        false, {kLayerC1, kLayerC2}, {}},
      {"plane on C1",       PrintArrangement::Top,            kLayerC1, false, {},        {{1, 1}}},
      {"plane on C2 below", PrintArrangement::Bottom,         kLayerC2, false, {},        {{2, 1}}},
      {"plane on I1",       PrintArrangement::Top,            kLayerI1, false, {kLayerI2}, {}},
      {"negative",          PrintArrangement::Top,            0,        true,  {},        {{1, 1}}},
      {"negative plane",    PrintArrangement::Top,            kLayerC1, true,  {},        {{1, 2}}},
      {"two images",        PrintArrangement::BelowEachOther, 0,        false, {},        {{1, 0}, {2, 0}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Board board = printBoard();
    board.header.multilayer = 1;
    testing::add(board, testing::strokeTrack(100000, -300000, 200000, -300000, kLayerC1));
    if (c.planeLayer) board.header.groundPlane[c.planeLayer - 1] = 1;
    PrintOptions o = printTestOptions();
    o.scannedCopy = true;
    o.arrangement = c.arrangement;
    o.negative = c.negative;
    for (int layer : c.unchecked) o.layers[layer - 1] = false;
    const PrintPage page = composePrintPage(board, o, templates);
    const auto pictures = pagePictures(page);
    ASSERT_EQ(pictures.size(), c.expected.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      EXPECT_EQ(pictures[i].first->picture, templates[c.expected[i].first - 1]);
      EXPECT_EQ(pictures[i].second, c.expected[i].second);
    }
  }
}

TEST(PrintLayout, AMonochromeCopyPrintsInItsTintOrBlack) {
  Board board = printBoard();
  board.header.templateTint[1] = 0xFF0000;  // blue
  PrintOptions o = printTestOptions();
  o.scannedCopy = true;
  o.arrangement = PrintArrangement::Bottom;
  const PrintTemplates templates{nullptr, printScan(4, 4, true)};
  const auto tint = [&] {
    const PrintPage page = composePrintPage(board, o, templates);
    return pagePictures(page).at(0).first->shape.colour;
  };
  EXPECT_EQ(tint(), (Rgb{0, 0, 255}));
  o.blackWhite = true;
  EXPECT_EQ(tint(), (Rgb{0, 0, 0}));
}

TEST(PrintLayout, ScannedCopiesLoadFromTheHeaderAndAMissingOneIsReported) {
  testing::TempFolder folder;
  const std::filesystem::path source =
      std::filesystem::path(PRAVELO_SOURCE_DIR) / "fuzz/corpus/bmp_scan/rgb-24bit.bmp";
  std::filesystem::copy_file(source, folder.path() / "top.bmp");
  BoardHeader header = printBoard().header;
  header.templateFile[0] = "/somewhere/else/top.bmp";  // found by its name beside the layout
  header.templateFile[1] = folder.file("gone.bmp");
  std::vector<std::string> messages;
  const PrintTemplates templates = loadPrintTemplates(header, folder.file("board.pvb6"), messages);
  ASSERT_NE(templates[0], nullptr);
  EXPECT_EQ(templates[0]->width, 5);
  EXPECT_EQ(templates[1], nullptr);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("gone.bmp"), std::string::npos);
  header.templateFile = {};
  messages.clear();
  EXPECT_EQ(loadPrintTemplates(header, folder.file("board.pvb6"), messages), PrintTemplates{});
  EXPECT_TRUE(messages.empty());
}

TEST(PdfFile, CrossReferencesPointAtTheirObjects) {
  PrintOptions o = printTestOptions();
  o.outline = true;
  o.scannedCopy = true;
  o.tilesX = 2;  // the picture twice, its image once
  const PrintTemplates templates{printScan(3, 2), nullptr};
  const std::string pdf = pdfFileBytes(composePrintPage(printBoard(), o, templates));
  ASSERT_EQ(pdf.substr(0, 8), "%PDF-1.4");
  const std::size_t startxref = pdf.rfind("startxref\n");
  const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
  ASSERT_EQ(pdf.substr(xref, 5), "xref\n");
  for (int object = 1; object <= 6; ++object) {
    const std::size_t offset = std::stoul(pdf.substr(xref + 10 + 20 * object, 10));
    EXPECT_EQ(pdf.substr(offset, std::to_string(object).size() + 6),
              std::to_string(object) + " 0 obj");
  }
  EXPECT_NE(pdf.find("/MediaBox [0 0 595 842]"), std::string::npos);
  EXPECT_NE(pdf.find("/XObject << /Im1 6 0 R >>"), std::string::npos);
  EXPECT_EQ(pdf.find("/Im2"), std::string::npos);
  EXPECT_NE(pdf.find("/Width 3 /Height 2 /ColorSpace /DeviceRGB /BitsPerComponent 8"),
            std::string::npos);
}

}  // namespace
}  // namespace pravelo
