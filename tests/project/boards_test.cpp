#include "project/boards.h"

#include <gtest/gtest.h>

#include "document/object_list.h"
#include "project/board_commands.h"
#include "support/scripted_host.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;

TObjekt* addPad(Board& board, float x) {
  auto pad = std::make_unique<TObjekt>(newObject());
  initPad(*pad, {x, -10000}, kLayerC1, kPadCircular, 4000, 8000);
  board.objects.push_back(std::move(pad));
  return board.objects.back().get();
}

void connect(TObjekt* a, TObjekt* b) {
  a->connections.push_back(b);
  b->connections.push_back(a);
}

// Three boards named A, B, C with B active.
Document threeBoards() {
  Document doc;
  addBoard(doc, "A", 1000, 1000);
  addBoard(doc, "B", 2000, 2000);
  addBoard(doc, "C", 3000, 3000);
  activateBoard(doc, 1);
  doc.modified = false;
  return doc;
}

std::string names(const Document& doc) {
  std::string s;
  for (const auto& b : doc.boards) s += b->name;
  return s;
}

TEST(Boards, NewBoardShowsOuterLayersAndWorksOnC2) {
  Document doc;
  Board& b = addBoard(doc, " Board 1 ", 1600000, 1000000);
  EXPECT_EQ(doc.activeBoard, 0);
  EXPECT_EQ(b.name, "Board 1");
  EXPECT_EQ(b.header.activeLayer, kLayerC2);
  EXPECT_EQ(b.header.layerVisible, (std::array<std::uint8_t, 7>{1, 1, 1, 1, 0, 0, 1}));
  EXPECT_EQ(b.header.originY, -1000000);
}

TEST(Boards, ActivationDeselectsTheBoardsObjects) {
  Document doc = threeBoards();
  addPad(*doc.boards[0], 0)->selected = 1;
  activateBoard(doc, 0);
  EXPECT_EQ(doc.boards[0]->objects[0]->selected, 0);
}

TEST(Boards, RemovingTheActiveBoardActivatesTheBoardNowInItsPlace) {
  Document doc = threeBoards();
  removeBoard(doc, 1);
  EXPECT_EQ(names(doc), "AC");
  EXPECT_EQ(doc.activeBoard, 1);
  EXPECT_TRUE(doc.modified);

  removeBoard(doc, 1);
  EXPECT_EQ(names(doc), "A");
  EXPECT_EQ(doc.activeBoard, 0);
}

struct MoveCase {
  bool (*move)(Document&);
  int active;
  const char* expected;
  bool moved;
};

class BoardMoveTest : public ::testing::TestWithParam<MoveCase> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, BoardMoveTest, ::testing::Values(
  MoveCase{moveActiveBoardToLast, 0, "BCA", true},
  MoveCase{moveActiveBoardToLast, 2, "ABC", false},
  MoveCase{moveActiveBoardRight, 0, "BAC", true},
  MoveCase{moveActiveBoardRight, 2, "ABC", false},
  MoveCase{moveActiveBoardToFirst, 2, "CAB", true},
  MoveCase{moveActiveBoardToFirst, 0, "ABC", false},
  MoveCase{moveActiveBoardLeft, 1, "BAC", true},
  MoveCase{moveActiveBoardLeft, 0, "ABC", false}));
// clang-format on

TEST_P(BoardMoveTest, MovesTheActiveBoardAndKeepsItActive) {
  const MoveCase& c = GetParam();
  Document doc = threeBoards();
  activateBoard(doc, c.active);
  Board* moved = doc.boards[c.active].get();
  EXPECT_EQ(c.move(doc), c.moved);
  EXPECT_EQ(names(doc), c.expected);
  EXPECT_EQ(doc.boards[doc.activeBoard].get(), moved);
  EXPECT_EQ(doc.modified, c.moved);
}

TEST(Boards, CopiedBoardConnectsItsOwnPads) {
  Document doc;
  Board& source = addBoard(doc, "Main", 1600000, 1000000);
  TObjekt* a = addPad(source, 10000);
  TObjekt* b = addPad(source, 50000);
  connect(a, b);
  auto track = std::make_unique<TObjekt>(newObject());
  initTrack(*track, 2000, kLayerC1);
  track->autorouted = 1;
  track->routeEndA = a;
  track->routeEndB = b;
  source.objects.push_back(std::move(track));
  source.header.grid = 5000;

  copyActiveBoard(doc);
  ASSERT_EQ(doc.boards.size(), 2u);
  EXPECT_EQ(doc.activeBoard, 1);
  Board& copy = *doc.boards[1];
  EXPECT_EQ(copy.name, "Kopie von Main");
  EXPECT_EQ(copy.header.grid, 5000);
  ASSERT_EQ(copy.objects.size(), 3u);
  TObjekt* ca = copy.objects[0].get();
  TObjekt* cb = copy.objects[1].get();
  EXPECT_EQ(ca->connections, std::vector<TObjekt*>{cb});
  EXPECT_EQ(cb->connections, std::vector<TObjekt*>{ca});
  EXPECT_EQ(copy.objects[2]->routeEndA, ca);
  EXPECT_EQ(copy.objects[2]->routeEndB, cb);
  EXPECT_EQ(a->connections, std::vector<TObjekt*>{b}) << "the source stays untouched";
  EXPECT_EQ(a->copyMark, 0);
  EXPECT_TRUE(doc.modified);
}

