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

}  // namespace
}  // namespace pravelo
