#include "cli/route_command.h"

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/file_io.h"
#include "cli/cli.h"
#include "project/layout_load.h"
#include "project/save_commands.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

struct RouteCliRun {
  int status;
  std::string out;
  std::string err;
};

RouteCliRun routeCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  std::vector<std::string> all{"route"};
  all.insert(all.end(), args.begin(), args.end());
  const int status = runCli(all, out, err);
  return {status, out.str(), err.str()};
}

int addRoutePad(Board& board, FPoint centre) {
  TObjekt pad = newObject();
  initPad(pad, centre, kLayerC1, kPadCircular, 4000, 8000);
  board.objects.push_back(std::make_unique<TObjekt>(std::move(pad)));
  return static_cast<int>(board.objects.size()) - 1;
}

// Pads 0-1 with a free way, pads 2-3 on both sides of a wall across the board.
Document routeDocument() {
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(400000, 400000);
  board->header.activeLayer = kLayerC1;
  Board& b = *board;
  const auto connect = [&b](int p, int q) {
    b.objects[p]->connections.push_back(b.objects[q].get());
    b.objects[q]->connections.push_back(b.objects[p].get());
  };
  connect(addRoutePad(b, {50000, -50000}), addRoutePad(b, {300000, -50000}));
  connect(addRoutePad(b, {100000, -150000}), addRoutePad(b, {100000, -300000}));
  TObjekt wall = newObject();
  initTrack(wall, 4000, kLayerC1);
  addPoint(wall, {0, -200000});
  addPoint(wall, {400000, -200000});
  b.objects.push_back(std::make_unique<TObjekt>(std::move(wall)));
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

TEST(RouteCommand, RoutesEveryConnectionAndReportsEach) {
  testing::TempFolder folder;
  Document doc = routeDocument();
  const std::string in = folder.file("in.pvb6");
  const std::string out = folder.file("out.pvb6");
  ASSERT_TRUE(writeDocumentFile(doc, in));

  RouteCliRun r = routeCli({in, "-o", out, "--all", "--json"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["total"], 2);
  EXPECT_EQ(json["routed"], 1);
  EXPECT_EQ(json["routes"][0]["pads"], nlohmann::json::array({2, 3}));
  EXPECT_EQ(json["routes"][0]["result"], "not found");
  EXPECT_EQ(json["routes"][1]["result"], "routed");
  EXPECT_EQ(json["routes"][1]["track"], 5);
  const LoadedLayout loaded = loadLayoutFile(out, Language::English);
  ASSERT_EQ(loaded.failure, LoadFailure::None) << loaded.message;
  const Board& board = *loaded.contents.boards[0];
  ASSERT_EQ(board.objects.size(), 6u);
  EXPECT_EQ(board.objects[5]->autorouted, 1);
  EXPECT_EQ(board.objects[5]->points.size(), json["routes"][1]["vertices"].get<std::size_t>());
  EXPECT_TRUE(board.objects[0]->connections.empty());
  EXPECT_EQ(board.objects[2]->connections.size(), 1u);

  r = routeCli({in, "-o", out, "--connection", "0,1", "--grid", "off", "--lang", "de"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("0,1: verlegt, Bahn 5, ", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("1 von 1 Verbindungen verlegt."), std::string::npos) << r.out;
}

TEST(RouteCommand, GridTooFineAndBadRequests) {
  testing::TempFolder folder;
  Document doc = routeDocument();
  doc.boards[0]->header.width = 8000000;
  doc.boards[0]->objects[1]->pos.x = 7000000;
  doc.boards[0]->objects[1]->points = padOutline({7000000, -50000}, 8000, kPadCircular, 0);
  const std::string in = folder.file("in.pvb6");
  const std::string out = folder.file("out.pvb6");
  ASSERT_TRUE(writeDocumentFile(doc, in));
  RouteCliRun r = routeCli({in, "-o", out, "--connection", "0,1", "--grid", "off", "--width",
                            "0.05", "--clearance", "0.05"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("0,1: Grid too fine\n", 0), 0u) << r.out;

  EXPECT_EQ(routeCli({in, "-o", out, "--connection", "0,2"}).status, kExitBadInput);
  EXPECT_EQ(routeCli({in, "-o", out, "--layer", "2"}).status, kExitUsage);
  EXPECT_EQ(routeCli({in, "-o", out, "--width", "20"}).status, kExitUsage);
  EXPECT_EQ(routeCli({in, "-o", out, "--all", "--connection", "0,1"}).status, kExitUsage);
}

}  // namespace
}  // namespace pravelo
