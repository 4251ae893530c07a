#include "cli/edit_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "geometry/point.h"
#include "project/boards.h"
#include "project/layout_load.h"
#include "support/scan_files.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::fileBytes;

// An empty 100 mm × 80 mm board to edit.
class CliEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    auto board = std::make_unique<Board>();
    board->name = "Board 1";
    board->header = newBoardHeader(1000000, 800000);
    board->header.activeLayer = kLayerC1;
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    testing::writeBytes(in, writeLayout(doc));
  }

  int edit(const std::string& script, std::vector<std::string> extra = {}) {
    testing::writeBytes(scriptFile, script);
    std::vector<std::string> args{"edit", in, out, "--script", scriptFile};
    args.insert(args.end(), extra.begin(), extra.end());
    stdOut.str("");
    stdErr.str("");
    return runCli(args, stdOut, stdErr);
  }

  Document result() {
    Document doc;
    installLayout(doc, readLayout(fileBytes(out)));
    return doc;
  }

  testing::TempFolder folder;
  const std::string in = folder.file("in.pvb6");
  const std::string out = folder.file("out.pvb6");
  const std::string scriptFile = folder.file("script.txt");
  std::ostringstream stdOut;
  std::ostringstream stdErr;
};

TEST_F(CliEdit, TraceShowsTheMeasureBoxWhileMeasuringAndTheFileStaysAsItWas) {
  // Grid points: the 1.27 mm grid runs from the bottom-left origin at y = -800000.
  const std::string script =
      "tool measure\n"
      "press 127000 -165000\n"
      "move 177800 -126900 left\n"
      "release 177800 -126900\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  std::istringstream lines(stdOut.str());
  std::vector<nlohmann::json> trace;
  for (std::string line; std::getline(lines, line);) trace.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(trace.size(), 4u);
  EXPECT_FALSE(trace[0].contains("measure"));
  EXPECT_EQ(trace[2]["measure"],
            nlohmann::json::array({"X: 17.780 mm", "Y: 67.310 mm", "dX: 5.080 mm", "dY: 3.810 mm",
                                   "Dist: 6.350 mm", "Angle: 36.9\u00B0"}));
  EXPECT_FALSE(trace[3].contains("measure"));
  EXPECT_EQ(trace[3]["undo"], 0);
  EXPECT_EQ(trace[3]["modified"], false);
  EXPECT_EQ(fileBytes(out), fileBytes(in));
}

TEST_F(CliEdit, PlacesPadsSelectsAndUndoesAsTheWindowWould) {
  const std::string script =
      "# two pads, one taken back\n"
      "tool pad\n"
      "click 127000 -127000\n"
      "click 254000 -127000\n"
      "undo\n"
      "tool edit\n"
      "click 127000 -127000\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 1u);
  EXPECT_FLOAT_EQ(doc.boards[0]->objects[0]->pos.x, 127000);

  std::istringstream lines(stdOut.str());
  std::vector<nlohmann::json> trace;
  for (std::string line; std::getline(lines, line);) trace.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(trace.size(), 6u) << "one object per command line";
  EXPECT_EQ(trace[0]["line"], 2);
  EXPECT_EQ(trace[0]["tool"], "pad");
  EXPECT_EQ(trace[0]["help"], "PAD:  Place with left mouse button, abort with right mouse button");
  EXPECT_EQ(trace[2]["undo"], 2);
  EXPECT_EQ(trace[3]["undo"], 1);
  EXPECT_EQ(trace[3]["redo"], 1);
  EXPECT_EQ(trace[3]["objects"], 1);
  EXPECT_EQ(trace[5]["selected"], nlohmann::json::array({0}));
  EXPECT_EQ(trace[5]["modified"], true);
}

TEST_F(CliEdit, AutorouteToolRoutesAndDissolvesAConnection) {
  const std::string place =
      "tool pad\n"
      "click 127000 -127000\n"
      "click 508000 -127000\n"
      "tool connections\n"
      "move 127000 -127000\n"
      "click 127000 -127000\n"
      "move 508000 -127000\n"
      "click 508000 -127000\n"
      "tool autoroute\n"
      "move 317500 -127000\n"
      "click 317500 -127000\n";
  ASSERT_EQ(edit(place), kExitOk) << stdErr.str();
  Document doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 3u);
  const TObjekt& track = *doc.boards[0]->objects[2];
  EXPECT_EQ(track.autorouted, 1);
  EXPECT_EQ(track.points,
            (std::vector<FPoint>{doc.boards[0]->objects[1]->pos, doc.boards[0]->objects[0]->pos}));
  EXPECT_TRUE(doc.boards[0]->objects[0]->connections.empty());

  ASSERT_EQ(edit(place + "move 317500 -127000\nclick 317500 -127000\n"), kExitOk) << stdErr.str();
  doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 2u);
  EXPECT_EQ(doc.boards[0]->objects[0]->connections.size(), 1u);
}

