#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/windows1252.h"
#include "document/file_format_error.h"
#include "document/object_list.h"
#include "geometry/label_placement.h"
#include "geometry/stroke_font.h"
#include "geometry/translate.h"
#include "project/macro_anchor.h"
#include "project/macro_file.h"
#include "project/macro_names.h"
#include "project/macro_place.h"
#include "project/macro_side.h"
#include "project/macro_tree.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

TObjekt* macroPad(ObjectList& list, float x, float y, std::uint8_t layer = kLayerC1) {
  TObjekt p = newObject();
  initPad(p, {x, y}, layer, kPadCircular, 3000, 8000);
  list.push_back(std::make_unique<TObjekt>(std::move(p)));
  return list.back().get();
}

TObjekt* macroSmd(ObjectList& list, float x, float y, std::uint8_t layer = kLayerC1) {
  TObjekt p = newObject();
  initSmdPad(p, {x, y}, 6000, layer, 9000);
  list.push_back(std::make_unique<TObjekt>(std::move(p)));
  return list.back().get();
}

TObjekt* macroTrack(ObjectList& list, std::initializer_list<FPoint> points,
                    std::uint8_t layer = kLayerS1) {
  TObjekt t = newObject();
  initTrack(t, 2000, layer);
  for (FPoint p : points) addPoint(t, p);
  list.push_back(std::make_unique<TObjekt>(std::move(t)));
  return list.back().get();
}

TObjekt* macroLabel(ObjectList& list, TextRole role, std::int16_t component) {
  TObjekt t = testing::textWithStroke(role == kComponentIdText ? "R1" : "4k7", {0, 0}, kLayerS1);
  t.variant = role;
  t.componentId = component;
  t.optA = 1;
  list.push_back(std::make_unique<TObjekt>(std::move(t)));
  return list.back().get();
}

// A two-pad resistor with outline and labels, anchor at its left pad.
ObjectList macroResistor() {
  ObjectList m;
  TObjekt* a = macroPad(m, 0, 0);
  TObjekt* b = macroPad(m, 100000, 0);
  testing::connect(a, b);
  macroTrack(m, {{10000, 8000}, {90000, 8000}});
  for (auto& o : m) o->componentId = 1;
  macroLabel(m, kComponentIdText, 1);
  macroLabel(m, kComponentValueText, 1);
  return m;
}

std::vector<FPoint> macroPositions(const ObjectList& list) {
  std::vector<FPoint> out;
  for (const auto& o : list) out.push_back(o->pos);
  return out;
}

// ---------------------------------------------------------------------------------------------

TEST(MacroFile, WritesAndReadsObjectsConnectionsAndLines) {
  ObjectList m = macroResistor();
  const std::string bytes = writeMacroFile(m, "Resistor 0207", std::string(60, 'x'));
  MacroContents back = parseMacro(bytes);
  ASSERT_EQ(back.objects.size(), m.size());
  EXPECT_EQ(back.line1, "Resistor 0207");
  EXPECT_EQ(back.line2, std::string(kMacroLineMax, 'x'));
  ASSERT_EQ(back.objects[0]->connections.size(), 1u);
  EXPECT_EQ(back.objects[0]->connections[0], back.objects[1].get());
  // Written again, the same bytes: nothing is lost on the way.
  EXPECT_EQ(writeMacroFile(back.objects, back.line1, back.line2), bytes);
}

TEST(MacroFile, DamagedFilesAreRefusedBeforeAllocating) {
  const std::string good = writeMacroFile(macroResistor(), "a", "b");
  std::string hugeCount = good;
  hugeCount.replace(4, 4, "\xff\xff\xff\x7f", 4);  // object count
  std::string longLine = good;
  longLine[good.size() - 2 * (kMacroLineMax + 1)] = static_cast<char>(kMacroLineMax + 1);
  std::string newer = good;
  newer[0] = 0x07;
  for (const std::string& bad :
       {hugeCount, longLine, newer, good.substr(0, good.size() - 1), std::string("\x06")}) {
    EXPECT_THROW(parseMacro(bad), FileFormatError);
  }
}

