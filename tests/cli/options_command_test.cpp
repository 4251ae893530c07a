#include "cli/options_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli.h"
#include "settings/settings.h"
#include "support/cli_run.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "view/colour_scheme.h"

namespace pravelo {
namespace {

class OptionsCommand : public ::testing::Test {
 protected:
  testing::CliRun options(std::vector<std::string> values) {
    values.insert(values.begin(), {"--folder", folder.path().string()});
    return testing::runCliCommand("options", values);
  }
  AppSettings stored() const {
    AppFolders folders{.settings = folder.path()};
    AppSettings s = defaultSettings(folders, Language::English);
    readSettings(SettingsStore(folder.path() / "PRAVEL60.INI"), s);
    return s;
  }
  testing::TempFolder folder;
};

TEST_F(OptionsCommand, ChangesWhatTheDialogChangesAndKeepsTheRest) {
  ASSERT_EQ(options({"unit=mil", "undo=50", "autosave=1", "autosaveminutes=5", "camorigin=0",
                     "drillings=white", "crosshair.big=1", "folder.gerber=/home/Ann/Gerber",
                     "equaldir=0", "macrofolder=reset", "hotkey.track=W", "imaxdt=40"})
                .status,
            kExitOk);
  const AppSettings s = stored();
  EXPECT_TRUE(s.optionen.MIL);
  EXPECT_EQ(s.optionen.Undo, 49);
  EXPECT_TRUE(s.optionen.AutoSave);
  EXPECT_EQ(s.optionen.AutoSaveTime, 300000);
  EXPECT_FALSE(s.optionen.CAM_Nullpunkt);
  EXPECT_EQ(s.optionen.BohrlochFarbe, 1);
  EXPECT_TRUE(s.optionen.FK_TextBig);
  EXPECT_EQ(s.ordner.Gerber, "/home/Ann/Gerber");
  EXPECT_FALSE(s.ordner.EqualDir);
  EXPECT_EQ(s.ordner.Makro, (folder.path() / "Makros").string());
  EXPECT_EQ(s.optionen.Hotkeys[1], 'W');
  EXPECT_EQ(s.optionen.Imax_DT, 40);

  ASSERT_EQ(options({"unit=mm"}).status, kExitOk);
  EXPECT_FALSE(stored().optionen.MIL);
  EXPECT_TRUE(stored().optionen.FK_TextBig) << "the earlier change stays";
}

TEST_F(OptionsCommand, AUserSchemeIsWrittenAsFortyEightBytes) {
  ASSERT_EQ(options({"scheme=2", "colour.via=112233"}).status, kExitOk);
  EXPECT_EQ(stored().optionen.Farbschema, 2);
  const std::filesystem::path file = folder.path() / "C_USER2.DAT";
  EXPECT_EQ(testing::fileBytes(file).size(), 48u);
  EXPECT_EQ(readSchemeFile(file).colours[kSlotVia], (Rgb{0x11, 0x22, 0x33}));
}

TEST_F(OptionsCommand, RefusedValuesWriteNothing) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"colour.via=112233"}, "Standard"},
      {{"hotkey.pad=Z"}, "The key Z is already the hotkey of Zoom and cannot be that of Pad too."},
      {{"undo=51"}, "undo"},
      {{"unit=inch"}, "unit"},
      {{"size=3"}, "size"},
      {{"unit"}, "NAME=VALUE"},
      {{"scheme=1", "colour.sky=000000"}, "colour.sky"},
      {{"scheme=1", "colour.via=0x1234"}, "RRGGBB"},
      {{"scheme=1", "colour.via=-00001"}, "RRGGBB"},
  };
  for (const auto& [values, word] : cases) {
    const testing::CliRun run = options(values);
    EXPECT_EQ(run.status, kExitUsage) << values.back();
    EXPECT_NE(run.err.find(word), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "PRAVEL60.INI"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "C_USER1.DAT"));
  }
}

}  // namespace
}  // namespace pravelo