TEST_F(CliEdit, ABadLineStopsWithItsNumberAndWritesNothing) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"tool pad\nfrobnicate\n", ":2: "},
      {"tool hammer\n", ":1: "},
      {"\n\nclick 1 x\n", ":3: "},
      {"key f99\n", ":1: "},
      {"size width 1\n", ":1: "},
      {"command Frobnicate1\n", "no menu item or button: Frobnicate1"},
      {"command Vorlage1\n", "not available in scripts: Vorlage1"},
      {"command TB_Save\n", "not available in scripts: TB_Save"},
      {"answer menu cut\n", ":1: "},
      {"rectangle round\n", ":1: "},
      {"cutout track 1\n", ":1: "},
      {"cutout zone 1\n", ":1: "},  // no ground plane on the active layer
  };
  // clang-format on
  for (const auto& [script, where] : cases) {
    EXPECT_EQ(edit(script), kExitUsage) << script;
    EXPECT_NE(stdErr.str().find(where), std::string::npos) << stdErr.str();
    EXPECT_FALSE(std::filesystem::exists(out)) << script;
  }
}

// The scanned-copy dialog's settings, side by side; each line marks the layout modified.
TEST_F(CliEdit, TemplateLinesLoadAndAdjustTheScannedCopies) {
  const std::string scan = folder.file("scan.bmp");
  testing::writeBytes(scan, testing::scanBmp(16, 16, 150));
  const std::string script = "template load 2 " + scan +
                             "\n"
                             "template dpi 2 1200\n"
                             "template offset 2 -150 250\n"
                             "template tint 2 FF8000\n"
                             "template show 2 0\n"
                             "template load 1 " +
                             scan +
                             "\n"
                             "template remove 1\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  EXPECT_NE(stdOut.str().find("\"line\":1,\"modified\":true"), std::string::npos) << stdOut.str();
  const Document doc = result();
  const BoardHeader& h = doc.boards[0]->header;
  EXPECT_EQ(h.templateFile, (std::array<std::string, 2>{"", scan}));
  EXPECT_EQ(h.templateShown, (std::array<std::uint8_t, 2>{0, 0}));
  EXPECT_EQ(h.templateDpi, (std::array<std::int32_t, 2>{150, 1200}));
  EXPECT_EQ(h.templateOffsetX[1], -150);
  EXPECT_EQ(h.templateOffsetY[1], 250);
  EXPECT_EQ(h.templateTint[1], 0x0080FF);  // kept as 0x00BBGGRR

  // A scan that has gone is reported; one moved beside the layout is found by its name.
  std::filesystem::create_directories(folder.file("away"));
  const std::string moved = folder.file("away/moved.pvb6");
  std::filesystem::rename(out, moved);
  std::filesystem::rename(scan, folder.file("elsewhere.bmp"));
  testing::writeBytes(scriptFile, "template show 2 1\n");
  const std::vector<std::string> args{"edit", moved, out, "--script", scriptFile};
  ASSERT_EQ(runCli(args, stdOut, stdErr), kExitUsage);
  EXPECT_NE(stdErr.str().find("Can not find the scanned-copy-bitmap: " + scan), std::string::npos)
      << stdErr.str();
  std::filesystem::rename(folder.file("elsewhere.bmp"), folder.file("away/scan.bmp"));
  ASSERT_EQ(runCli(args, stdOut, stdErr), kExitOk) << stdErr.str();
  EXPECT_EQ(result().boards[0]->header.templateFile[1], folder.file("away/scan.bmp"));
  EXPECT_EQ(result().boards[0]->header.templateShown[1], 1);
}

