// Inputs kept from fuzzing the layout reader (and the seeds it started from). A file whose name
// begins with "rejected-" must be refused as a format error; every other file must load into a
// document whose repairs have settled: written and loaded again, it writes the same bytes.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/file_format_error.h"
#include "document/layout_file.h"
#include "project/layout_load.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

bool mustBeRejected(const std::filesystem::path& file) {
  return file.filename().string().rfind("rejected-", 0) == 0;
}

TEST(LayoutCorpus, RejectedInputsAreFormatErrorsAndTheOthersSettleInOneLoad) {
  const std::filesystem::path folder =
      std::filesystem::path(PRAVELO_SOURCE_DIR) / "tests/document/layout_corpus";
  int rejected = 0;
  int loaded = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string bytes = testing::fileBytes(entry.path().string());
    if (mustBeRejected(entry.path())) {
      ++rejected;
      EXPECT_THROW(readLayout(bytes), FileFormatError);
      continue;
    }
    ++loaded;
    try {
      Document doc;
      installLayout(doc, readLayout(bytes));
      const std::string once = writeLayout(doc);
      Document again;
      installLayout(again, readLayout(once));
      EXPECT_EQ(writeLayout(again), once);
    } catch (const FileFormatError& e) {
      ADD_FAILURE() << "refused: " << e.report(Language::English);
    }
  }
  EXPECT_GE(rejected, 1);
  EXPECT_GE(loaded, 2);
}

}  // namespace
}  // namespace pravelo
