#include "app/language_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace pravelo {
namespace {

namespace fs = std::filesystem;

TEST(LanguageFile, TheSettingsFolderComesFirstThenTheProgramFolder) {
  struct Case {
    std::optional<std::string> settingsFile;
    std::optional<std::string> programFile;
    Language expected;
  };
  // clang-format off
  const Case cases[] = {
      {std::nullopt, std::nullopt, Language::German},
      {"[Sprache]\r\nSprache=1\r\n", std::nullopt, Language::English},
      {std::nullopt, "[Sprache]\nSprache=2\n", Language::French},
      {"[Sprache]\r\nSprache=1\r\n", "[Sprache]\r\nSprache=2\r\n", Language::English},
      {"[Sprache]\r\nSprache=0\r\n", "[Sprache]\r\nSprache=2\r\n", Language::German},
      {"[Sprache]\r\nSprache=3\r\n", "[Sprache]\r\nSprache=2\r\n", Language::French},
      {"\x7F\x45LF\x01\x02", "[Sprache]\r\nSprache=1\r\n", Language::English},
      {"[Sprache]\r\nSprache=-1\r\n", "[Andere]\r\nSprache=1\r\n", Language::German},
      {"[Sprache]\r\nSprache=Englisch\r\n", std::nullopt, Language::German},
  };
  // clang-format on
  const fs::path root = fs::path(::testing::TempDir()) / "language_lookup";
  int number = 0;
  for (const Case& c : cases) {
    const fs::path settings = root / std::to_string(number) / "settings";
    const fs::path program = root / std::to_string(number++) / "program";
    fs::create_directories(settings);
    fs::create_directories(program);
    if (c.settingsFile) std::ofstream(settings / "SPRACHE.INI") << *c.settingsFile;
    if (c.programFile) std::ofstream(program / "SPRACHE.INI") << *c.programFile;
    EXPECT_EQ(readLanguage(settings, program), c.expected) << "case " << number - 1;
  }
}

TEST(LanguageFile, TheChoiceIsWrittenToTheSettingsFolder) {
  const fs::path settings = fs::path(::testing::TempDir()) / "language_write" / "settings";
  const fs::path program = fs::path(::testing::TempDir()) / "language_write" / "program";
  fs::remove_all(settings.parent_path());
  fs::create_directories(settings);
  fs::create_directories(program);
  std::ofstream(program / "SPRACHE.INI") << "[Sprache]\r\nSprache=1\r\n";
  ASSERT_TRUE(writeLanguage(settings, Language::French));
  std::ifstream in(settings / "SPRACHE.INI", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[Sprache]\r\nSprache=2\r\n");
  EXPECT_EQ(readLanguage(settings, program), Language::French);
  EXPECT_FALSE(writeLanguage(settings / "missing", Language::German));
}

}  // namespace
}  // namespace pravelo
