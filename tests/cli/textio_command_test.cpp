#include "cli/textio_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "geometry/text_strokes.h"
#include "project/layout_load.h"
#include "project/text_io_write.h"
#include "support/sample_layout.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::fileBytes;

class TextIoCli : public ::testing::Test {
 protected:
  void SetUp() override { testing::writeBytes(layout, writeLayout(testing::sampleDocument())); }

  int run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return runCli(args, out, err);
  }

  testing::TempFolder folder;
  const std::string layout = folder.file("in.pvb6");
  const std::string text = folder.file("out.txt");
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(TextIoCli, ExportWritesTheWholeBoardAsTheMenuItemDoes) {
  const LayoutContents contents = readLayout(fileBytes(layout));
  for (const int board : {0, 1}) {
    ASSERT_EQ(run({"textio", "export", layout, "-o", text, "--board", std::to_string(board)}),
              kExitOk)
        << err.str();
    const std::string written = fileBytes(text);
    EXPECT_EQ(written, writeTextIo(textIoExportObjects(contents.boards[board]->objects)));
    EXPECT_NE(written.find(";\r\n"), std::string::npos);
  }
}

TEST_F(TextIoCli, ExportRefusesAMissingBoardAndATextWithABar) {
  EXPECT_EQ(run({"textio", "export", layout, "-o", text, "--board", "5"}), kExitBadInput);
  EXPECT_EQ(err.str(), "The file has no board number 5.\n");

  Document doc = testing::sampleDocument();
  TObjekt bar = newObject();
  initText(bar, {0, 0}, "a|b", 0, 0, kLayerS1, 1, 1, 20000, 0);
  buildTextStrokes(bar, false);
  testing::add(activeBoard(doc), std::move(bar));
  testing::writeBytes(layout, writeLayout(doc));
  EXPECT_EQ(run({"textio", "export", layout, "-o", text}), kExitBadInput);
  EXPECT_NE(err.str().find("\"a|b\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(text));
}

TEST_F(TextIoCli, ImportPlacesTheObjectsAsAPasteAtTheOffset) {
  const std::string records = folder.file("parts.txt");
  const std::string result = folder.file("result.pvb6");
  testing::writeBytes(records,
                      "TRACK,WIDTH=2500,P0=0/0,P1=10000/0;\r\n"
                      "PAD,LAYER=3,POS=50000/30000,SIZE=16000,DRILL=8000;\r\n");
  const LayoutContents before = readLayout(fileBytes(layout));
  ASSERT_EQ(run({"textio", "import", layout, records, "-o", result, "--board", "0", "--at",
                 "1000,-2000"}),
            kExitOk)
      << err.str();
  const LayoutContents after = readLayout(fileBytes(result));
  const ObjectList& objects = after.boards[0]->objects;
  const std::size_t first = before.boards[0]->objects.size();
  ASSERT_EQ(objects.size(), first + 2);
  const TObjekt& track = *objects[first];
  EXPECT_EQ(track.points, (std::vector<FPoint>{{1000, -2000}, {11000, -2000}}));
  // A track without a layer goes on the board's active layer.
  EXPECT_EQ(track.layer, before.boards[0]->header.activeLayer);
  EXPECT_EQ(objects[first + 1]->pos, (FPoint{51000, -32000}));
  // Two units become one new group.
  ASSERT_EQ(track.groups.size(), 1u);
  EXPECT_EQ(objects[first + 1]->groups, track.groups);
  EXPECT_EQ(after.boards[1]->objects.size(), before.boards[1]->objects.size());
}

TEST_F(TextIoCli, AFailedImportWritesNothing) {
  const std::string records = folder.file("parts.txt");
  const std::string result = folder.file("result.pvb6");
  testing::writeBytes(records, "TRACK,P0=0/0,P1=1/1;\r\nPAD,SIZE=10;\r\n");
  EXPECT_EQ(run({"textio", "import", layout, records, "-o", result}), kExitBadInput);
  EXPECT_EQ(err.str(), "Text-IO file, line 2, record PAD: DRILL is missing.\n");
  testing::writeBytes(records, "nothing;");
  EXPECT_EQ(run({"textio", "import", layout, records, "-o", result}), kExitBadInput);
  EXPECT_EQ(err.str(), "No valid data found.\n");
  EXPECT_EQ(run({"textio", "import", layout, records, "-o", result, "--at", "1,x"}), kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(result));
}

}  // namespace
}  // namespace pravelo