TEST_F(CliEdit, ARefusedTemplateLineStopsTheScript) {
  testing::writeBytes(folder.file("broken.jpg"), "no picture");
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"template dpi 1 19\n", "The resolution lies between 20 and 2400 dpi: 19"},
      {"template dpi 2 2401\n", "between 20 and 2400 dpi: 2401"},
      {"template offset 1 0 3001\n", "The offset lies between -3000 and 3000 (1/10 mm): 3001"},
      {"template offset 1 -3001 0\n", "(1/10 mm): -3001"},
      {"template tint 1 12345G\n", "colour is RRGGBB in hexadecimal digits: 12345G"},
      {"template tint 1 0x1234\n", "RRGGBB in hexadecimal digits: 0x1234"},
      {"template show 1 1\n", "No scanned copy is loaded on side 1."},
      {"template remove 3\n", "side is 1 or 2: 3"},
      {"template load 1 " + folder.file("missing.bmp") + "\n", "Can not find the scanned-copy-bitmap"},
      {"template load 2 " + folder.file("broken.jpg") + "\n", "Error loading scanned-copy-bitmap"},
      {"template turn 1\n", "unknown word: turn"},
      {"template dpi 1\n", "too few words for template"},
  };
  // clang-format on
  for (const auto& [script, why] : cases) {
    EXPECT_EQ(edit(script), kExitUsage) << script;
    EXPECT_NE(stdErr.str().find(why), std::string::npos) << stdErr.str();
    EXPECT_FALSE(std::filesystem::exists(out)) << script;
  }
}

// Menu items and buttons run their commands as in the window, modifier keys included.
TEST_F(CliEdit, CommandsRunTheirMenuItemsAndButtons) {
  const std::string script =
      "tool pad\n"
      "click 127000 -127000\n"
      "click 254000 -127000\n"
      "command SB_Standard\n"
      "command Allesmarkieren1\n"
      "command Lschen1\n"
      "command Undo\n"
      "click 12000 -23000 right\n"
      "command Nullpunktsetzen1 ctrl\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  EXPECT_EQ(doc.boards[0]->objects.size(), 2u);
  EXPECT_EQ(doc.boards[0]->header.originX, 12000);
  EXPECT_EQ(doc.boards[0]->header.originY, -23000);
}

// The name prompt and the tile dialog are answered by queued lines; copies carry the name.
TEST_F(CliEdit, NamesTilesAndTheCleanUpCommandsRunFromAScript) {
  const std::string script =
      "tool pad\n"
      "click 127000 -127000\n"
      "command SB_Standard\n"
      "click 127000 -127000\n"
      "answer value \"  GND  \"\n"
      "command Benennen1\n"
      "answer tile mode=circular count=4 radius=10 angle=90 rotate=1\n"
      "command Kacheln1\n"
      "click 500000 -500000\n"
      "click 127000 -327000 right\n"
      "command MarkiereNamen1\n"
      "answer tile mode=tile columns=2 rows=1 dx=-99.99\n"
      "command Kacheln2\n"
      "command Gruppierungaufheben1\n"  // else the copies outside stay with their group
      "command LscheElementeausserhalb1\n"
      "answer ok\n"
      "command LS_Reset\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 4u) << "the copies of the second tile lay outside";
  const DPoint expected[] = {{0, 0}, {10, -10}, {0, -20}, {-10, -10}};
  const FPoint first = objects[0]->pos;  // on the grid near where the pad tool clicked
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(objects[i]->name, "GND");
    EXPECT_NEAR(objects[i]->pos.x, first.x + expected[i].x * 10000, 1) << i;
    EXPECT_NEAR(objects[i]->pos.y, first.y + expected[i].y * 10000, 1) << i;
    EXPECT_EQ(objects[i]->solderMask, 1);
  }
  EXPECT_NE(stdOut.str().find("\"selected\":[0,1,2,3]"), std::string::npos) << stdOut.str();
}

TEST_F(CliEdit, BadTileAnswersStopTheScript) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"answer tile count=0\n", "count"},
      {"answer tile columns=2.5\n", "columns"},
      {"answer tile radius=300\n", "radius"},
      {"answer tile mode=square\n", "square"},
      {"answer tile rotate=yes\n", "rotate"},
      {"answer tile spin=1\n", "spin"},
      {"answer tile columns\n", "columns"},
  };
  // clang-format on
  for (const auto& [script, word] : cases) {
    EXPECT_EQ(edit(script), kExitUsage) << script;
    EXPECT_NE(stdErr.str().find(word), std::string::npos) << stdErr.str();
  }
}

// Two pads, both selected, made a component through the context menu's "Component...".
const char* const kMakeComponent =
    "tool pad\n"
    "click 127000 -127000\n"
    "click 254000 -127000\n"
    "command SB_Standard\n"
    "command Allesmarkieren1\n"
    "click 600000 -600000 right\n"
    "answer ok\n"
    "answer component id=R1 value=\"10 k\" valuelayer=S2 height=1.5 package=0805 pickplace=1 "
    "rotation=90 ok\n"
    "command Bauteil1\n";

