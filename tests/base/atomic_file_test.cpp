#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace pravelo {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AtomicFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const fs::path dir = fs::path(::testing::TempDir()) / "atomic_replace";
  fs::create_directories(dir);
  const fs::path target = dir / "board.pvb6";
  ASSERT_TRUE(writeFileAtomically(target, "old"));
  ASSERT_TRUE(writeFileAtomically(target, std::string("new\0data", 8)));
  EXPECT_EQ(readAll(target), std::string("new\0data", 8));
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
  std::string error;
  EXPECT_FALSE(writeFileAtomically(blocked, "data", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(readAll(target), "good");
  EXPECT_FALSE(writeFileAtomically(dir / "missing" / "x.pvb6", "data"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace pravelo
