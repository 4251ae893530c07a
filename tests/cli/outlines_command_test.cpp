#include "cli/outlines_command.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/cli.h"

namespace pravelo {
namespace {

// One board: a track on C1 running through a pad on C1, and a track on S1.
Document outlinesSampleDocument() {
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(1000000, 1000000);
  auto track = std::make_unique<TObjekt>(newObject());
  initTrack(*track, 3000, kLayerC1);
  addPoint(*track, {0, 0});
  addPoint(*track, {100000, 0});
  auto pad = std::make_unique<TObjekt>(newObject());
  initPad(*pad, {100000, 0}, kLayerC1, kPadSquare, 3000, 8000);
  auto silk = std::make_unique<TObjekt>(newObject());
  initTrack(*silk, 1000, kLayerS1);
  addPoint(*silk, {0, 50000});
  addPoint(*silk, {10000, 50000});
  board->objects.push_back(std::move(silk));
  board->objects.push_back(std::move(track));
  board->objects.push_back(std::move(pad));
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

TEST(OutlinesCommand, ObjectsOfTheLayerWithTheirLoopsInUnits) {
  const Document doc = outlinesSampleDocument();
  OutlinesRequest request;
  const auto result = outlinesJson(*doc.boards[0], 0, request);
  EXPECT_EQ(result["board"], 0);
  EXPECT_EQ(result["layer"], 1);
  ASSERT_EQ(result["objects"].size(), 2u);
  EXPECT_EQ(result["objects"][0]["index"], 1);
  EXPECT_EQ(result["objects"][0]["kind"], kTrack);
  EXPECT_EQ(result["objects"][1]["kind"], kPad);
  const auto& square = result["objects"][1]["loops"][0];
  ASSERT_EQ(square.size(), 4u);
  // The engine holds 1/65536 mm, about 0.15 units.
  EXPECT_NEAR(square[0][0].get<double>(), 92000, 0.16);
  EXPECT_NEAR(square[0][1].get<double>(), 8000, 0.16);
}

TEST(OutlinesCommand, GrowAndUnion) {
  const Document doc = outlinesSampleDocument();
  OutlinesRequest request;
  request.grow = 2000;
  const auto grown = outlinesJson(*doc.boards[0], 0, request);
  EXPECT_NEAR(grown["objects"][1]["loops"][0][0][0].get<double>(), 91000, 0.16);
  request.unite = true;
  const auto united = outlinesJson(*doc.boards[0], 0, request);
  EXPECT_FALSE(united.contains("objects"));
  EXPECT_EQ(united["loops"].size(), 1u);                     // the track runs into the pad
  EXPECT_EQ(doc.boards[0]->objects[2]->points[0].x, 92000);  // the board is left alone
}

TEST(OutlinesCommand, RefusesMissingBoardsAndLayers) {
  const Document doc = outlinesSampleDocument();
  std::ostringstream out;
  std::ostringstream err;
  OutlinesRequest request;
  request.board = 3;
  EXPECT_EQ(runOutlines(doc, request, out, err, Language::English), kExitBadInput);
  EXPECT_EQ(err.str(), "The file has no board number 3.\n");
  request.board = 0;
  request.layer = 9;
  EXPECT_EQ(runOutlines(doc, request, out, err, Language::English), kExitUsage);
  EXPECT_TRUE(out.str().empty());
}

TEST(OutlinesCommand, TextListsEveryLoop) {
  const Document doc = outlinesSampleDocument();
  std::ostringstream out;
  std::ostringstream err;
  OutlinesRequest request;
  request.layer = kLayerS1;
  EXPECT_EQ(runOutlines(doc, request, out, err, Language::English), kExitOk);
  const std::string text = out.str();
  EXPECT_EQ(text.rfind("Board 0, layer 2\nObject 0, kind 6: 1 outlines\n  ", 0), 0u) << text;
}

}  // namespace
}  // namespace pravelo
