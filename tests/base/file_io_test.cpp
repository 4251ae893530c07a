#include "base/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace pravelo {
namespace {

TEST(FileIo, ReadsTheWholeFileOrNothing) {
  testing::TempFolder folder;
  std::string big(200000, 'x');
  big[0] = '\0';
  big.back() = '\xFF';
  testing::writeBytes(folder.file("big"), big);
  EXPECT_EQ(readWholeFile(folder.file("big")), big);
  testing::writeBytes(folder.file("empty"), "");
  EXPECT_EQ(readWholeFile(folder.file("empty")), "");
  EXPECT_EQ(readWholeFile(folder.file("none")), std::nullopt);
  std::filesystem::create_directory(folder.file("folder"));
  EXPECT_EQ(readWholeFile(folder.file("folder")), std::nullopt);
}

}  // namespace
}  // namespace pravelo
