#include "app/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace pravelo {
namespace {

namespace fs = std::filesystem;

TEST(CommandLine, ArgumentsAreJoinedWithSingleBlanks) {
  const char* none[] = {"pravelo"};
  EXPECT_EQ(joinArguments(1, none), "");
  const char* split[] = {"pravelo", "/home/u/meine", "Platine.pvb6"};
  EXPECT_EQ(joinArguments(3, split), "/home/u/meine Platine.pvb6");
}

TEST(CommandLine, OnlyAnExistingLayoutFileIsOpened) {
  const fs::path dir = fs::path(::testing::TempDir()) / "command line";
  fs::create_directories(dir / "folder.pvb6");
  const auto file = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  };
  struct Case {
    std::string path;
    bool opened;
  };
  // clang-format off
  const Case cases[] = {
      {file("meine Platine.pvb6", std::string("\x06\x33\xAA\xFF\x01\x00\x00\x00", 8)), true},
      {file("alt.pvb", std::string("\x00\x33\xAA\xFF", 4)), true},
      {file("neuer.pvb6", std::string("\x07\x33\xAA\xFF", 4)), false},
      {file("fremd.pvb6", std::string("\x0C\x33\xAA\xFF", 4)), false},
      {file("kurz.pvb6", std::string("\x06\x33", 2)), false},
      {file("leer.pvb6", ""), false},
      {(dir / "fehlt.pvb6").string(), false},
      {(dir / "folder.pvb6").string(), false},
      {"", false},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::optional<fs::path> opened = startupLayoutFile(c.path);
    EXPECT_EQ(opened.has_value(), c.opened) << c.path;
    if (opened) {
      EXPECT_EQ(*opened, c.path);
    }
  }
  // The file name with a blank, passed unquoted, arrives in two arguments.
  const std::string first = (dir / "meine").string();
  const char* argv[] = {"pravelo", first.c_str(), "Platine.pvb6"};
  EXPECT_EQ(startupLayoutFile(joinArguments(3, argv)), dir / "meine Platine.pvb6");
}

}  // namespace
}  // namespace pravelo