TEST_F(CliEdit, ScriptsMakeAndEditComponents) {
  const std::string script = std::string(kMakeComponent) +
                             "click 127000 -127000 right\n"
                             "answer component id=R2 cancel\n"
                             "command Bauteil1\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 4u);
  for (const auto& o : objects) EXPECT_EQ(o->componentId, 1) << "numbered from 1 on loading";
  const TObjekt& id = *objects[2];
  const TObjekt& value = *objects[3];
  EXPECT_EQ(id.variant, kComponentIdText);
  EXPECT_EQ(id.text, "R1") << "the cancelled edit left the ID";
  EXPECT_FLOAT_EQ(id.dim.x, 15000);
  EXPECT_EQ(id.component.package, "0805");
  EXPECT_EQ(id.component.placeRotation, 90);
  EXPECT_EQ(id.component.usePickPlace, 1);
  EXPECT_EQ(value.variant, kComponentValueText);
  EXPECT_EQ(value.text, "10 k");
  EXPECT_EQ(value.layer, kLayerS2);
  EXPECT_EQ(value.optB, 1);
  std::istringstream lines(stdOut.str());
  std::string line, last;
  while (std::getline(lines, line)) last = line;
  EXPECT_EQ(nlohmann::json::parse(last)["undo"], 3) << "two pads and one component";
}

TEST_F(CliEdit, ScriptsBreakAComponentUp) {
  const std::string script = std::string(kMakeComponent) +
                             "click 127000 -127000 right\n"
                             "answer component disintegrate\n"
                             "answer ok\n"
                             "command Bauteil1\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 2u);
  for (const auto& o : objects) {
    EXPECT_EQ(o->componentId, 0);
    EXPECT_EQ(o->groups, std::vector<std::int32_t>{1});
  }
}

TEST_F(CliEdit, TheComponentListSelectsEditsAndOpensRows) {
  const std::string script = std::string(kMakeComponent) +
                             "command Allesmarkieren1\n"  // all selected, then only the row
                             "parts select 1\n"
                             "parts name 1 R\xC3\xA9 7\n"
                             "parts value 1 4k7\n"
                             "answer component package=SOT23 ok\n"
                             "parts open 1\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 4u);
  EXPECT_EQ(objects[2]->text, "R\xE9 7") << "kept in Windows-1252";
  EXPECT_EQ(objects[3]->text, "4k7");
  EXPECT_EQ(objects[2]->component.package, "SOT23");
  std::istringstream lines(stdOut.str());
  std::string line, last;
  while (std::getline(lines, line)) last = line;
  EXPECT_EQ(nlohmann::json::parse(last)["undo"], 6) << "each edit and the dialog one step";

  for (const char* bad : {"parts select 2\n", "parts select 0\n", "parts rename 1 X\n"}) {
    EXPECT_EQ(edit(std::string(kMakeComponent) + bad), kExitUsage) << bad;
  }
}

TEST_F(CliEdit, BadComponentAnswersStopTheScript) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"answer component idlayer=S3\n", "S3"},
      {"answer component height=0\n", "height"},
      {"answer component style=bold\n", "style"},
      {"answer component offsetx=100\n", "offsetx"},
      {"answer component spin=1\n", "spin"},
      {"answer component id\n", "id"},
      {"answer component comment=\"open\n", "comment"},
  };
  // clang-format on
  for (const auto& [script, word] : cases) {
    EXPECT_EQ(edit(script), kExitUsage) << script;
    EXPECT_NE(stdErr.str().find(word), std::string::npos) << stdErr.str();
  }
}

// The clipboard lives for the whole script: a copy on one board is pasted on another.
TEST_F(CliEdit, ACopyOnOneBoardIsPastedOnAnother) {
  Document doc;
  for (const char* name : {"A", "B"}) addBoard(doc, name, 1000000, 800000);
  doc.activeBoard = 0;
  testing::writeBytes(in, writeLayout(doc));
  const std::string script =
      "tool pad\n"
      "click 127000 -127000\n"
      "command SB_Standard\n"
      "command Allesmarkieren1\n"
      "command Kopieren1\n"
      "board 1\n"
      "move 254000 -254000\n"
      "command Einfgen1\n"
      "click 254000 -254000\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document result = this->result();
  ASSERT_EQ(result.boards[1]->objects.size(), 1u);
  EXPECT_FLOAT_EQ(result.boards[1]->objects[0]->pos.x, 254000);
  EXPECT_EQ(result.boards[0]->objects.size(), 1u);
}

