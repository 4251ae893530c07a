// Layout files of the format versions 0 to 5, built byte by byte, read and converted.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "document/document_texts.h"
#include "document/file_format_error.h"
#include "document/layout_file.h"
#include "document/object_list.h"
#include "support/old_file_bytes.h"

namespace pravelo {
namespace {

using testing::OldBoard;
using testing::OldHeader;
using testing::OldObject;
using testing::OldSection;

std::vector<int> oldIndices(const ObjectList& list, const std::vector<TObjekt*>& objects) {
  std::vector<int> result;
  for (const TObjekt* o : objects) result.push_back(indexOf(list, o));
  return result;
}

TEST(EarlyLayoutFile, TrackInOldUnitsLandsOnTheOtherCopperSide) {
  const OldSection section{{{.image = {.kind = 6, .width = 5, .layer = 3, .variant = 3},
                             .groups = {3, 1},
                             .points = {{10, 20}, {30, 20}}}}};
  const std::string bytes = testing::earlyLayoutBytes(2, 1000, 800, section);
  const LayoutContents read = parseLayout(bytes, Language::German);
  EXPECT_EQ(read.formatVersion, 2);
  ASSERT_EQ(read.boards.size(), 1u);
  const Board& board = *read.boards[0];
  EXPECT_EQ(board.name, "Platine 1");
  EXPECT_EQ(board.header, newBoardHeader(100000, 80000));  // origin at (0, -height)
  ASSERT_EQ(board.objects.size(), 1u);
  const TObjekt& track = *board.objects[0];
  EXPECT_EQ(track.kind, kTrack);
  EXPECT_EQ(track.layer, kLayerC1);
  EXPECT_EQ(track.points, (std::vector<FPoint>{{1000, 2000}, {3000, 2000}}));
  EXPECT_EQ(track.width, 500);
  EXPECT_EQ(track.variant, 0);
  EXPECT_EQ(track.clearance, 4000);
  EXPECT_EQ(track.groups, (std::vector<std::int32_t>{3, 1}));
  EXPECT_EQ(parseLayout(bytes, Language::French).boards[0]->name, "Carte 1");
}

TEST(EarlyLayoutFile, EachKindTakesTheDefaultsItsVersionDidNotStore) {
  // clang-format off
  const OldSection section{{
    {.image = {.kind = 5, .x1 = 10, .y1 = -10, .x2 = 8, .y2 = 4, .width = 90, .layer = 2, .paramA = 45}},
    {.image = {.kind = 4, .width = 2, .layer = 1, .variant = 1}, .points = {{0, 0}, {10, 0}, {10, -10}}},
    {.image = {.kind = 2, .x1 = 100, .y1 = -50, .x2 = 30, .y2 = 10, .layer = 3, .variant = 2, .paramA = 3}},
    {.image = {.kind = 8, .x1 = 200, .y1 = -50, .x2 = 41, .y2 = 20, .layer = 1}},
    {.image = {.kind = 1, .x1 = 1, .y1 = -2, .x2 = 3, .y2 = -4, .width = 6, .layer = 3, .componentId = 4},
     .groups = {7}},
  }};
  // clang-format on
  const LayoutContents read = parseLayout(testing::earlyLayoutBytes(2, 1600, 1000, section));
  const ObjectList& objects = read.boards[0]->objects;
  ASSERT_EQ(objects.size(), 5u);
  for (const auto& o : objects) {
    EXPECT_EQ(o->clearance, 4000);
    EXPECT_EQ(o->via, 0);
    EXPECT_TRUE(o->connections.empty());
  }
  const TObjekt& circle = *objects[0];
  EXPECT_EQ(circle.paramA, 0);
  EXPECT_EQ(circle.width, 0);
  EXPECT_EQ(circle.optA, 0);
  EXPECT_EQ(circle.dim, (FPoint{800, 400}));

  const TObjekt& zone = *objects[1];
  EXPECT_EQ(zone.layer, kLayerC2);
  EXPECT_EQ(zone.optB, 0);
  EXPECT_EQ(zone.optC, 1);
  EXPECT_EQ(zone.paramB, 60);
  EXPECT_EQ(zone.points.size(), 3u);

  const TObjekt& pad = *objects[2];
  EXPECT_EQ(pad.layer, kLayerC1);
  EXPECT_EQ(pad.points, padOutline({10000, -5000}, 3000, kPadOctagon, 0));
  EXPECT_EQ(pad.paramA, 85);
  EXPECT_EQ(pad.paramB, 100);
  EXPECT_EQ(pad.thermalStamp, kThermalStamp);
  EXPECT_EQ(pad.optA, 0);
  EXPECT_EQ(pad.optB, 0);
  EXPECT_EQ(pad.solderMask, 1);

  const TObjekt& smd = *objects[3];
  EXPECT_EQ(smd.layer, kLayerC2);
  EXPECT_EQ(smd.points, smdPadCorners({20000, -5000}, 4100, 2000));
  EXPECT_EQ(smd.thermalStamp, kThermalStamp);

  const TObjekt& line = *objects[4];
  EXPECT_EQ(line.kind, kTrack);
  EXPECT_EQ(line.layer, kLayerC1);
  EXPECT_EQ(line.width, 600);
  EXPECT_EQ(line.points, (std::vector<FPoint>{{100, -200}, {300, -400}}));
  EXPECT_EQ(line.componentId, 4);
  EXPECT_EQ(line.groups, (std::vector<std::int32_t>{7}));
}

TEST(EarlyLayoutFile, Version1ComponentsBecomeGroups) {
  const OldSection section{{{.image = {.kind = 5, .layer = 2, .componentId = 5}},
                            {.image = {.kind = 5, .layer = 2, .componentId = 2}},
                            {.image = {.kind = 5, .layer = 2}},
                            {.image = {.kind = 5, .layer = 2, .componentId = 5}}}};
  const LayoutContents read = parseLayout(testing::earlyLayoutBytes(1, 1600, 1000, section));
  const ObjectList& objects = read.boards[0]->objects;
  const std::vector<std::vector<std::int32_t>> groups = {{2}, {1}, {}, {2}};
  ASSERT_EQ(objects.size(), groups.size());
  for (std::size_t i = 0; i < groups.size(); ++i) {
    EXPECT_EQ(objects[i]->groups, groups[i]) << i;
    EXPECT_EQ(objects[i]->componentId, 0) << i;
  }
  // Version 0 had components of its own and keeps them.
  EXPECT_EQ(parseLayout(testing::earlyLayoutBytes(0, 1600, 1000, section))
                .boards[0]
                ->objects[0]
                ->componentId,
            5);
}

TEST(Version3LayoutFile, HeaderFieldsMoveToTheirPlacesAndCopperSidesSwap) {
  OldHeader h;
  h.width = 16000;
  h.height = 10000;
  h.groundPlane[0] = 1;  // C1 on, C2 off
  h.grid = 127;
  h.zoom = 0.25;
  h.scrollX = 12;
  h.scrollY = -34;
  h.activeLayer = 2;
  h.templateShown = {1, 0};
  h.templateFile = {"oben.bmp", "unten.jpg"};
  h.dpi = {300, 1200};
  h.offsetX = {5, 6};
  h.offsetY = {-7, -8};
  h.tint = {255, 16711680};
  const OldSection objects{
      {{.image = {.kind = 5, .layer = 1}}, {.image = {.kind = 5, .layer = 3}}}};
  const std::string bytes =
      testing::oldLayoutBytes(3, {{"Erste", h, objects}, {"Zweite", OldHeader{}, {}}}, 1);
  const LayoutContents read = parseLayout(bytes);
  EXPECT_EQ(read.formatVersion, 3);
  ASSERT_EQ(read.boards.size(), 2u);
  EXPECT_EQ(read.activeBoard, 1);
  EXPECT_EQ(read.project, ProjectInfo{});
  EXPECT_EQ(read.boards[0]->name, "Erste");
  EXPECT_EQ(read.boards[1]->name, "Zweite");

  BoardHeader expected;
  expected.width = 1600000;
  expected.height = 1000000;
  expected.groundPlane = {0, 0, 1, 0, 0, 0, 0};
  expected.grid = 12700;
  expected.zoom = 0.0025;
  expected.scrollX = 12;
  expected.scrollY = -34;
  expected.activeLayer = 2;
  expected.layerVisible = {1, 1, 1, 1, 1, 1, 1};
  expected.templateShown = {1, 0};
  expected.templateFile = {"oben.bmp", "unten.jpg"};
  expected.templateDpi = {300, 1200};
  expected.templateOffsetX = {5, 6};
  expected.templateOffsetY = {-7, -8};
  expected.templateTint = {255, 16711680};
  expected.originX = expected.originY = 0;
  expected.multilayer = 0;
  EXPECT_EQ(read.boards[0]->header, expected);
  EXPECT_EQ(read.boards[0]->objects[0]->layer, kLayerC2);
  EXPECT_EQ(read.boards[0]->objects[1]->layer, kLayerC1);
}

TEST(Version3LayoutFile, PlatedPairsBecomeViaPadsThatTakeOverTheConnections) {
  auto pad = [](std::int32_t partner) {
    return OldObject{.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 1, .variant = 1, .optA = 1},
                     .partner = partner};
  };
  // clang-format off
  OldSection section{{
    pad(1),                                         // 0 A: pairs with B and survives
    pad(0),                                         // 1 B: removed
    pad(-1),                                        // 2 C
    pad(3),                                         // 3 D: names itself, no pair
    {.image = {.kind = 6, .layer = 1}, .points = {{0, 0}, {1, 1}}},  // 4 track
    pad(4),                                         // 5 E: names a track, no pair
    pad(0),                                         // 6 F: A does not name it back
  }};
  section.connections = {
    {},            // A
    {2, 2, 1, 0},  // B: C twice, itself, its partner
    {1},           // C: the removed half
    {3, 99, -1},   // D: itself, outside the list
    {4},           // E: not a pad
    {0},           // F
  };
  // clang-format on
  const LayoutContents read = parseLayout(testing::oldLayoutBytes(3, {{"P", {}, section}}, 0));
  const ObjectList& objects = read.boards[0]->objects;
  ASSERT_EQ(objects.size(), 6u);  // A C D track E F
  const std::vector<int> kinds = {2, 2, 2, 6, 2, 2};
  const std::vector<int> vias = {1, 0, 0, 0, 0, 0};
  const std::vector<std::vector<int>> connections = {{1, 5}, {0}, {}, {}, {}, {0}};
  for (std::size_t i = 0; i < objects.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(objects[i]->kind, kinds[i]);
    EXPECT_EQ(objects[i]->via, vias[i]);
    EXPECT_EQ(objects[i]->scratch, 0);
    EXPECT_EQ(oldIndices(objects, objects[i]->connections), connections[i]);
    if (objects[i]->kind == kPad) {
      EXPECT_EQ(objects[i]->optA, 0);
      EXPECT_EQ(objects[i]->layer, kLayerC2);
      EXPECT_EQ(objects[i]->points, padOutline({0, 0}, 3000, kPadCircular, 0));
    }
  }
}

TEST(Version4LayoutFile, TextsRouteEndsAndTheProjectArrive) {
  OldHeader h;
  h.visible = {1, 0, 1, 0, 0, 0, 0};
  h.groundPlane[0] = 1;
  h.originX = 25;
  h.originY = -10000;
  // clang-format off
  OldSection section{{
    {.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 1, .variant = 1}, .partner = 1},  // 0 A
    {.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 3, .variant = 1}, .partner = 0},  // 1 B
    {.image = {.kind = 8, .x1 = 50, .x2 = 20, .y2 = 10, .layer = 1}},                    // 2 S
    {.image = {.kind = 6, .width = 3, .layer = 1, .variant = 1, .autorouted = 1},
     .groups = {4}, .points = {{0, 0}, {50, 0}}},                                      // 3
    {.image = {.kind = 7, .x1 = 10, .y1 = -20, .x2 = 150, .y2 = 1, .width = 2, .layer = 2,
               .variant = 1, .paramA = 3, .optB = 1},
     .text = "AB",
     .children = {{.image = {.kind = 6, .width = 4, .layer = 2, .variant = 1},
                   .points = {{1, 2}, {3, 4}}}}},                                      // 4
    {.image = {.kind = 4, .width = 2, .layer = 3, .optB = 1, .optC = 0},
     .points = {{0, 0}, {1, 0}, {1, 1}}},                                              // 5
  }};
  section.connections = {{}, {2}, {1}};  // A, B, S
  section.routeEnds = {{1, 2}};
  // clang-format on
  const std::string bytes =
      testing::oldLayoutBytes(4, {{"Vier", h, section}}, 0, {"T", "A", "C", "Zeile 1\r\nZeile 2"});
  const LayoutContents read = parseLayout(bytes);
  EXPECT_EQ(read.project, (ProjectInfo{"T", "A", "C", "Zeile 1\r\nZeile 2"}));
  const BoardHeader& header = read.boards[0]->header;
  EXPECT_EQ(header.layerVisible, (std::array<std::uint8_t, 7>{1, 0, 1, 0, 1, 1, 1}));
  EXPECT_EQ(header.groundPlane, (std::array<std::uint8_t, 7>{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(header.originX, 2);
  EXPECT_EQ(header.originY, -1000);

  const ObjectList& objects = read.boards[0]->objects;
  ASSERT_EQ(objects.size(), 5u);  // B merged into A
  const TObjekt& a = *objects[0];
  const TObjekt& smd = *objects[1];
  EXPECT_EQ(a.layer, kLayerC1);  // version 4 needs no copper exchange
  EXPECT_EQ(a.via, 1);
  EXPECT_EQ(oldIndices(objects, a.connections), (std::vector<int>{1}));
  EXPECT_EQ(oldIndices(objects, smd.connections), (std::vector<int>{0}));

  const TObjekt& track = *objects[2];
  EXPECT_EQ(track.variant, 0);
  EXPECT_EQ(track.autorouted, 1);
  EXPECT_EQ(track.routeEndA, &a);  // was the removed half B
  EXPECT_EQ(track.routeEndB, &smd);
  EXPECT_EQ(track.groups, (std::vector<std::int32_t>{4}));
  EXPECT_EQ(track.points, (std::vector<FPoint>{{0, 0}, {5000, 0}}));

  const TObjekt& text = *objects[3];
  EXPECT_EQ(text.text, "AB");
  EXPECT_EQ(text.paramB, 270);
  EXPECT_EQ(text.variant, 0);
  EXPECT_EQ(text.optA, 1);
  EXPECT_EQ(text.optB, 1);
  EXPECT_EQ(text.dim, (FPoint{15000, 1}));
  ASSERT_EQ(text.children.size(), 1u);
  EXPECT_EQ(text.children[0].variant, 0);
  EXPECT_EQ(text.children[0].width, 400);
  EXPECT_EQ(text.children[0].points, (std::vector<FPoint>{{100, 200}, {300, 400}}));

  const TObjekt& zone = *objects[4];
  EXPECT_EQ(zone.optB, 0);
  EXPECT_EQ(zone.optC, 1);
  EXPECT_EQ(zone.paramB, 60);
}

TEST(Version5LayoutFile, ReadLikeVersion6InOldUnitsWithoutRolesOrComponentData) {
  OldHeader h;
  h.groundPlane = {1, 0, 0, 0, 1, 0, 0};
  h.visible = {1, 1, 1, 1, 1, 1, 1};
  h.originX = -105;
  h.originY = -10000;
  h.multilayer = 1;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // clang-format off
  OldSection section{{
    {.image = {.kind = 7, .x1 = 1, .y1 = -1, .x2 = 150, .y2 = 2, .width = 1, .layer = 2, .variant = 1,
               .optA = 0},
     .text = "R1", .name = "Kennung", .groups = {2},
     .children = {{.image = {.kind = 6, .width = 3, .layer = 2, .variant = 2},
                   .points = {{1, 1}, {2, 2}}}}},                                     // 0
    {.image = {.kind = 2, .x1 = 10, .x2 = 30, .y2 = 10, .layer = 1, .variant = 1, .optA = 1,
               .paramB = 80, .via = 1, .solderMask = 1, .thermalStamp = 123456789},
     .points = {{-20, 0}, {40, 0}}},                                                  // 1
    {.image = {.kind = 6, .width = 2, .layer = 1, .variant = 3, .autorouted = 1},
     .points = {{nan, 5}, {7, std::numeric_limits<float>::infinity()}}},            // 2
    {.image = {.kind = 4, .layer = 1, .maskOnly = 1}, .points = {{0, 0}, {1, 0}, {1, 1}}},  // 3
    {.image = {.kind = 8, .x2 = 10, .y2 = 10, .layer = 1},
     .points = {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},                                     // 4
  }};
  section.connections = {{4}, {1}};
  section.routeEnds = {{1, -1}};
  // clang-format on
  const LayoutContents read =
      parseLayout(testing::oldLayoutBytes(5, {{"Fünf", h, section}}, 0, {"T", "", "", ""}));
  EXPECT_EQ(read.formatVersion, 5);
  EXPECT_EQ(read.project.title, "T");
  const BoardHeader& header = read.boards[0]->header;
  EXPECT_EQ(header.width, 1600000);
  EXPECT_EQ(header.grid, 12700);
  EXPECT_DOUBLE_EQ(header.zoom, 0.001);
  EXPECT_EQ(header.groundPlane, h.groundPlane);
  EXPECT_EQ(header.originX, -10);
  EXPECT_EQ(header.originY, -1000);
  EXPECT_EQ(header.multilayer, 1);

  const ObjectList& objects = read.boards[0]->objects;
  ASSERT_EQ(objects.size(), 5u);
  const TObjekt& text = *objects[0];
  EXPECT_EQ(text.variant, 0);
  EXPECT_EQ(text.optA, 1);
  EXPECT_EQ(text.name, "Kennung");
  EXPECT_EQ(text.component, ComponentData{});
  ASSERT_EQ(text.children.size(), 1u);
  EXPECT_EQ(text.children[0].variant, 0);
  EXPECT_EQ(text.children[0].points, (std::vector<FPoint>{{100, 100}, {200, 200}}));

  const TObjekt& pad = *objects[1];
  EXPECT_EQ(pad.optA, 0);
  EXPECT_EQ(pad.via, 1);
  EXPECT_EQ(pad.paramB, 80);
  EXPECT_EQ(pad.points, (std::vector<FPoint>{{-2000, 0}, {4000, 0}}));  // kept, not rebuilt
  EXPECT_EQ(oldIndices(objects, pad.connections), (std::vector<int>{4}));

  const TObjekt& track = *objects[2];
  EXPECT_EQ(track.variant, 0);
  EXPECT_EQ(track.points, (std::vector<FPoint>{{0, 500}, {700, 0}}));
  EXPECT_EQ(track.routeEndA, &pad);
  EXPECT_EQ(track.routeEndB, nullptr);

  EXPECT_EQ(objects[3]->maskOnly, 0);
  EXPECT_EQ(objects[3]->points.size(), 3u);
}

// Fixtures of every version, each with every kind of block its version has.
std::vector<std::string> oldLayoutFixtures() {
  const OldSection early{{{.image = {.kind = 6, .layer = 3}, .groups = {1}, .points = {{1, 2}}},
                          {.image = {.kind = 3, .layer = 2, .text = "Hi"}, .groups = {2}}}};
  OldSection pairs{
      {{.image = {.kind = 2, .layer = 1, .variant = 1}, .partner = 1},
       {.image = {.kind = 2, .layer = 3, .variant = 1}, .partner = 0},
       {.image = {.kind = 8, .layer = 1}},
       {.image = {.kind = 6, .layer = 1, .autorouted = 1}, .points = {{0, 0}, {1, 1}}},
       {.image = {.kind = 7, .layer = 2},
        .text = "T",
        .children = {{.image = {.kind = 6, .layer = 2}, .points = {{0, 0}, {1, 1}}}}}}};
  pairs.connections = {{2}, {}};
  OldSection v3 = pairs;
  v3.objects.pop_back();  // no stroke texts yet
  v3.objects[3].image.autorouted = 0;
  OldSection v4 = pairs;
  v4.connections = {{2}, {}, {0}};
  v4.routeEnds = {{0, 2}};
  OldSection v5 = v4;
  v5.objects[0].points = v5.objects[1].points = {{0, 0}, {1, 0}};
  v5.routeEnds = {{0, 2}};
  return {testing::earlyLayoutBytes(0, 100, 100, early),
          testing::earlyLayoutBytes(2, 100, 100, early),
          testing::oldLayoutBytes(3, {{"B", {}, v3}}, 0),
          testing::oldLayoutBytes(4, {{"B", {}, v4}}, 0, {"t", "a", "c", "x"}),
          testing::oldLayoutBytes(5, {{"B", {}, v5}}, 0, {"t", "a", "c", "x"})};
}

TEST(OldLayoutFile, EveryCutOffFixtureIsAFormatError) {
  int cuts = 0;
  for (const std::string& bytes : oldLayoutFixtures()) {
    ASSERT_NO_THROW(parseLayout(bytes));
    for (std::size_t size = 4; size < bytes.size(); ++size) {
      EXPECT_THROW(parseLayout(std::string_view(bytes).substr(0, size)), FileFormatError)
          << "version " << int(bytes[0]) << ", " << size << " bytes";
      ++cuts;
    }
  }
  EXPECT_GT(cuts, 1000);
}

template <typename T>
void oldPatch(std::string& bytes, std::size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof(T));
}

TEST(OldLayoutFile, DamagedCountsAndLengthsNameFieldAndOffset) {
  const std::vector<std::string> fixtures = oldLayoutFixtures();
  struct Case {
    const char* what;
    std::size_t fixture;
    std::size_t offset;
    std::int32_t value;
    int size;  // bytes of the patched number
    const Text& problem;
    const Text& field;
  };
  // Version 3 and 4 objects start at 4 + 4 + 31 + header; the first image is a pad's.
  constexpr std::size_t kV3Objects = 4 + 4 + 31 + 482 + 4;
  constexpr std::size_t kV4Objects = 4 + 4 + 31 + 490 + 4;
  // clang-format off
  const Case cases[] = {
    {"int16 object count", 0, 12, 0x7FFF, 2, texts::problemCountTooLarge, texts::fieldObjectCount},
    {"negative int16 object count", 1, 12, -1, 2, texts::problemNegativeCount, texts::fieldObjectCount},
    {"int16 group count", 1, 14 + 49, 30000, 2, texts::problemCountTooLarge, texts::fieldGroupCount},
    {"board count", 2, 4, 1000000, 4, texts::problemCountTooLarge, texts::fieldBoardCount},
    {"no boards", 3, 4, 0, 4, texts::problemNoBoards, texts::fieldBoardCount},
    {"template name", 2, 4 + 4 + 31 + 48, 201, 1, texts::problemStringTooLong, texts::fieldTemplateName},
    {"object count", 3, kV4Objects - 4, 0x7FFFFFFF, 4, texts::problemCountTooLarge, texts::fieldObjectCount},
    {"text length", 3, kV4Objects + 75, 256, 4, texts::problemStringTooLong, texts::fieldText},
    {"legacy text in the image", 0, 14 + 49 + 2 + 4 + 14, 16, 1, texts::problemStringTooLong, texts::fieldText},
    {"negative group count", 2, kV3Objects + 74, -3, 4, texts::problemNegativeCount, texts::fieldGroupCount},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string bytes = fixtures[c.fixture];
    if (c.size == 1) {
      bytes[c.offset] = static_cast<char>(c.value);
    } else if (c.size == 2) {
      oldPatch(bytes, c.offset, static_cast<std::int16_t>(c.value));
    } else {
      oldPatch(bytes, c.offset, c.value);
    }
    try {
      parseLayout(bytes);
      ADD_FAILURE() << "accepted";
    } catch (const FileFormatError& e) {
      EXPECT_EQ(&e.problem(), &c.problem) << e.what();
      EXPECT_EQ(&e.field(), &c.field) << e.what();
      EXPECT_EQ(e.offset(), c.offset) << e.what();
    }
  }
}

}  // namespace
}  // namespace pravelo
