#include "document/object_pack.h"

#include <gtest/gtest.h>

#include <utility>

#include "document/layout_file.h"
#include "document/object_list.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

std::string packed(const ObjectList& objects) {
  std::string bytes = "left from before";
  packObjects(objects, bytes);
  return bytes;
}

using testing::sampleBoard;

Document documentOf(std::unique_ptr<Board> board) {
  Document doc;
  doc.boards.push_back(std::move(board));
  doc.activeBoard = 0;
  return doc;
}

TEST(ObjectPack, UnpacksEveryStoredFieldWithConnectionsAndRouteEndsInTheNewList) {
  Document doc = documentOf(sampleBoard("Main"));
  Board& board = activeBoard(doc);
  const std::string before = writeLayout(doc);

  ObjectList unpacked = unpackObjects(packed(board.objects));
  const ObjectList original = std::exchange(board.objects, std::move(unpacked));
  EXPECT_EQ(writeLayout(doc), before);
  for (const auto& o : board.objects) {
    for (const TObjekt* partner : o->connections) EXPECT_GE(indexOf(board.objects, partner), 0);
    for (const TObjekt* end : {o->routeEndA, o->routeEndB}) {
      if (end) {
        EXPECT_GE(indexOf(board.objects, end), 0);
      }
    }
  }
}

// What a layout file cannot hold: strings beyond its limits, the names and groups of strokes,
// and component data of an ID text whose stroke list is empty.
TEST(ObjectPack, KeepsWhatTheLayoutFileWouldCutOrDrop) {
  ObjectList list;
  TObjekt text = testing::textWithStroke("R1", {0, 0}, kLayerS1);
  text.variant = kComponentIdText;
  text.text = std::string(300, 'T');
  text.name = std::string(400, 'N');
  text.component.package = std::string(260, 'P');
  text.children[0].name = "stroke";
  pushGroup(text.children[0], 7);
  list.push_back(std::make_unique<TObjekt>(std::move(text)));

  const ObjectList unpacked = unpackObjects(packed(list));
  ASSERT_EQ(unpacked.size(), 1u);
  const TObjekt& copy = *unpacked[0];
  EXPECT_EQ(copy.text, list[0]->text);
  EXPECT_EQ(copy.name, list[0]->name);
  EXPECT_EQ(copy.component, list[0]->component);
  ASSERT_EQ(copy.children.size(), 1u);
  EXPECT_EQ(copy.children[0].name, "stroke");
  EXPECT_EQ(copy.children[0].groups, std::vector<std::int32_t>{7});
  EXPECT_EQ(copy.children[0].points, list[0]->children[0].points);
}

TEST(ObjectPack, LeavesOutSelectionAndRuntimeState) {
  ObjectList list;
  TObjekt zone = newObject();
  initZone(zone, 1000, kLayerC1);
  addPoint(zone, {0, 0});
  zone.selected = 1;
  zone.drawable = 0;  // hidden during a drag
  list.push_back(std::make_unique<TObjekt>(std::move(zone)));
  list.push_back(std::make_unique<TObjekt>(testing::textWithStroke("A", {0, 0}, kLayerS1)));
  list[1]->children[0].selected = 1;
  const std::string before = packed(list);

  deselectAll(list);
  EXPECT_EQ(packed(list), before);
  const ObjectList unpacked = unpackObjects(before);
  EXPECT_EQ(unpacked[0]->selected, 0);
  EXPECT_EQ(unpacked[0]->drawable, 1);
  EXPECT_EQ(unpacked[0]->closed, 1);
  EXPECT_EQ(unpacked[1]->children[0].selected, 0);
}

}  // namespace
}  // namespace pravelo
