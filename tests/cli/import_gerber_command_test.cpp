#include "cli/import_gerber_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "project/layout_load.h"
#include "support/cli_run.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

void writeImportFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

Document loadedImport(const std::string& path) {
  Document doc;
  installLayout(doc, readLayout(testing::fileBytes(path)));
  return doc;
}

TEST(ImportGerberCommand, GerberAndDrillFilesBecomeALayout) {
  testing::TempFolder folder;
  const std::string top = folder.file("top.gbr");
  const std::string bottom = folder.file("bottom.gbr");
  const std::string drill = folder.file("holes.drl");
  const std::string out = folder.file("board.pvb6");
  // No format statement: the digits and unit come from the options.
  writeImportFile(top, "%ADD10C,1.6*%\nD10*\nX10000Y10000D03*\nX20000Y10000D03*\n");
  writeImportFile(bottom, "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,1.6*%\nD10*\nX10000Y10000D03*\n");
  writeImportFile(drill, "M48\nMETRIC\nT1C0.8\n%\nT1\nX1.0Y1.0\nX2.0Y1.0\nM30\n");
  const testing::CliRun run = testing::runCliCommand(
      "import-gerber", {"-o", out, "C1=" + top, "C2=" + bottom, "--drill", drill, "--mm",
                        "--format", "3:4", "--board-name", "Rückseite"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const Document doc = loadedImport(out);
  ASSERT_EQ(doc.boards.size(), 1u);
  const Board& board = *doc.boards[0];
  EXPECT_EQ(board.name,
            "R\xFC"
            "ckseite");
  int vias = 0;
  int pads = 0;
  for (const auto& o : board.objects) {
    if (o->kind != kPad) continue;
    ++pads;
    vias += o->via;
    EXPECT_FLOAT_EQ(o->dim.y, 4000);
  }
  EXPECT_EQ(pads, 2);
  EXPECT_EQ(vias, 1);
  EXPECT_EQ(board.header.width, 10000 + 16000 + 100000);
}

TEST(ImportGerberCommand, BadInputGivesAMessageAndNoFile) {
  testing::TempFolder folder;
  const std::string bad = folder.file("bad.gbr");
  const std::string out = folder.file("out.pvb6");
  writeImportFile(bad, "%FSLAX34Y34*%\n%AMX*1,1,(((1*%\n%ADD10X*%\n");
  struct UsageCase {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  // clang-format off
  const UsageCase cases[] = {
    {{"-o", out, "C1=" + bad}, kExitBadInput, "bad.gbr, line 2: The macro expression is not valid."},
    {{"-o", out, "C1=" + folder.file("none.gbr")}, kExitBadInput, "This file does not exist."},
    {{"-o", out, "X9=" + bad}, kExitUsage, "Unknown layer"},
    {{"-o", out, "C1=" + bad, "--format", "34"}, kExitUsage, "Invalid number format"},
    {{"-o", out}, kExitUsage, "No file to read"},
    {{"-o", out, "C1=" + bad, "--inch", "--mm"}, kExitUsage, "excludes"},
  };
  // clang-format on
  for (const UsageCase& c : cases) {
    const testing::CliRun run = testing::runCliCommand("import-gerber", c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

// The import dialog from an edit script: "Use current board" asks before emptying the board and
// is one undo step, "Create new board" adds a board, and a line that cannot be carried out fails
// the script without writing anything.
TEST(ImportGerberCommand, EditScriptsWorkTheImportDialog) {
  testing::TempFolder folder;
  const std::string one = folder.file("one.gbr");
  const std::string three = folder.file("three.gbr");
  const std::string bad = folder.file("bad.gbr");
  const std::string layout = folder.file("board.pvb6");
  const std::string script = folder.file("steps.script");
  const std::string out = folder.file("out.pvb6");
  const std::string head = "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,1.0*%\nD10*\n";
  writeImportFile(one, head + "X10000Y10000D03*\n");
  writeImportFile(three, head + "X10000Y10000D03*\nX20000Y10000D03*\nX30000Y10000D03*\n");
  writeImportFile(bad, "%FSLAX34Y34*%\n%AMX*1,1,(((1*%\n%ADD10X*%\n");
  ASSERT_EQ(testing::runCliCommand("import-gerber", {"-o", layout, "C1=" + one}).status, kExitOk);
  struct ScriptCase {
    std::string script;
    int status;
    std::size_t boards;
    std::size_t lastBoardObjects;
    const char* message;
  };
  // clang-format off
  const ScriptCase cases[] = {
    {"answer ok\nimport-gerber current C2=" + three, kExitOk, 1, 3, ""},
    {"import-gerber current C2=" + three, kExitOk, 1, 1, ""},  // the question is cancelled
    {"answer ok\nimport-gerber current C2=" + three + "\nundo", kExitOk, 1, 1, ""},
    {"import-gerber new C2=" + three + " --mm --no-vias", kExitOk, 2, 3, ""},
    {"import-gerber new C1=" + bad, kExitUsage, 0, 0, "line 2: The macro expression is not valid."},
    {"import-gerber new C1=" + folder.file("none.gbr"), kExitUsage, 0, 0, "does not exist"},
    {"import-gerber new X9=" + one, kExitUsage, 0, 0, "Unknown layer"},
    {"import-gerber new C1=" + one + " --zeros sometimes", kExitUsage, 0, 0, "sometimes"},
    {"import-gerber sideways C1=" + one, kExitUsage, 0, 0, "sideways"},
  };
  // clang-format on
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.script);
    std::filesystem::remove(out);
    writeImportFile(script, c.script + "\n");
    const testing::CliRun run = testing::runCliCommand("edit", {layout, out, "--script", script});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (c.status != kExitOk) {
      EXPECT_FALSE(std::filesystem::exists(out));
      continue;
    }
    const Document doc = loadedImport(out);
    ASSERT_EQ(doc.boards.size(), c.boards);
    EXPECT_EQ(doc.boards.back()->objects.size(), c.lastBoardObjects);
  }
}

}  // namespace
}  // namespace pravelo