TEST_F(CliEdit, SizeFieldsSetTheSizesOfNewPadsInMillimetres) {
  ASSERT_EQ(edit("size diameter 2.5\nsize drill 3\ntool pad\nclick 127000 -127000\n"), kExitOk)
      << stdErr.str();
  const Document doc = result();
  const TObjekt& pad = *doc.boards[0]->objects.at(0);
  EXPECT_FLOAT_EQ(pad.dim.y, 15000) << "drill radius";
  EXPECT_FLOAT_EQ(pad.dim.x, 15000) << "the drill raised the diameter";
}

TEST_F(CliEdit, DrawsATrackAndSplitsItThroughTheNodeMenu) {
  const std::string script =
      "zoom 0.01\n"
      "tool track\n"
      "click 100000 -100000 ctrl shift\n"
      "click 300000 -100000 ctrl shift\n"
      "click 300000 -300000 ctrl shift\n"
      "key esc\n"
      "click 200000 -100000\n"  // selects the track
      "answer menu split\n"
      "click 300000 -100000 right\n";  // the node menu of the corner
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 2u);
  EXPECT_EQ(doc.boards[0]->objects[0]->points.size(), 2u);
  EXPECT_EQ(doc.boards[0]->objects[1]->points.size(), 2u);
}

TEST_F(CliEdit, RectangleModeAndCutOutButtons) {
  const std::string script =
      "zoom 0.01\n"
      "rectangle zone\n"
      "tool rectangle\n"
      "drag 100000 -100000 300000 -200000 ctrl shift\n"
      "rectangle track\n"
      "drag 400000 -100000 500000 -200000 ctrl shift\n"
      "command SB_AutoMasse\n"
      "cutout rect 1\n"
      "drag 600000 -100000 700000 -200000 ctrl shift\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 3u);
  EXPECT_EQ(doc.boards[0]->objects[0]->kind, kZone);
  EXPECT_EQ(doc.boards[0]->objects[1]->kind, kTrack);
  EXPECT_EQ(doc.boards[0]->objects[1]->points.size(), 5u);
  EXPECT_EQ(doc.boards[0]->objects[2]->kind, kZone);
  EXPECT_EQ(doc.boards[0]->objects[2]->cutout, 1);
}

// Seen from the bottom the board is mirrored: a click zooms in about the mirrored point. The
// ground plane cannot be switched meanwhile, and the view changes nothing else.
TEST_F(CliEdit, ThePhotoViewZoomsAboutTheMirroredPointFromBelow) {
  const std::string script =
      "zoom 0.01\n"
      "scroll 0 0\n"
      "photo side bottom\n"
      "tool photo\n"
      "click 300000 -400000\n"
      "command SB_AutoMasse\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  const BoardHeader& header = doc.boards[0]->header;
  EXPECT_DOUBLE_EQ(header.zoom, 0.014);
  EXPECT_EQ(header.scrollX, 9000);  // (1000000 - 300000) * 0.014 - 1600 / 2
  EXPECT_EQ(header.scrollY, 5100);  // 400000 * 0.014 - 1000 / 2
  EXPECT_EQ(header.groundPlane[kLayerC1 - 1], 0);
  EXPECT_TRUE(doc.boards[0]->objects.empty());

  for (const char* bad : {"photo side left\n", "photo xray off\n", "photo\n"}) {
    EXPECT_EQ(edit(bad), kExitUsage) << bad;
  }
}

