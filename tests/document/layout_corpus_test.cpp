// Inputs kept from fuzzing the layout reader (and the seeds it started from). Each one either is
// rejected as a format error or loads into a document whose repairs have settled: written and
// loaded again, it writes the same bytes.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/file_format_error.h"
#include "document/layout_file.h"
#include "project/layout_load.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

TEST(LayoutCorpus, EveryKeptInputIsRejectedOrSettlesInOneLoad) {
  const std::filesystem::path folder =
      std::filesystem::path(PRAVELO_SOURCE_DIR) / "tests/document/layout_corpus";
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    ++inputs;
    const std::string bytes = testing::fileBytes(entry.path().string());
    try {
      Document doc;
      installLayout(doc, readLayout(bytes));
      const std::string once = writeLayout(doc);
      Document again;
      installLayout(again, readLayout(once));
      EXPECT_EQ(writeLayout(again), once);
    } catch (const FileFormatError&) {
    }
  }
  EXPECT_GE(inputs, 2);
}

}  // namespace
}  // namespace pravelo