TEST(BoardCommands, TheLastBoardIsNotDeleted) {
  Document doc;
  addBoard(doc, "Only", 1000, 1000);
  ScriptedHost host;
  deleteBoardCommand(doc, host);
  EXPECT_EQ(doc.boards.size(), 1u);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Die letzte Platine kann nicht gelöscht werden.");
  EXPECT_TRUE(host.questions.empty());
}

TEST(BoardCommands, DeleteAsksAndMarksModifiedWhateverTheAnswer) {
  Document doc = threeBoards();
  ScriptedHost host;
  host.answers = {Answer::Cancel, Answer::Ok};
  deleteBoardCommand(doc, host);
  EXPECT_EQ(names(doc), "ABC");
  EXPECT_TRUE(doc.modified);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Möchten Sie die Platine \"B\" wirklich löschen?");

  deleteBoardCommand(doc, host);
  EXPECT_EQ(names(doc), "AC");
}

TEST(BoardCommands, DeleteQuestionShowsAStoredNameAsUtf8) {
  Document doc = threeBoards();
  doc.boards[1]->name =
      "Gr\xF6\xDF"
      "e";  // Windows-1252
  ScriptedHost host;
  deleteBoardCommand(doc, host);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, "Möchten Sie die Platine \"Größe\" wirklich löschen?");
}

TEST(BoardCommands, SwitchingMultilayerOffDeletesInnerLayerObjects) {
  Document doc;
  Board& board = addBoard(doc, "M", 1000, 1000);
  board.header.multilayer = 1;
  board.header.layerVisible[kLayerI1 - 1] = 1;
  board.header.groundPlane[kLayerI2 - 1] = 1;
  TObjekt* outer = addPad(board, 0);
  TObjekt* inner = addPad(board, 30000);
  inner->layer = kLayerI1;
  connect(outer, inner);
  ASSERT_TRUE(hasInnerLayerObjects(board));

  EXPECT_TRUE(setMultilayer(board, false));
  ASSERT_EQ(board.objects.size(), 1u);
  EXPECT_TRUE(outer->connections.empty()) << "no reference to the deleted pad remains";
  EXPECT_EQ(board.header.multilayer, 0);
  EXPECT_EQ(board.header.layerVisible[kLayerI1 - 1], 0);
  EXPECT_EQ(board.header.groundPlane[kLayerI2 - 1], 0);
}

TEST(BoardCommands, InnerLayerObjectsStayWhileTheMultilayerStaysOff) {
  Document doc;
  Board& board = addBoard(doc, "M", 1000, 1000);
  addPad(board, 0)->layer = kLayerI2;
  board.header.groundPlane[kLayerI2 - 1] = 1;
  EXPECT_FALSE(setMultilayer(board, false));
  EXPECT_EQ(board.objects.size(), 1u);
  EXPECT_EQ(board.header.groundPlane[kLayerI2 - 1], 1);
  EXPECT_EQ(board.header.multilayer, 0);
}

TEST(Discard, AsksOnlyForAModifiedNonEmptyDocument) {
  ScriptedHost host;
  Document doc;
  addBoard(doc, "A", 1000, 1000);
  doc.modified = true;
  EXPECT_TRUE(discardDocument(doc, host, [] { return true; }));
  EXPECT_TRUE(host.questions.empty()) << "an empty single board is discarded without asking";
  EXPECT_TRUE(doc.boards.empty());
}

TEST(Discard, CancelOrAFailedSaveKeepsTheDocument) {
  ScriptedHost host;
  Document doc = threeBoards();
  doc.modified = true;
  doc.project.title = "T";
  host.answers = {Answer::Cancel, Answer::Yes, Answer::No};
  EXPECT_FALSE(discardDocument(doc, host, [] { return true; }));
  EXPECT_FALSE(discardDocument(doc, host, [] { return false; }));
  EXPECT_EQ(doc.boards.size(), 3u);
  EXPECT_EQ(host.questions.front().text, "Möchten Sie das aktuelle Layout speichern ?");

  EXPECT_TRUE(discardDocument(doc, host, [] { return false; }));
  EXPECT_TRUE(doc.boards.empty());
  EXPECT_TRUE(doc.project.title.empty());
}

TEST(Boards, DefaultDocumentHasOneUnmodifiedBoard) {
  Document doc = defaultDocument();
  ASSERT_EQ(doc.boards.size(), 1u);
  EXPECT_EQ(doc.boards[0]->name, "Platine 1");
  EXPECT_EQ(doc.boards[0]->header.width, 1600000);
  EXPECT_EQ(doc.boards[0]->header.height, 1000000);
  EXPECT_FALSE(doc.modified);
  EXPECT_TRUE(doc.fileName.empty());
}

}  // namespace
}  // namespace pravelo
