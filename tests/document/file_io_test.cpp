#include "document/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/document_texts.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

TEST(FileIo, WritesReplacesAndReadsBack) {
  testing::TempFolder folder;
  const std::string path = folder.file("f.bin");
  const std::string bytes("a\0b\xFF", 4);
  EXPECT_EQ(writeFileAtomically(path, bytes), std::nullopt);
  EXPECT_EQ(readWholeFile(path), bytes);
  ::chmod(path.c_str(), 0640);
  EXPECT_EQ(writeFileAtomically(path, "second"), std::nullopt);
  EXPECT_EQ(readWholeFile(path), "second");
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file's permissions stay";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  EXPECT_EQ(readWholeFile(folder.file("none")), std::nullopt);
}

TEST(FileIo, AFailedWriteNamesTheStepAndLeavesNothingBehind) {
  testing::TempFolder folder;
  std::filesystem::create_directories(folder.file("taken/inside"));
  const std::optional<Text> replace = writeFileAtomically(folder.file("taken"), "x");
  ASSERT_TRUE(replace);
  EXPECT_STREQ(replace->en, texts::saveProblemReplace.en);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  const std::optional<Text> create = writeFileAtomically(folder.file("no/such/file"), "x");
  ASSERT_TRUE(create);
  EXPECT_STREQ(create->en, texts::saveProblemCreate.en);
}

}  // namespace
}  // namespace pravelo
