#include "cli/macro_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "project/layout_load.h"
#include "project/macro_file.h"
#include "project/macro_side.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::fileBytes;

// A two-pad through-hole part on C1 with its outline on S1 and labels: a top-side component.
ObjectList partMacro() {
  ObjectList m;
  for (float x : {0.0f, 76200.0f}) {
    TObjekt pad = newObject();
    initPad(pad, {x, 0}, kLayerC1, kPadCircular, 4000, 9000);
    pad.componentId = 1;
    m.push_back(std::make_unique<TObjekt>(std::move(pad)));
  }
  testing::connect(m[0].get(), m[1].get());
  TObjekt outline = testing::strokeTrack(10000, 10000, 66200, 10000, kLayerS1);
  outline.componentId = 1;
  m.push_back(std::make_unique<TObjekt>(std::move(outline)));
  for (TextRole role : {kComponentIdText, kComponentValueText}) {
    TObjekt t =
        testing::textWithStroke(role == kComponentIdText ? "R1" : "1k", {0, 20000}, kLayerS1);
    t.variant = role;
    t.componentId = 1;
    t.optA = 1;
    m.push_back(std::make_unique<TObjekt>(std::move(t)));
  }
  return m;
}

class CliMacro : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    auto board = std::make_unique<Board>();
    board->name = "Board 1";
    board->header = newBoardHeader(1000000, 800000);
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    testing::writeBytes(layout, writeLayout(doc));
    ASSERT_TRUE(saveMacro(macro, partMacro(), "Resistor", "7.62 mm"));
  }

  int cli(std::vector<std::string> args) {
    stdOut.str("");
    stdErr.str("");
    return runCli(args, stdOut, stdErr);
  }

  Document read(const std::string& path) {
    Document doc;
    installLayout(doc, readLayout(fileBytes(path)));
    return doc;
  }

  testing::TempFolder folder;
  const std::string layout = folder.file("in.pvb6");
  const std::string macro = folder.file("part.pvm");
  const std::string out = folder.file("out.pvb6");
  std::ostringstream stdOut;
  std::ostringstream stdErr;
};

TEST_F(CliMacro, InfoShowsObjectsSideAndDescription) {
  ASSERT_EQ(cli({"macro", "info", macro}), kExitOk) << stdErr.str();
  EXPECT_EQ(stdOut.str(), "5 objects, TOP side\nResistor\n7.62 mm\n");
  ASSERT_EQ(cli({"macro", "info", "--json", macro}), kExitOk);
  const auto j = nlohmann::json::parse(stdOut.str());
  EXPECT_EQ(j["line1"], "Resistor");
  EXPECT_EQ(j["side"], "top");
  ASSERT_EQ(j["objects"].size(), 5u);
  EXPECT_EQ(j["objects"][0]["connections"], nlohmann::json::array({1}));

  testing::writeBytes(folder.file("bad.pvm"), "\x06\x33\xaa\xff");
  EXPECT_EQ(cli({"macro", "info", folder.file("bad.pvm")}), kExitBadInput);
  EXPECT_NE(stdErr.str().find("The macro can not be loaded."), std::string::npos);
}

TEST_F(CliMacro, PlaceDropsAComponentOnTheBottomTurned) {
  ASSERT_EQ(cli({"macro", "place", layout, macro, "-o", out, "--at", "200000,-300000", "--side",
                 "bottom", "--rotate", "90", "--component"}),
            kExitOk)
      << stdErr.str();
  const Document doc = read(out);
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 5u);
  EXPECT_FALSE(isTopSideMacro(objects));
  EXPECT_EQ(objects[0]->layer, kLayerC2);
  // Mirrored, the second pad is the left one and the anchor; a quarter turn clockwise then
  // puts the first pad below it.
  EXPECT_FLOAT_EQ(objects[1]->pos.x, 200000);
  EXPECT_FLOAT_EQ(objects[1]->pos.y, -300000);
  EXPECT_FLOAT_EQ(objects[0]->pos.x, 200000);
  EXPECT_FLOAT_EQ(objects[0]->pos.y, -376200);
  for (const auto& o : objects) EXPECT_NE(o->componentId, 0);
}

TEST_F(CliMacro, PlaceWithoutComponentLeavesTheLabelsOut) {
  ASSERT_EQ(cli({"macro", "place", layout, macro, "-o", out, "--at", "100000,-100000", "--vias"}),
            kExitOk);
  const Document doc = read(out);
  const ObjectList& objects = doc.boards[0]->objects;
  ASSERT_EQ(objects.size(), 3u);
  for (const auto& o : objects) EXPECT_EQ(o->componentId, 0);
  EXPECT_EQ(objects[0]->via, 1);
  EXPECT_EQ(cli({"macro", "place", layout, macro, "-o", out, "--at", "100000;-100000"}),
            kExitUsage);
}

