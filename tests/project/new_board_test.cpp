#include "project/new_board.h"

#include <gtest/gtest.h>

#include "project/boards.h"

namespace pravelo {
namespace {

// A fresh document holding the board the dialog asked for, as the caller builds it.
Document boardFor(const NewBoardValues& values, bool originAtTop) {
  Document doc;
  const BoardSize size = newBoardSize(values);
  addBoard(doc, values.name, size.width, size.height, originAtTop);
  drawBoardOutline(doc, values, originAtTop);
  return doc;
}

TEST(NewBoard, RectangularOutlineIsAClosedTrackAtTheMargin) {
  NewBoardValues values;
  values.mode = NewBoardMode::Rectangular;
  EXPECT_EQ(newBoardSize(values), (BoardSize{2000000, 1400000}));
  for (bool originAtTop : {false, true}) {
    Document doc = boardFor(values, originAtTop);
    const Board& board = activeBoard(doc);
    ASSERT_EQ(board.objects.size(), 1u);
    const TObjekt& track = *board.objects[0];
    EXPECT_EQ(track.kind, kTrack);
    EXPECT_EQ(track.layer, kLayerO);
    EXPECT_EQ(track.width, 0);
    EXPECT_EQ(track.clearance, 0);
    const std::vector<FPoint> expected = {{200000, -200000},
                                          {1800000, -200000},
                                          {1800000, -1200000},
                                          {200000, -1200000},
                                          {200000, -200000}};
    EXPECT_EQ(track.points, expected);
    EXPECT_EQ(board.header.originX, 200000);
    EXPECT_EQ(board.header.originY, originAtTop ? -200000 : -1200000);
  }
}

TEST(NewBoard, RoundOutlineIsAFullCircleOfZeroWidth) {
  NewBoardValues values;
  values.mode = NewBoardMode::Round;
  EXPECT_EQ(newBoardSize(values), (BoardSize{1400000, 1400000}));
  for (bool originAtTop : {false, true}) {
    Document doc = boardFor(values, originAtTop);
    const Board& board = activeBoard(doc);
    ASSERT_EQ(board.objects.size(), 1u);
    const TObjekt& circle = *board.objects[0];
    EXPECT_EQ(circle.kind, kCircle);
    EXPECT_EQ(circle.layer, kLayerO);
    EXPECT_EQ(circle.pos, (FPoint{700000, -700000}));
    EXPECT_EQ(circle.dim, (FPoint{500000, 500000}));
    EXPECT_EQ(circle.clearance, 0);
    EXPECT_EQ(board.header.originX, 200000);
    EXPECT_EQ(board.header.originY, originAtTop ? -200000 : -1200000);
  }
}

TEST(NewBoard, EmptyModeDrawsNothingAndKeepsTheNewBoardsOrigin) {
  NewBoardValues values;
  values.emptyWidth = 123.456;
  EXPECT_EQ(newBoardSize(values), (BoardSize{1234560, 1000000}));
  Document doc = boardFor(values, false);
  EXPECT_TRUE(activeBoard(doc).objects.empty());
  EXPECT_EQ(activeBoard(doc).header.originY, -1000000);
}

TEST(NewBoard, ZeroMarginPutsTheOutlineOnTheEdge) {
  NewBoardValues values;
  values.mode = NewBoardMode::Rectangular;
  values.rectMargin = 0;
  Document doc = boardFor(values, false);
  EXPECT_EQ(activeBoard(doc).objects[0]->points.front(), (FPoint{0, 0}));
  EXPECT_EQ(activeBoard(doc).header.originY, -1000000);
}

TEST(NewBoard, OutlineModesRefuseMoreThan500Millimetres) {
  struct Case {
    NewBoardMode mode;
    double width, height, diameter, margin;
    bool acceptable;
  };
  // clang-format off
  const Case cases[] = {
      {NewBoardMode::Rectangular, 480, 100, 100, 20, false},  // 520 mm wide
      {NewBoardMode::Rectangular, 100, 480, 100, 20, false},  // 520 mm high
      {NewBoardMode::Rectangular, 460, 460, 100, 20, true},   // exactly 500 mm
      {NewBoardMode::Round,       100, 100, 470, 20, false},
      {NewBoardMode::Round,       100, 100, 460, 20, true},
      {NewBoardMode::Empty,       480, 480, 480, 99, true},   // outline fields do not count
  };
  // clang-format on
  for (const Case& c : cases) {
    NewBoardValues values;
    values.mode = c.mode;
    values.rectWidth = c.width;
    values.rectHeight = c.height;
    values.rectMargin = c.margin;
    values.roundDiameter = c.diameter;
    values.roundMargin = c.margin;
    EXPECT_EQ(newBoardAcceptable(values), c.acceptable)
        << static_cast<int>(c.mode) << " " << c.width << " " << c.height << " " << c.diameter;
  }
}

}  // namespace
}  // namespace pravelo
