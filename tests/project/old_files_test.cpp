// Older layout and macro files through the whole load: conversion, repairs, the note on the
// exchanged copper sides, the macro layer numbering, Open and Import, and saving as version 6.

#include <gtest/gtest.h>

#include <limits>

#include "document/file_format_error.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "project/layout_load.h"
#include "project/macro_file.h"
#include "project/open_commands.h"
#include "support/file_bytes.h"
#include "support/old_file_bytes.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::OldObject;
using testing::OldSection;

const std::string kOldNoticeEnglish =
    "This layout was create with an older version.\n\n"
    "The elements on the copper-layer C1 and C2 will be exchanged,\n"
    "because of the new layer-structure.";

TEST(OldLayoutLoad, LegacyTextsBecomeStrokeTextsOfTheAbsoluteHeight) {
  // clang-format off
  const OldSection section{{
    {.image = {.kind = 3, .x1 = 100, .y1 = -100, .x2 = 300, .y2 = -130, .width = -20, .layer = 2,
               .text = "AB", .paramA = 90}, .groups = {4}},
    {.image = {.kind = 3, .x1 = 100, .y1 = -200, .width = 20, .layer = 4, .text = "C"}},
    {.image = {.kind = 3, .x1 = 100, .y1 = -300, .width = -20, .layer = 2, .text = ""}},
    {.image = {.kind = 3, .x1 = 100, .y1 = -400, .width = -20, .layer = 2, .text = "   "}},
  }};
  // clang-format on
  const LayoutContents read = readLayout(testing::earlyLayoutBytes(2, 1600, 1000, section));
  const ObjectList& objects = read.boards[0]->objects;
  ASSERT_EQ(objects.size(), 2u);  // the texts without content are gone
  for (const auto& text : objects) {
    EXPECT_EQ(text->kind, kText);
    // 2000 units as a font height: 2000 * 72 / 96 / 10000 * 0.9 mm, whatever its sign.
    EXPECT_EQ(text->dim, (FPoint{1350, 2}));
    EXPECT_EQ(text->width, 1);
    EXPECT_FALSE(text->children.empty());
  }
  EXPECT_EQ(objects[0]->text, "AB");
  EXPECT_EQ(objects[0]->paramB, 90);
  EXPECT_EQ(objects[0]->groups, (std::vector<std::int32_t>{4}));
  EXPECT_EQ(objects[1]->layer, kLayerS2);
}

TEST(OldLayoutLoad, RepairsOfTodaysFilesApplyToo) {
  // clang-format off
  OldSection section{{
    {.image = {.kind = 5, .x2 = 30, .y2 = 20, .width = 90, .layer = 2, .paramA = 45}},
    {.image = {.kind = 6, .width = 3, .layer = 1}, .points = {{1, 1}}},  // one vertex: removed
    {.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 2, .variant = 1}, .partner = -1},
  }};
  section.connections = {{}};
  // clang-format on
  const LayoutContents read = readLayout(testing::oldLayoutBytes(3, {{"B", {}, section}}, 7));
  const ObjectList& objects = read.boards[0]->objects;
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]->paramA, 45000);
  EXPECT_EQ(objects[0]->width, 90000);
  EXPECT_EQ(objects[1]->paramA, static_cast<std::int32_t>(0x55555555));  // spokes on every layer
  EXPECT_EQ(objects[1]->via, 0);
  Document doc;
  installLayout(doc, readLayout(testing::oldLayoutBytes(3, {{"B", {}, section}}, 7)));
  EXPECT_EQ(doc.activeBoard, 0);  // the stored index lies outside the boards
}