TEST(MacroFile, LoadFailureGivesTheMessageAndNoObjects) {
  const auto dir = std::filesystem::temp_directory_path() / "pravelo_macro_load";
  std::filesystem::create_directories(dir);
  const auto damaged = dir / "damaged.pvm";
  std::ofstream(damaged, std::ios::binary) << "\x06\x33\xaa\xff\x09";
  for (const auto& path : {damaged, dir / "missing.pvm", dir}) {
    LoadedMacro loaded = loadMacroFile(path, Language::English);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message, "The macro can not be loaded.");
    EXPECT_TRUE(loaded.contents.objects.empty());
  }
  ASSERT_TRUE(saveMacro(dir / "good.pvm", macroResistor(), "x", "y"));
  LoadedMacro good = loadMacroFile(dir / "good.pvm", Language::English);
  EXPECT_TRUE(good.ok);
  EXPECT_EQ(good.contents.objects.size(), 5u);
  std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------------------------------------

TEST(MacroAnchor, FollowsTheOrderOfCandidates) {
  ObjectList list;
  macroTrack(list, {{-50000, 70000}, {0, 0}});
  macroPad(list, 30000, 20000);
  macroPad(list, 30000, 40000);  // same x, higher: wins
  macroPad(list, 10000, 10000);  // further left but lower: stays
  EXPECT_EQ(macroAnchor(list, false, 0), (DPoint{30000, 40000}));

  ObjectList tracks;
  macroTrack(tracks, {{5000, 0}, {-20000, 30000}, {-20000, 10000}});
  EXPECT_EQ(macroAnchor(tracks, false, 0), (DPoint{-20000, 30000}));

  ObjectList circles;
  TObjekt c = newObject();
  initCircle(c, {12345.4f, -500}, 4000, kLayerS1, 0);
  circles.push_back(std::make_unique<TObjekt>(std::move(c)));
  EXPECT_EQ(macroAnchor(circles, false, 0), (DPoint{12345, -500}));
}

TEST(MacroAnchor, OnlySelectedObjectsCountWhenSavingTheSelection) {
  ObjectList list;
  macroPad(list, 0, 50000);
  TObjekt* chosen = macroPad(list, 40000, 0);
  macroPad(list, 60000, 0)->selected = 1;
  chosen->selected = 1;
  ObjectList macro = macroFromBoard(list, 0);
  ASSERT_EQ(macro.size(), 2u);
  EXPECT_EQ(macroPositions(macro), (std::vector<FPoint>{{0, 0}, {20000, 0}}));
  EXPECT_EQ(macro[0]->selected, 0);
}

// ---------------------------------------------------------------------------------------------

TEST(MacroSide, SilkscreenThenCopperDecides) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> objects;  // kind, layer
    bool top;
  };
  const std::vector<Case> cases = {
      {"silkscreen top", {{kPad, kLayerC1}, {kTrack, kLayerS1}}, true},
      {"silkscreen bottom", {{kPad, kLayerC2}, {kTrack, kLayerS2}}, false},
      {"through-hole on C2", {{kPad, kLayerC2}}, true},
      {"through-hole on C1", {{kPad, kLayerC1}}, false},
      {"SMD on C1", {{kSmdPad, kLayerC1}}, true},
      {"SMD on C2", {{kSmdPad, kLayerC2}}, false},
      {"both silkscreens, copper C2",
       {{kTrack, kLayerS1}, {kTrack, kLayerS2}, {kPad, kLayerC2}},
       true},
      {"copper on both sides", {{kPad, kLayerC1}, {kPad, kLayerC2}}, false},
  };
  for (const Case& c : cases) {
    ObjectList m;
    for (auto [kind, layer] : c.objects) {
      if (kind == kPad) macroPad(m, 0, 0, layer);
      if (kind == kSmdPad) macroSmd(m, 0, 0, layer);
      if (kind == kTrack) macroTrack(m, {{0, 0}, {1000, 0}}, layer);
    }
    EXPECT_EQ(isTopSideMacro(m), c.top) << c.what;
  }
}

