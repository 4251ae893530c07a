#include "settings/app_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

namespace pravelo {
namespace {

namespace fs = std::filesystem;

TEST(AppFolders, SettingsFolderFollowsTheBaseDirectoryRules) {
  const fs::path program = "/opt/pravelo";
  EXPECT_EQ(settingsFolderFor("/cfg", "/home/u", program), "/cfg/Pravel60");
  EXPECT_EQ(settingsFolderFor(nullptr, "/home/u", program), "/home/u/.config/Pravel60");
  EXPECT_EQ(settingsFolderFor("", "/home/u", program), "/home/u/.config/Pravel60");
  EXPECT_EQ(settingsFolderFor("relative/cfg", "/home/u", program), "/home/u/.config/Pravel60");
  EXPECT_EQ(settingsFolderFor(nullptr, nullptr, program), program);
}

TEST(AppFolders, DocumentsFolderFallsBackToHomeThenProgram) {
  const fs::path program = "/opt/pravelo";
  EXPECT_EQ(documentsFolderFor("/home/u/Dokumente", "/home/u", program), "/home/u/Dokumente");
  EXPECT_EQ(documentsFolderFor({}, "/home/u", program), "/home/u");
  EXPECT_EQ(documentsFolderFor({}, "", program), program);
}

TEST(AppFolders, FindingTheFoldersCreatesTheSettingsFolder) {
  const fs::path config = fs::path(::testing::TempDir()) / "folders_xdg";
  fs::remove_all(config);
  ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config.c_str(), 1), 0);
  const AppFolders folders = findAppFolders("/home/u/Documents");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(folders.settings, config / "Pravel60");
  EXPECT_TRUE(fs::is_directory(folders.settings));
  EXPECT_EQ(folders.documents, "/home/u/Documents");
  EXPECT_TRUE(fs::exists(folders.program / "settings_tests")) << folders.program;
  EXPECT_EQ(settingsFile(folders), config / "Pravel60" / "PRAVEL60.INI");
}

TEST(AppFolders, AMacroFolderThatDoesNotExistFallsBackToTheDefault) {
  const fs::path settings = fs::path(::testing::TempDir()) / "folders_macros";
  fs::create_directories(settings / "Eigene");
  EXPECT_EQ(macroFolder((settings / "Eigene").string(), settings), settings / "Eigene");
  EXPECT_EQ(macroFolder((settings / "Weg").string(), settings), settings / "Makros");
  EXPECT_EQ(macroFolder("", settings), settings / "Makros");
}

}  // namespace
}  // namespace pravelo