TEST(OldLayoutLoad, HugeHeaderProductsStayWithinTheBoardLimits) {
  testing::OldHeader h;
  h.width = 2000000000;
  h.height = -5;
  h.grid = std::numeric_limits<double>::infinity();
  h.zoom = 1e300;
  const LayoutContents read = readLayout(testing::oldLayoutBytes(5, {{"B", h, {}}}, 0));
  const BoardHeader& header = read.boards[0]->header;
  EXPECT_EQ(header.width, kMaxBoardSide);
  EXPECT_EQ(header.height, 1000000);  // not positive: a new board's height
  EXPECT_EQ(header.grid, 12700);
  EXPECT_EQ(header.zoom, kMaxZoom);
}

TEST(OldLayoutLoad, SavingWritesVersion6ThatReadsBackUnchanged) {
  OldSection section{
      {{.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 1, .variant = 2}, .partner = 1},
       {.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 3, .variant = 2}, .partner = 0},
       {.image = {.kind = 3, .width = -20, .layer = 2, .text = "X"}}}};
  section.connections = {{}, {}};
  for (const std::string& bytes : {testing::earlyLayoutBytes(0, 1600, 1000, section),
                                   testing::oldLayoutBytes(3, {{"B", {}, section}}, 0),
                                   testing::oldLayoutBytes(4, {{"B", {}, section}}, 0)}) {
    Document doc;
    installLayout(doc, readLayout(bytes));
    const std::string saved = writeLayout(doc);
    EXPECT_EQ(saved.substr(0, 4), std::string("\x06\x33\xAA\xFF", 4));
    Document again;
    installLayout(again, readLayout(saved));
    EXPECT_EQ(writeLayout(again), saved);
  }
}

TEST(OldLayoutLoad, CopperNoticeForVersionsUpTo3InEveryLanguage) {
  for (int version = 0; version <= 6; ++version) {
    EXPECT_EQ(copperExchangeNotice(version, Language::English),
              version <= 3 ? kOldNoticeEnglish : "")
        << version;
  }
  EXPECT_EQ(copperExchangeNotice(3, Language::German),
            "Dieses Layout wurde mit einer älteren Version erstellt.\n\n"
            "Die Elemente auf den Kupferlayer K1 und K2 werden automatisch getauscht,\n"
            "da sich die Layer-Struktur geändert hat.");
  EXPECT_EQ(copperExchangeNotice(0, Language::French),
            "Ce layout a été créé avec une version antérieure.\n\n"
            "Les éléments des couches cuivre C1 et C2 seront échangés,\n"
            "en raison de la nouvelle structure des couches.");
}

// ---------------------------------------------------------------------------------------------