// The example script of the README, on the example board: what it says it does, it does.
TEST(CliEditExample, TheReadmeScriptPlacesTwoPadsAndAnSmdPadAndMovesOne) {
  const std::string examples = std::string(PRAVELO_SOURCE_DIR) + "/examples/";
  const std::string script = fileBytes(examples + "place-pads.script");
  EXPECT_NE(fileBytes(std::string(PRAVELO_SOURCE_DIR) + "/README.md").find(script),
            std::string::npos)
      << "the README shows the script as it is";
  testing::TempFolder folder;
  const std::string out = folder.file("out.pvb6");
  std::ostringstream stdOut;
  std::ostringstream stdErr;
  ASSERT_EQ(
      runCli({"edit", examples + "example.pvb6", out, "--script", examples + "place-pads.script"},
             stdOut, stdErr),
      kExitOk)
      << stdErr.str();
  Document before;
  installLayout(before, readLayout(fileBytes(examples + "example.pvb6")));
  Document after;
  installLayout(after, readLayout(fileBytes(out)));
  const Board& board = activeBoard(after);
  const std::size_t added = activeBoard(before).objects.size();
  ASSERT_EQ(board.objects.size(), added + 3);
  const TObjekt& first = *board.objects[added];
  const TObjekt& second = *board.objects[added + 1];
  const TObjekt& smd = *board.objects[added + 2];
  EXPECT_EQ(first.kind, kPad);
  EXPECT_EQ(second.kind, kPad);
  EXPECT_EQ(smd.kind, kSmdPad);
  EXPECT_FLOAT_EQ(first.dim.x, 10000) << "2 mm across";
  EXPECT_FLOAT_EQ(first.dim.y, 4000) << "0.8 mm drill";
  EXPECT_FLOAT_EQ(second.pos.x - first.pos.x, 25400);
  EXPECT_FLOAT_EQ(second.pos.y - first.pos.y, 25400) << "the first pad moved 2.54 mm down";
  EXPECT_FLOAT_EQ(smd.dim.x, 15000);
  EXPECT_FLOAT_EQ(smd.dim.y, 8000);
}

TEST(CliEditExample, TheReadmeDrawingScriptDrawsThroughAViaAndSplits) {
  const std::string examples = std::string(PRAVELO_SOURCE_DIR) + "/examples/";
  const std::string script = fileBytes(examples + "draw-track.script");
  EXPECT_NE(fileBytes(std::string(PRAVELO_SOURCE_DIR) + "/README.md").find(script),
            std::string::npos)
      << "the README shows the script as it is";
  testing::TempFolder folder;
  const std::string out = folder.file("out.pvb6");
  std::ostringstream stdOut;
  std::ostringstream stdErr;
  ASSERT_EQ(
      runCli({"edit", examples + "example.pvb6", out, "--script", examples + "draw-track.script"},
             stdOut, stdErr),
      kExitOk)
      << stdErr.str();
  Document before;
  installLayout(before, readLayout(fileBytes(examples + "example.pvb6")));
  Document after;
  installLayout(after, readLayout(fileBytes(out)));
  const Board& board = activeBoard(after);
  const std::size_t added = activeBoard(before).objects.size();
  ASSERT_EQ(board.objects.size(), added + 4);
  const TObjekt& first = *board.objects[added];
  const TObjekt& via = *board.objects[added + 1];
  const TObjekt& onward = *board.objects[added + 2];
  const TObjekt& piece = *board.objects[added + 3];
  EXPECT_EQ(first.points, (std::vector<FPoint>{{127000, -127000}, {190500, -190500}}));
  EXPECT_EQ(via.kind, kPad);
  EXPECT_EQ(via.via, 1);
  EXPECT_EQ(onward.layer, kLayerC1);
  EXPECT_EQ(onward.points, (std::vector<FPoint>{{254000, -190500}, {254000, -317500}}));
  EXPECT_EQ(piece.points, (std::vector<FPoint>{{254000, -190500}, {190500, -190500}}));
}

TEST_F(CliEdit, AnAnswerFillsTheNextTextDialogAndAClickPlacesTheText) {
  const std::string script =
      "answer text=\"TOP SIDE\" height=1.5 thickness=bold style=wide mirror=v rotation=90\n"
      "tool text\n"
      "click 127000 -127000\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 1u);
  const TObjekt& text = *doc.boards[0]->objects[0];
  EXPECT_EQ(text.kind, kText);
  EXPECT_EQ(text.text, "TOP SIDE");
  EXPECT_FLOAT_EQ(text.dim.x, 15000);
  EXPECT_FLOAT_EQ(text.dim.y, 2);
  EXPECT_EQ(text.width, 2);
  EXPECT_EQ(text.paramB, 90);
  EXPECT_EQ(text.optB, 0);
  EXPECT_EQ(text.optC, 1);
  EXPECT_FLOAT_EQ(text.pos.x, 127000);
  EXPECT_FALSE(text.children.empty());
  // Without an answer for the next text the dialog is cancelled and the Edit tool returns.
  EXPECT_NE(stdOut.str().find("\"tool\":\"edit\""), std::string::npos) << stdOut.str();
}

