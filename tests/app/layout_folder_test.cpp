#include "app/layout_folder.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(LayoutFolder, FixedThenExistingLastThenDocuments) {
  const std::string existing = ::testing::TempDir();
  FolderSettings folders;
  EXPECT_EQ(layoutStartFolder(folders, existing, "/docs"), existing);
  EXPECT_EQ(layoutStartFolder(folders, "/no/such/folder", "/docs"), "/docs");
  EXPECT_EQ(layoutStartFolder(folders, "", "/docs"), "/docs");
  folders.Layout = "/fixed";
  EXPECT_EQ(layoutStartFolder(folders, existing, "/docs"), "/fixed");
}

}  // namespace
}  // namespace pravelo