TEST(OldMacroFile, LayersBelowVersion5AreRenumberedAndLinesComeWithVersion4) {
  const OldSection section{{{.image = {.kind = 5, .x2 = 10, .layer = 5}},
                            {.image = {.kind = 5, .x2 = 10, .layer = 6}},
                            {.image = {.kind = 5, .x2 = 10, .layer = 1}}}};
  struct Case {
    int version;
    std::vector<int> layers;
    const char* line1;
  };
  const Case cases[] = {{0, {3, 2, 1}, ""},
                        {2, {3, 2, 1}, ""},
                        {3, {3, 2, 1}, ""},
                        {4, {3, 2, 1}, "Widerstand"},
                        {5, {5, 6, 1}, "Widerstand"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const MacroContents macro =
        readMacro(testing::oldMacroBytes(c.version, section, "Widerstand", "0207"));
    ASSERT_EQ(macro.objects.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(macro.objects[i]->layer, c.layers[i]);
    EXPECT_EQ(macro.line1, c.line1);
    EXPECT_EQ(macro.line2, c.version >= 4 ? "0207" : "");
    EXPECT_EQ(macro.objects[0]->dim.x, 1000);
  }
}

TEST(OldMacroFile, PlatedPairsMergeAndStrokeTextsArrive) {
  OldSection section{
      {{.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 1, .variant = 1}, .partner = 1},
       {.image = {.kind = 2, .x2 = 30, .y2 = 10, .layer = 5, .variant = 1}, .partner = 0},
       {.image = {.kind = 3, .width = -20, .layer = 6, .text = "R?"}}}};
  section.connections = {{}, {}};
  const MacroContents macro = readMacro(testing::oldMacroBytes(3, section));
  ASSERT_EQ(macro.objects.size(), 2u);
  EXPECT_EQ(macro.objects[0]->via, 1);
  EXPECT_EQ(macro.objects[0]->layer, kLayerC1);
  EXPECT_EQ(macro.objects[1]->kind, kText);
  EXPECT_EQ(macro.objects[1]->layer, kLayerS1);
}

TEST(OldMacroFile, DamagedOldMacrosAreRefused) {
  const OldSection section{{{.image = {.kind = 6, .layer = 1}, .points = {{0, 0}, {1, 1}}}}};
  for (int version = 0; version <= 5; ++version) {
    const std::string bytes = testing::oldMacroBytes(version, section, "a", "b");
    ASSERT_NO_THROW(parseMacro(bytes)) << version;
    for (std::size_t size = 4; size < bytes.size(); ++size) {
      EXPECT_THROW(parseMacro(bytes.substr(0, size)), FileFormatError) << version << " " << size;
    }
  }
}

// ---------------------------------------------------------------------------------------------

class OpenOldLayout : public ::testing::Test {
 protected:
  void SetUp() override { setLanguage(Language::English); }
  void TearDown() override { setLanguage(Language::German); }

  std::string write(const std::string& name, const std::string& bytes) {
    const std::string path = folder.file(name);
    testing::writeBytes(path, bytes);
    return path;
  }

  testing::TempFolder folder;
  testing::ScriptedHost host;
  Document doc = defaultDocument();
  std::vector<std::string> recent;
};

TEST_F(OpenOldLayout, TellsOfTheExchangedCopperSidesAndFitsBoardsWithoutView) {
  const OldSection section{{{.image = {.kind = 5, .x2 = 10, .layer = 1}}}};
  struct Case {
    std::string path;
    bool notice;
    bool fitView;
  };
  const Case cases[] = {
      {write("zwei.pvb", testing::earlyLayoutBytes(2, 1600, 1000, section)), true, true},
      {write("drei.pvb", testing::oldLayoutBytes(3, {{"B", {}, section}}, 0)), true, false},
      {write("vier.pvb", testing::oldLayoutBytes(4, {{"B", {}, section}}, 0)), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    host.messages.clear();
    const OpenOutcome outcome =
        openLayoutFile(doc, host, recent, c.path, OpenedFrom::Dialog, [] { return true; });
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.fitView, c.fitView);
    EXPECT_EQ(doc.fileName, c.path);
    ASSERT_EQ(host.messages.size(), c.notice ? 1u : 0u);
    if (c.notice) {
      EXPECT_EQ(host.messages[0].text, kOldNoticeEnglish);
      EXPECT_EQ(host.messages[0].title, "Pravelo-Board");
      EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
    }
  }
  host.messages.clear();
  const OpenOutcome imported = importBoardsFromFile(doc, host, cases[0].path);
  EXPECT_TRUE(imported.fitView);
  EXPECT_EQ(doc.boards.size(), 2u);
  EXPECT_EQ(activeBoard(doc).name, "Board 1");
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(OpenOldLayout, ADamagedOldFileChangesNothing) {
  const std::string bytes = testing::oldLayoutBytes(4, {{"B", {}, {}}}, 0);
  const std::string path = write("kaputt.pvb", bytes.substr(0, bytes.size() - 3));
  doc.fileName = "/vorher.pvb6";
  EXPECT_FALSE(openLayoutFile(doc, host, recent, path, OpenedFrom::Dialog, [] { return true; }));
  EXPECT_EQ(doc.fileName, "/vorher.pvb6");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
  EXPECT_NE(host.messages[0].text.find("project comment"), std::string::npos);
}

}  // namespace
}  // namespace pravelo
