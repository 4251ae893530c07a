#include "base/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(FileIo, ReadsInPiecesUpToTheSizeAtOpening) {
  testing::TempFolder folder;
  testing::writeBytes(folder.file("f"), "abcdefgh");
  InputFile file(folder.file("f"));
  ASSERT_EQ(file.status(), InputFile::Status::Open);
  EXPECT_EQ(file.read(3), "abc");
  EXPECT_EQ(file.remaining(), 5u);
  testing::writeBytes(folder.file("f"), "ABCDEFGHIJKLMNOP");  // grows while open
  EXPECT_EQ(file.read(100), "DEFGH");
  EXPECT_EQ(file.read(100), "");
  EXPECT_EQ(InputFile(folder.file("none")).status(), InputFile::Status::Unreadable);
}

TEST(FileIo, RefusesDevicesPipesAndFoldersWithoutReadingOrWaiting) {
  testing::TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
  for (const std::string& path :
       {std::string("/dev/zero"), folder.file("pipe"), folder.path().string()}) {
    InputFile file(path);
    EXPECT_EQ(file.status(), InputFile::Status::NotRegular) << path;
    EXPECT_EQ(file.read(16), std::nullopt) << path;
    EXPECT_EQ(readWholeFile(path), std::nullopt) << path;
  }
}

}  // namespace
}  // namespace pravelo