TEST(MacroSide, FlippingTwiceAndTurningFourTimesGiveTheOriginalBack) {
  ObjectList m;
  macroPad(m, 0, 0);
  macroPad(m, 25400, -30000);
  macroTrack(m, {{-5000, 5000}, {30000, 5000}, {30000, -40000}});
  const std::string original = writeMacroFile(m, "", "");
  flipMacro(m);
  EXPECT_EQ(m[0]->layer, kLayerC2);
  EXPECT_EQ(m[2]->layer, kLayerS2);
  EXPECT_EQ(macroAnchor(m, false, 0), (DPoint{0, 0}));
  flipMacro(m);
  EXPECT_EQ(writeMacroFile(m, "", ""), original);
  for (int turn = 0; turn < 4; ++turn) {
    rotateMacro(m, true, true);
    EXPECT_EQ(macroAnchor(m, false, 0), (DPoint{0, 0})) << turn;
  }
  EXPECT_EQ(macroPositions(m), (std::vector<FPoint>{{0, 0}, {25400, -30000}, {0, 0}}));
  EXPECT_EQ(m[2]->points, (std::vector<FPoint>{{-5000, 5000}, {30000, 5000}, {30000, -40000}}));
}

TEST(MacroSide, RotatingTurnsThePlacementTheWayTheSideCounts) {
  for (bool top : {true, false}) {
    ObjectList m = macroResistor();
    TObjekt* id = m[3].get();
    id->component.placeRotation = 0;
    rotateMacro(m, true, top);
    EXPECT_EQ(id->component.placeRotation, top ? 270 : 90);
  }
}

TEST(MacroSide, AlignedLabelsFollowTheTurnHandPlacedOnesTurnWithThePart) {
  for (bool aligned : {true, false}) {
    ObjectList m = macroResistor();
    TObjekt& id = *m[3];
    TObjekt& value = *m[4];
    const std::vector<const TObjekt*> members = {m[0].get(), m[1].get(), m[2].get()};
    if (aligned) {
      placeLabelsAutomatically(id, value, componentBox(members));
    } else {
      translateObject(id, 0, 60000);
    }
    rotateMacro(m, true, true);
    const std::vector<const TObjekt*> turned = {m[0].get(), m[1].get(), m[2].get()};
    // The part now stands upright: automatic labels go to its right.
    EXPECT_EQ(labelsAtAutomaticPositions(id, value, componentBox(turned)), aligned) << aligned;
  }
}

// ---------------------------------------------------------------------------------------------

TEST(MacroPlace, TwoDropsGiveTwoGroupsAndTwoComponents) {
  const ObjectList m = macroResistor();
  ObjectList board;
  placeMacro(board, m, {100000, -200000}, {.asComponent = true});
  placeMacro(board, m, {300000, -200000}, {.asComponent = true});
  ASSERT_EQ(board.size(), 10u);
  EXPECT_NE(board[0]->componentId, 0);
  EXPECT_NE(board[0]->componentId, board[5]->componentId);
  EXPECT_EQ(board[0]->pos, (FPoint{100000, -200000}));
  // Only the last drop stays selected; connections stay within each copy.
  EXPECT_EQ(board[0]->selected, 0);
  EXPECT_EQ(board[5]->selected, 1);
  EXPECT_EQ(board[5]->connections, std::vector<TObjekt*>{board[6].get()});
}

TEST(MacroPlace, LooseObjectsOfEachDropFormTheirOwnGroup) {
  ObjectList m;
  macroPad(m, 0, 0);
  macroTrack(m, {{0, 0}, {5000, 0}});
  ObjectList board;
  placeMacro(board, m, {0, 0}, {});
  placeMacro(board, m, {0, 0}, {});
  ASSERT_EQ(board.size(), 4u);
  ASSERT_EQ(board[0]->groups.size(), 1u);
  EXPECT_EQ(board[1]->groups, board[0]->groups);
  ASSERT_EQ(board[2]->groups.size(), 1u);
  EXPECT_EQ(board[3]->groups, board[2]->groups);
  EXPECT_NE(board[0]->groups, board[2]->groups);
}

TEST(MacroPlace, WithoutComponentNoLabelsAndNoComponentNumbers) {
  ObjectList m = macroResistor();
  ObjectList board;
  EXPECT_EQ(placeMacro(board, m, {0, 0}, {.asComponent = false, .throughPads = true}), 3);
  for (const auto& o : board) {
    EXPECT_EQ(o->componentId, 0);
    EXPECT_NE(o->kind, kText);
  }
  EXPECT_EQ(board[0]->via, 1);
  EXPECT_EQ(board[2]->via, 0);
}