TEST_F(CliEdit, NumberedTextsCountUpAndFieldsNotAnsweredKeepTheDialogsPreset) {
  const std::string script =
      "key f9\n"  // C2: the dialog presets horizontal mirroring
      "answer text=R addnumber=1 start=3\n"
      "tool text\n"
      "click 127000 -127000\n"
      "click 254000 -127000\n"
      "key esc\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]->text, "R3");
  EXPECT_EQ(objects[1]->text, "R4");
  EXPECT_EQ(objects[1]->layer, kLayerC2);
  EXPECT_EQ(objects[1]->optB, 1);
  EXPECT_FLOAT_EQ(objects[1]->dim.x, 20000) << "the dialog's 2 mm";
}

TEST_F(CliEdit, ADoubleClickOnATextChangesItThroughTheAnsweredDialog) {
  const std::string script =
      "answer text=L\n"
      "tool text\n"
      "click 127000 -127000\n"
      "answer height=3 text=\"L 2\"\n"
      "dblclick 127000 -127000\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  ASSERT_EQ(doc.boards[0]->objects.size(), 1u);
  EXPECT_EQ(doc.boards[0]->objects[0]->text, "L 2");
  EXPECT_FLOAT_EQ(doc.boards[0]->objects[0]->dim.x, 30000);
  std::string last;
  std::istringstream lines(stdOut.str());
  for (std::string line; std::getline(lines, line);) last = line;
  EXPECT_EQ(nlohmann::json::parse(last)["undo"], 2);
}

TEST_F(CliEdit, ABadTextAnswerStopsTheScript) {
  for (const char* answer :
       {"answer height=99\n", "answer colour=red\n", "answer text=\"open\n", "answer style=fat\n",
        "answer start=1.5\n", "answer mirror=x\n", "answer text=a b\n"}) {
    EXPECT_EQ(edit(answer), kExitUsage) << answer;
    EXPECT_NE(stdErr.str().find(":1: "), std::string::npos) << stdErr.str();
  }
}

// A property line changes one field of the selected objects, or of the board with nothing
// selected, as one undo step.
TEST_F(CliEdit, PropertyLinesSetOneFieldOfTheSelection) {
  const std::string script =
      "tool pad\n"
      "click 127000 -127000\n"
      "click 254000 -127000\n"
      "key esc\n"
      "command Allesmarkieren1\n"
      "property pad.drill 1.1\n"
      "property pad.x 20\n"
      "command Undo\n"
      "click 700000 -700000\n"
      "property board.width 123.4567\n"
      "property board.name Top side\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  const Document doc = result();
  const Board& board = *doc.boards[0];
  ASSERT_EQ(board.objects.size(), 2u);
  for (const auto& pad : board.objects) EXPECT_FLOAT_EQ(pad->dim.y, 5500) << "drill radius";
  EXPECT_FLOAT_EQ(board.objects[0]->pos.x, 127000) << "the move was undone";
  EXPECT_EQ(board.header.width, 1234567);
  EXPECT_EQ(board.name, "Top side");

  EXPECT_EQ(edit("property pad.colour 1\n"), kExitUsage);
  EXPECT_NE(stdErr.str().find(":1: unknown property field: pad.colour"), std::string::npos)
      << stdErr.str();
}

// Connects two pads with the Connections tool, tests from the first one with connections
// followed, and removes the connection again through the command.
TEST_F(CliEdit, ConnectsPadsTestsAndRemovesConnections) {
  const std::string script =
      "tool pad\n"
      "click 127000 -127000\n"
      "click 508000 -127000\n"
      "tool connections\n"
      "move 127000 -127000\n"
      "click 127000 -127000\n"
      "move 508000 -127000\n"
      "click 508000 -127000\n"
      "tool test\n"
      "click 127000 -127000\n"
      "tool track\n"
      "click 127000 -127000\n"
      "click 508000 -127000\n"
      "key escape\n"
      "command TB_ClearConnections\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  std::istringstream lines(stdOut.str());
  std::vector<nlohmann::json> trace;
  for (std::string line; std::getline(lines, line);) trace.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(trace.size(), 15u);
  EXPECT_EQ(trace[3]["tool"], "connections");
  EXPECT_EQ(trace[3]["help"], "CONNECTION:  Select first pad");
  EXPECT_EQ(trace[5]["help"],
            "CONNECTION:  Select second pad for connection, abort with right mouse button");
  EXPECT_EQ(trace[7]["undo"], 3);
  EXPECT_FALSE(trace[7].contains("tested"));
  EXPECT_EQ(trace[8]["tested"], nlohmann::json::array());
  EXPECT_EQ(trace[9]["tested"], nlohmann::json::array({0}));
  EXPECT_EQ(trace[14]["undo"], 5);
  const Document doc = result();
  for (const auto& o : doc.boards[0]->objects) EXPECT_TRUE(o->connections.empty());
}

}  // namespace
}  // namespace pravelo

