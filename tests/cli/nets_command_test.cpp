#include "cli/nets_command.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/cli.h"

namespace pravelo {
namespace {

TObjekt* addPad(Board& board, FPoint at) {
  auto pad = std::make_unique<TObjekt>(newObject());
  initPad(*pad, at, kLayerC1, kPadCircular, 3000, 8000);
  board.objects.push_back(std::move(pad));
  return board.objects.back().get();
}

void connect(TObjekt& a, TObjekt& b) {
  a.connections.push_back(&b);
  b.connections.push_back(&a);
}

// Pads 0 and 1 joined by track 3, pad 2 alone; connections 0-1 and 1-2; a silkscreen line.
Document netsSampleDocument() {
  Document doc;
  auto board = std::make_unique<Board>();
  board->header = newBoardHeader(1000000, 1000000);
  TObjekt* a = addPad(*board, {100000, -100000});
  TObjekt* b = addPad(*board, {300000, -100000});
  TObjekt* c = addPad(*board, {600000, -600000});
  auto track = std::make_unique<TObjekt>(newObject());
  initTrack(*track, 3000, kLayerC1);
  addPoint(*track, {100000, -100000});
  addPoint(*track, {300000, -100000});
  board->objects.push_back(std::move(track));
  auto silk = std::make_unique<TObjekt>(newObject());
  initTrack(*silk, 1000, kLayerS1);
  addPoint(*silk, {100000, -100000});
  addPoint(*silk, {600000, -600000});
  board->objects.push_back(std::move(silk));
  connect(*a, *b);
  connect(*b, *c);
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

TEST(NetsCommand, GroupsAndWhetherEachConnectionIsJoined) {
  const Document doc = netsSampleDocument();
  EXPECT_EQ(netsJson(*doc.boards[0], 0).dump(),
            R"({"board":0,"groups":[[0,1,3],[2]],"connections":[)"
            R"({"pads":[0,1],"joined":true},{"pads":[1,2],"joined":false}]})");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(runNets(doc, {"", -1, false}, out, err, Language::English), kExitOk);
  EXPECT_EQ(out.str(),
            "Board 0: 2 groups\nGroup 1: 0 1 3\nGroup 2: 2\n"
            "Connection 0-1: joined\nConnection 1-2: open\n");
  EXPECT_EQ(runNets(doc, {"", 3, false}, out, err, Language::English), kExitBadInput);
}

}  // namespace
}  // namespace pravelo