TEST(MacroPlace, HiddenLabelsStayBehind) {
  ObjectList m = macroResistor();
  showMacroLabels(m, false);
  ObjectList board;
  EXPECT_EQ(placeMacro(board, m, {0, 0}, {.asComponent = true}), 3);
}

// ---------------------------------------------------------------------------------------------

TEST(MacroNames, NaturalOrder) {
  std::vector<std::string> names = {"R10",
                                    "r3",
                                    "R2",
                                    "a",
                                    "B",
                                    "SOIC-08",
                                    "SOIC-8x",
                                    "x99999999999999999999999999",
                                    "x100000000000000000000000000"};
  std::ranges::sort(names, naturalLess);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "B", "R2", "r3", "R10", "SOIC-08", "SOIC-8x",
                                             "x99999999999999999999999999",
                                             "x100000000000000000000000000"}));
  EXPECT_EQ(naturalCompare("DIP", "dip"), 0);
  EXPECT_LT(naturalCompare("DIP", "DIP8"), 0);
}

TEST(MacroNames, RenameThatLeavesTheFolderIsRefused) {
  for (const char* bad : {"", "a/b", "..\\up", "..", "x..y"}) {
    EXPECT_TRUE(macroRenameProblem(bad, Language::English).has_value()) << bad;
  }
  EXPECT_EQ(*macroRenameProblem("a/b", Language::English),
            "The name \"a/b\" must contain neither a folder nor \"..\".");
  EXPECT_FALSE(macroRenameProblem("DIP 14 wide", Language::English).has_value());
}

TEST(MacroTree, FoldersAndMacrosInNaturalOrder) {
  const auto root = std::filesystem::temp_directory_path() / "pravelo_macro_tree";
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root / "ICs" / "DIP");
  std::filesystem::create_directories(root / ".hidden");
  for (const char* file : {"ICs/DIP/DIP14.pvm", "ICs/DIP/DIP8.PVM", "ICs/readme.txt", "R10.pvm",
                           "R2.pvm", ".hidden/x.pvm"}) {
    std::ofstream(root / file) << "x";
  }
  const std::vector<MacroNode> tree = buildMacroTree(root);
  ASSERT_EQ(tree.size(), 3u);
  EXPECT_EQ(tree[0].name, "ICs");
  EXPECT_FALSE(tree[0].isMacro);
  ASSERT_EQ(tree[0].children.size(), 1u);
  ASSERT_EQ(tree[0].children[0].children.size(), 2u);
  EXPECT_EQ(tree[0].children[0].children[0].name, "DIP8");
  EXPECT_EQ(tree[1].name, "R2");
  EXPECT_TRUE(tree[1].isMacro);
  EXPECT_EQ(tree[2].name, "R10");

  EXPECT_EQ(renameMacroEntry(root / "R2.pvm", "R10", Language::English),
            std::optional<std::string>("Name \"R10\" already exists."));
  EXPECT_EQ(renameMacroEntry(root / "R2.pvm", "../R3", Language::English),
            macroRenameProblem("../R3", Language::English));
  EXPECT_FALSE(std::filesystem::exists(root.parent_path() / "R3.pvm"));
  EXPECT_EQ(renameMacroEntry(root / "R2.pvm", "R3", Language::English), std::nullopt);
  EXPECT_TRUE(std::filesystem::exists(root / "R3.pvm"));
  EXPECT_EQ(renameMacroEntry(root / "gone.pvm", "R4", Language::English),
            std::optional<std::string>("Cannot rename file."));
  std::filesystem::remove_all(root);
}

TEST(MacroTree, BundledLibraryGoesOnlyIntoAnEmptyFolder) {
  const auto base = std::filesystem::temp_directory_path() / "pravelo_macro_bundle";
  std::filesystem::remove_all(base);
  std::filesystem::create_directories(base / "bundled" / "Resistors");
  std::ofstream(base / "bundled" / "Resistors" / "R.pvm") << "x";
  EXPECT_TRUE(installBundledLibrary(base / "bundled", base / "user"));
  EXPECT_TRUE(std::filesystem::exists(base / "user" / "Resistors" / "R.pvm"));
  std::filesystem::remove(base / "user" / "Resistors" / "R.pvm");
  EXPECT_FALSE(installBundledLibrary(base / "bundled", base / "user"));  // not empty: a folder
  std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace pravelo
