#include "cli/edit_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "project/layout_load.h"
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

TEST_F(CliEdit, ABadLineStopsWithItsNumberAndWritesNothing) {
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"tool pad\nfrobnicate\n", ":2: "},
      {"tool hammer\n", ":1: "},
      {"\n\nclick 1 x\n", ":3: "},
      {"key f99\n", ":1: "},
      {"size width 1\n", ":1: "},
      {"command Frobnicate1\n", "no menu item or button: Frobnicate1"},
      {"command Drucken1\n", "not built yet: Drucken1"},
      {"command TB_Save\n", "not available in scripts: TB_Save"},
  };
  // clang-format on
  for (const auto& [script, where] : cases) {
    EXPECT_EQ(edit(script), kExitUsage) << script;
    EXPECT_NE(stdErr.str().find(where), std::string::npos) << stdErr.str();
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

}  // namespace
}  // namespace pravelo