namespace pravelo {
namespace {

std::vector<const TObjekt*> objectsOfKind(const ObjectList& objects, int kind) {
  std::vector<const TObjekt*> found;
  for (const auto& o : objects) {
    if (o->kind == kind) found.push_back(o.get());
  }
  return found;
}

TEST_F(CliEdit, TheFootprintWizardPlacesItsPatternAndLeavesItInTheClipboard) {
  const std::string script =
      "tool track\n"  // the wizard starts from the Edit tool
      "answer footprint dip n=4 y=7.62 pads=smd\n"
      "command BauteilAssistent1\n"
      "click 500000 -400000\n"
      "command BauteilAssistent1\n"  // Cancel: the board stays, the clipboard keeps a pattern
      "command Einfgen1\n"
      "click 200000 -200000\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  const auto pads = objectsOfKind(doc.boards[0]->objects, kSmdPad);
  ASSERT_EQ(pads.size(), 16U);
  ASSERT_EQ(doc.boards[0]->objects.size(), 16U);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(pads[i]->clearance, 4000);
    EXPECT_EQ(pads[i]->layer, kLayerC1);
    EXPECT_NEAR(pads[i]->pos.x - pads[0]->pos.x, 25400.0 * static_cast<double>(i / 2), 1) << i;
    EXPECT_NEAR(pads[i]->pos.y - pads[0]->pos.y, i % 2 == 0 ? 0 : 76200, 1) << i;
  }
  EXPECT_NEAR(pads[0]->pos.x, 500000, 13000);
  EXPECT_NEAR(pads[8]->pos.x, 200000, 13000);
}

TEST_F(CliEdit, TheSpecialFormToolPlacesTheAnsweredShape) {
  const std::string script =
      "answer shape spiral form=square turns=2\n"
      "tool special\n"
      "click 500000 -400000\n"
      "answer shape frame column-bands=none row-bands=none autosize\n"
      "tool special\n"
      "click 500000 -400000\n";
  ASSERT_EQ(edit(script), kExitOk) << stdErr.str();
  const Document doc = result();
  const auto tracks = objectsOfKind(doc.boards[0]->objects, kTrack);
  ASSERT_EQ(tracks.size(), 2U);
  EXPECT_EQ(tracks[0]->points.size(), 9U);
  ASSERT_EQ(tracks[1]->points.size(), 5U);
  EXPECT_NEAR(tracks[1]->points[1].x - tracks[1]->points[0].x, 949200, 1);
  EXPECT_NEAR(tracks[1]->points[1].y - tracks[1]->points[2].y, 749200, 1);
}

TEST_F(CliEdit, AShapeLargerThanTheBoardIsRefused) {
  const std::string script =
      "answer shape polygon radius=60\n"
      "tool special\n"
      "click 500000 -400000\n";
  ASSERT_EQ(edit(script, {"--trace"}), kExitOk) << stdErr.str();
  EXPECT_TRUE(result().boards[0]->objects.empty());
  // Back at the Edit tool, and the click placed nothing.
  const std::string trace = stdOut.str();
  EXPECT_NE(trace.rfind("\"tool\":\"edit\""), std::string::npos) << trace;
  EXPECT_EQ(trace.find("\"tool\":\"special\""), std::string::npos) << trace;
}

TEST_F(CliEdit, BadGeneratorAnswersStopTheScript) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"answer footprint octagon\n", "octagon"},
      {"answer footprint sip n=100\n", "n"},
      {"answer footprint sip autosize\n", "autosize"},
      {"answer shape circle\n", "circle"},
      {"answer shape spiral turns=0.5\n", "turns"},
      {"answer shape polygon autosize\n", "autosize"},
      {"answer shape frame rows=1.5\n", "rows"},
      {"answer shape\n", "answer"},
  };
  // clang-format on
  for (const auto& [script, word] : cases) {
    EXPECT_EQ(edit(script), kExitUsage) << script;
    EXPECT_NE(stdErr.str().find(word), std::string::npos) << stdErr.str();
  }
}

}  // namespace
}  // namespace pravelo
