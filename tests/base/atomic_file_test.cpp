#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/file_bytes.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const fs::path dir = fs::path(::testing::TempDir()) / "atomic_replace";
  fs::create_directories(dir);
  const fs::path target = dir / "board.pvb6";
  ASSERT_TRUE(writeFileAtomically(target, "old"));
  ASSERT_TRUE(writeFileAtomically(target, std::string("new\0data", 8)));
  EXPECT_EQ(testing::fileBytes(target), std::string("new\0data", 8));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFile) {
  const fs::path dir = fs::path(::testing::TempDir()) / "atomic_permissions";
  fs::create_directories(dir);
  const fs::path target = dir / "board.pvb6";
  ASSERT_TRUE(writeFileAtomically(target, "old"));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(writeFileAtomically(target, "new"));
  EXPECT_EQ(fs::status(target).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicFile, AFailedWriteKeepsThePreviousFile) {
  const fs::path dir = fs::path(::testing::TempDir()) / "atomic_fail";
  fs::create_directories(dir);
  const fs::path target = dir / "board.pvb6";
  ASSERT_TRUE(writeFileAtomically(target, "good"));
  // A directory in the way makes the rename fail after the data was written.
  const fs::path blocked = dir / "blocked";
  fs::create_directories(blocked / "child");
  std::error_code error;
  EXPECT_FALSE(writeFileAtomically(blocked, "data", &error));
  EXPECT_EQ(error, std::errc::is_a_directory);
  EXPECT_EQ(testing::fileBytes(target), "good");
  EXPECT_FALSE(writeFileAtomically(dir / "missing" / "x.pvb6", "data", &error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST(AtomicFile, WritingThroughALinkReplacesTheFileItPointsTo) {
  const fs::path dir = fs::path(::testing::TempDir()) / "atomic_link";
  fs::remove_all(dir);
  fs::create_directories(dir / "work");
  fs::create_directories(dir / "shared");
  const fs::path real = dir / "shared" / "board.pvb6";
  ASSERT_TRUE(writeFileAtomically(real, "old"));
  // A relative link to a link: both stay links, the file at the end gets the new bytes.
  fs::create_symlink("../shared/board.pvb6", dir / "work" / "direct.pvb6");
  fs::create_symlink("direct.pvb6", dir / "work" / "board.pvb6");
  ASSERT_TRUE(writeFileAtomically(dir / "work" / "board.pvb6", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "work" / "board.pvb6"));
  EXPECT_TRUE(fs::is_symlink(dir / "work" / "direct.pvb6"));
  EXPECT_EQ(testing::fileBytes(real), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "work"), fs::directory_iterator()), 2)
      << "the temporary file belongs beside the file it replaces";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "shared"), fs::directory_iterator()), 1);

  // A dangling link gets its file; a loop of links is refused.
  fs::create_symlink("../shared/later.pvb6", dir / "work" / "later.pvb6");
  ASSERT_TRUE(writeFileAtomically(dir / "work" / "later.pvb6", "later"));
  EXPECT_TRUE(fs::is_symlink(dir / "work" / "later.pvb6"));
  EXPECT_EQ(testing::fileBytes(dir / "shared" / "later.pvb6"), "later");
  fs::create_symlink("loop.pvb6", dir / "work" / "loop.pvb6");
  std::error_code error;
  EXPECT_FALSE(writeFileAtomically(dir / "work" / "loop.pvb6", "x", &error));
  EXPECT_EQ(error, std::errc::too_many_symbolic_link_levels);
  EXPECT_TRUE(fs::is_symlink(dir / "work" / "loop.pvb6"));
}

}  // namespace
}  // namespace pravelo