TEST_F(CliMacro, SaveWritesTheChosenObjectsAroundTheirAnchor) {
  ASSERT_EQ(
      cli({"macro", "place", layout, macro, "-o", out, "--at", "200000,-300000", "--component"}),
      kExitOk);
  const std::string saved = folder.file("saved.pvm");
  ASSERT_EQ(cli({"macro", "save", out, "-o", saved, "--objects", "0-1", "--line1", "Pads"}),
            kExitOk)
      << stdErr.str();
  const MacroContents back = parseMacro(fileBytes(saved));
  ASSERT_EQ(back.objects.size(), 2u);
  EXPECT_EQ(back.objects[0]->pos, (FPoint{0, 0}));
  EXPECT_EQ(back.objects[1]->pos, (FPoint{76200, 0}));
  EXPECT_EQ(back.objects[0]->connections, std::vector<TObjekt*>{back.objects[1].get()});
  EXPECT_EQ(back.line1, "Pads");
  EXPECT_EQ(cli({"macro", "save", out, "-o", saved, "--objects", "0,9"}), kExitUsage);
  EXPECT_EQ(cli({"macro", "save", layout, "-o", saved}), kExitBadInput);
  EXPECT_NE(stdErr.str().find("There are no elements on the board."), std::string::npos);
}

// The window's panel through a script: select, side, turn, drop, save, rename, delete.
TEST_F(CliMacro, EditScriptsWorkThePanel) {
  const std::string script = folder.file("s.txt");
  const std::string saved = folder.file("saved.pvm");
  testing::writeBytes(script, "macro select " + macro +
                                  "\n"
                                  "macro side bottom\n"
                                  "macro rotate\n"
                                  "macro line 2 turned\n"
                                  "answer component id=R7 ok\n"
                                  "macro drop 254000 -254000\n"
                                  "macro save " +
                                  saved +
                                  "\n"
                                  "macro rename " +
                                  saved +
                                  " ../escaped\n"
                                  "macro rename " +
                                  saved +
                                  " kept\n"
                                  "answer ok\n"
                                  "macro delete\n");
  ASSERT_EQ(cli({"edit", layout, out, "--script", script, "--trace"}), kExitOk) << stdErr.str();
  std::vector<nlohmann::json> trace;
  std::istringstream lines(stdOut.str());
  for (std::string line; std::getline(lines, line);) trace.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(trace.size(), 11u);
  EXPECT_EQ(trace[1]["macro"]["side"], "BOT");
  EXPECT_EQ(trace[5]["objects"], 5);
  EXPECT_EQ(trace[5]["undo"], 1);
  EXPECT_EQ(trace[6]["macro"]["file"], "saved.pvm");
  EXPECT_EQ(trace[7]["macro"]["message"],
            "The name \"../escaped\" must contain neither a folder nor \"..\".");
  EXPECT_EQ(trace[8]["macro"]["file"], "kept.pvm");
  EXPECT_EQ(trace[10]["macro"]["objects"], 0);
  EXPECT_FALSE(std::filesystem::exists(folder.file("kept.pvm")));
  // Selecting another macro wrote the turned one back, with its new line.
  const MacroContents written = parseMacro(fileBytes(macro));
  EXPECT_EQ(written.line2, "turned");
  EXPECT_FALSE(isTopSideMacro(written.objects));
  const Document doc = read(out);
  EXPECT_EQ(doc.boards[0]->objects[3]->text, "R7");
}

// Double click on the macro: the component dialog edits the file's component, makes one of a
// plain macro, refuses a macro of two, and Cancel leaves the file as it was.
TEST_F(CliMacro, EditingTheMacrosComponentWritesTheFileBack) {
  ObjectList plain = partMacro();
  plain.resize(3);
  for (auto& o : plain) o->componentId = 0;
  ObjectList two = partMacro();
  for (auto& o : partMacro()) {
    o->componentId = 2;
    o->pos.y -= 50000;
    two.push_back(std::move(o));
  }
  struct Case {
    const char* what;
    ObjectList objects;
    const char* answer;
    std::string id;  // the file's ID label afterwards; empty: the file is unchanged
    const char* message;
  };
  Case cases[] = {
      {"one component", partMacro(), "id=U9 value=LM358 ok", "U9", ""},
      {"cancelled", partMacro(), "id=U9 cancel", "", ""},
      {"break-up has no button", partMacro(), "id=U9 disintegrate", "", ""},
      {"plain objects", std::move(plain), "id=X1 ok", "X1", ""},
      {"two components", std::move(two), "id=U9 ok", "",
       "The macro consists of more than 1 component.\nA separate editing of the components is not "
       "possible."},
  };
  for (Case& c : cases) {
    ASSERT_TRUE(saveMacro(macro, c.objects, "Line 1", "Line 2"));
    const std::string before = fileBytes(macro);
    const std::string script = folder.file("e.txt");
    testing::writeBytes(
        script, "macro select " + macro + "\nanswer component " + c.answer + "\nmacro edit\n");
    ASSERT_EQ(cli({"edit", layout, out, "--script", script, "--trace"}), kExitOk)
        << c.what << stdErr.str();
    const nlohmann::json last = nlohmann::json::parse(
        stdOut.str().substr(stdOut.str().rfind('\n', stdOut.str().size() - 2) + 1));
    EXPECT_EQ(last["macro"]["message"], c.message) << c.what;
    if (c.id.empty()) {
      EXPECT_EQ(fileBytes(macro), before) << c.what;
      continue;
    }
    const MacroContents written = parseMacro(fileBytes(macro));
    EXPECT_EQ(written.line1, "Line 1") << c.what;
    int ids = 0;
    for (const auto& o : written.objects) {
      if (o->kind != kText || o->variant != kComponentIdText) continue;
      ++ids;
      EXPECT_EQ(o->text, c.id) << c.what;
      EXPECT_NE(o->componentId, 0) << c.what;
    }
    EXPECT_EQ(ids, 1) << c.what;
  }
}

}  // namespace
}  // namespace pravelo
