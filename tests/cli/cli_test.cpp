#include "cli/cli.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "cli/layout_json.h"
#include "document/layout_file.h"
#include "project/layout_load.h"
#include "support/old_file_bytes.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::fileBytes;

class Cli : public ::testing::Test {
 protected:
  void SetUp() override { testing::writeBytes(good, writeLayout(testing::sampleDocument())); }

  int run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return runCli(args, out, err);
  }

  testing::TempFolder folder;
  const std::string good = folder.file("good.pvb6");
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(Cli, InfoPrintsTheSummaryOrTheJson) {
  EXPECT_EQ(run({"info", good}), kExitOk);
  EXPECT_EQ(out.str().rfind("File: " + good + "\n", 0), 0u);
  EXPECT_EQ(err.str(), "");

  EXPECT_EQ(run({"info", "--json", good}), kExitOk);
  Document doc;
  installLayout(doc, readLayout(fileBytes(good)));
  EXPECT_EQ(out.str(), layoutJson(doc).dump() + "\n");
}

TEST_F(Cli, ResaveWritesAFileNeedingNoRepairByteForByte) {
  const std::string copy = folder.file("copy.pvb6");
  EXPECT_EQ(run({"resave", good, copy}), kExitOk);
  EXPECT_EQ(fileBytes(copy), fileBytes(good));
}

TEST_F(Cli, TheExampleBoardNeedsNoRepair) {
  const std::string example = std::string(PRAVELO_SOURCE_DIR) + "/examples/example.pvb6";
  EXPECT_EQ(run({"info", example}), kExitOk);
  EXPECT_EQ(run({"resave", example, folder.file("example.pvb6")}), kExitOk);
  EXPECT_EQ(fileBytes(folder.file("example.pvb6")), fileBytes(example));
}

TEST_F(Cli, ResaveRepairs) {
  Document doc = testing::sampleDocument();
  doc.boards[1]->objects[0]->points.pop_back();  // a track of one vertex is removed on load
  const std::string damaged = folder.file("repairable.pvb6");
  testing::writeBytes(damaged, writeLayout(doc));
  EXPECT_EQ(run({"resave", damaged, folder.file("out.pvb6")}), kExitOk);
  EXPECT_TRUE(parseLayout(fileBytes(folder.file("out.pvb6"))).boards[1]->objects.empty());
}

TEST_F(Cli, OldFilesAreReadAndResavedAsVersion6) {
  using testing::OldSection;
  const OldSection section{{{.image = {.kind = 5, .x2 = 10, .layer = 1}},
                            {.image = {.kind = 6, .width = 2, .layer = 3},
                             .points = {{0, 0}, {10, 20}}}}};
  struct Case {
    std::string bytes;
    std::string notice;
  };
  const Case cases[] = {
      {testing::oldLayoutBytes(3, {{"B", {}, section}}, 0),
       "This layout was create with an older version.\n\nThe elements on the copper-layer C1 and "
       "C2 will be exchanged,\nbecause of the new layer-structure.\n"},
      {testing::oldLayoutBytes(5, {{"B", {}, section}}, 0), ""},
  };
  for (const Case& c : cases) {
    const std::string old = folder.file("old.pvb");
    testing::writeBytes(old, c.bytes);
    EXPECT_EQ(run({"info", "--json", old}), kExitOk);
    EXPECT_EQ(err.str(), c.notice);
    Document doc;
    installLayout(doc, readLayout(c.bytes, Language::English));
    EXPECT_EQ(out.str(), layoutJson(doc).dump() + "\n");

    const std::string resaved = folder.file("old.pvb6");
    EXPECT_EQ(run({"resave", old, resaved}), kExitOk);
    EXPECT_EQ(fileBytes(resaved), writeLayout(doc));
    EXPECT_EQ(parseLayout(fileBytes(resaved)).formatVersion, 6);
  }
}

TEST_F(Cli, RejectedInputIsReportedAndNothingIsWritten) {
  testing::writeBytes(folder.file("newer.pvb6"), std::string("\x07\x33\xAA\xFF", 4));
  testing::writeBytes(folder.file("short.pvb6"), fileBytes(good).substr(0, 600));
  struct Case {
    std::vector<std::string> args;
    std::string error;
  };
  const std::string target = folder.file("out.pvb6");
  const Case cases[] = {
      {{"resave", folder.file("missing.pvb6"), target},
       folder.file("missing.pvb6") + ": File not found!\n"},
      {{"resave", folder.file("newer.pvb6"), target},
       "\"newer.pvb6\" was created with a newer version of Pravelo-Board (Version 7).\n"
       "Your version of Pravelo-Board is not able to open this file.\n"},
      {{"info", folder.file("short.pvb6")},
       "The file \"short.pvb6\" could not be read.\nThe file is damaged: the count exceeds the "
       "rest of the file (board count) at byte 4.\n"},
      {{"--lang", "de", "info", folder.file("short.pvb6")},
       "Die Datei \"short.pvb6\" konnte nicht gelesen werden.\nDie Datei ist beschädigt: die "
       "Anzahl ist größer als der Rest der Datei (Anzahl der Platinen) bei Byte 4.\n"},
      {{"resave", good, folder.file("no/folder/out.pvb6")},
       "The file \"" + folder.file("no/folder/out.pvb6") +
           "\" could not be saved: the folder does not exist.\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.args), kExitBadInput) << c.error;
    EXPECT_EQ(err.str(), c.error);
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3)
      << "nothing was written";
}

TEST_F(Cli, DevicesAndPipesAreRefusedWithoutReadingOrWaiting) {
  const std::string pipe = folder.file("pipe.pvb6");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(run({"info", "/dev/zero"}), kExitBadInput);
  EXPECT_EQ(err.str(), "\"zero\" is not an ordinary file but a folder, a device or a pipe.\n");
  EXPECT_EQ(run({"resave", pipe, folder.file("out.pvb6")}), kExitBadInput);
  EXPECT_EQ(err.str(), "\"pipe.pvb6\" is not an ordinary file but a folder, a device or a pipe.\n");
  EXPECT_FALSE(std::filesystem::exists(folder.file("out.pvb6")));
}

TEST_F(Cli, WrongUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> cases = {{},
                                                       {"info"},
                                                       {"frobnicate", good},
                                                       {"resave", good},
                                                       {"--lang", "xx", "info", good},
                                                       {"info", good, "extra"}};
  for (const auto& args : cases) {
    EXPECT_EQ(run(args), kExitUsage) << ::testing::PrintToString(args);
    EXPECT_EQ(err.str().rfind("Wrong usage: ", 0), 0u) << err.str();
  }
  EXPECT_EQ(run({"--lang", "fr", "info"}), kExitUsage);
  EXPECT_EQ(err.str().rfind("Utilisation incorrecte : ", 0), 0u) << err.str();
  EXPECT_EQ(run({"--help"}), kExitOk);
  EXPECT_NE(out.str().find("resave"), std::string::npos);
}

}  // namespace
}  // namespace pravelo
