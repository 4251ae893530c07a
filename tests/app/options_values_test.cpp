#include "app/options_values.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/colour_scheme_choice.h"
#include "app/options_texts.h"
#include "support/file_bytes.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

TEST(OptionsValues, MenuCommandsOpenTheirPages) {
  EXPECT_EQ(optionsStartPage(CommandId::Grundeinstellungen1Click), OptionsPage::General);
  EXPECT_EQ(optionsStartPage(CommandId::Arbeitsverzeichnisse1Click), OptionsPage::Folders);
  EXPECT_EQ(optionsStartPage(CommandId::Autospeichern1Click), OptionsPage::AutoSave);
}

TEST(OptionsValues, UndoDepthAndAutoSaveAsShownAndStored) {
  OptionenSettings o;
  storeShownUndoDepth(o, 50);
  EXPECT_EQ(o.Undo, 49);
  EXPECT_EQ(shownUndoDepth(o), 50);
  storeShownUndoDepth(o, 0);
  EXPECT_EQ(o.Undo, 0);
  storeAutoSaveMinutes(o, 7);
  EXPECT_EQ(o.AutoSaveTime, 420000);
  EXPECT_EQ(autoSaveMinutes(o), 7);
  o.AutoSaveTime = 1000;  // less than a minute in an old file
  EXPECT_EQ(autoSaveMinutes(o), 1);
}

TEST(OptionsValues, AHotkeyTakenByAnotherModeIsRefusedNamingBoth) {
  std::string hotkeys = "ZLPSCRFVTNAXMOG";
  EXPECT_EQ(setToolHotkey(hotkeys, 1, 'w', Language::English), std::nullopt);
  EXPECT_EQ(hotkeys, "ZWPSCRFVTNAXMOG") << "letters are kept in capitals";
  const auto refused = setToolHotkey(hotkeys, 2, 'z', Language::English);
  ASSERT_TRUE(refused);
  EXPECT_EQ(*refused, "The key Z is already the hotkey of Zoom and cannot be that of Pad too.");
  EXPECT_EQ(hotkeys, "ZWPSCRFVTNAXMOG");
  EXPECT_EQ(setToolHotkey(hotkeys, 0, 'Z', Language::English), std::nullopt) << "its own letter";
  EXPECT_EQ(setToolHotkey(hotkeys, 0, '_', Language::English), std::nullopt);
  EXPECT_EQ(setToolHotkey(hotkeys, 1, '_', Language::English), std::nullopt) << "none is free";
  EXPECT_EQ(hotkeys, "__PSCRFVTNAXMOG");
}

class ColourSchemeChoiceTest : public ::testing::Test {
 protected:
  std::filesystem::path file(int n) const { return userSchemeFile(folder.path(), n); }
  testing::TempFolder folder;
  testing::ScriptedHost host;
  const Rgb red{200, 0, 0};
};

TEST_F(ColourSchemeChoiceTest, SwitchingAwayFromAChangedSchemeAsksAndYesWritesIt) {
  ColourSchemeChoice choice(folder.path(), 0);
  EXPECT_FALSE(choice.setColour(kSlotVia, red)) << "the standard scheme is fixed";
  choice.choose(2, host);
  EXPECT_TRUE(host.questions.empty());
  ASSERT_TRUE(choice.setColour(kSlotVia, red));
  host.answers.push_back(Answer::Yes);
  choice.choose(0, host);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text, tr(texts::coloursChanged));
  EXPECT_EQ(testing::fileBytes(file(2)).size(), 48u);
  EXPECT_EQ(readSchemeFile(file(2)).colours[kSlotVia], red);
  EXPECT_EQ(choice.shown().colours, standardScheme().colours);
}

TEST_F(ColourSchemeChoiceTest, NoForgetsTheChangesAndOkWritesOnlyAChangedScheme) {
  ColourSchemeChoice choice(folder.path(), 1);
  ASSERT_TRUE(choice.setColour(kSlotBackground, red));
  host.answers.push_back(Answer::No);
  choice.choose(3, host);
  EXPECT_FALSE(std::filesystem::exists(file(1)));
  choice.choose(1, host);
  EXPECT_EQ(choice.shown().colours, standardScheme().colours) << "read again, not kept";
  EXPECT_TRUE(choice.finish(host));
  EXPECT_FALSE(std::filesystem::exists(file(1))) << "nothing changed";
  choice.setColour(kSlotBackground, red);
  EXPECT_TRUE(choice.finish(host));
  EXPECT_EQ(loadScheme(folder.path(), 1).colours[kSlotBackground], red);
  EXPECT_EQ(host.questions.size(), 1u);
}

TEST_F(ColourSchemeChoiceTest, ResetCopiesTheStandardColours) {
  ColourSchemeChoice choice(folder.path(), 3);
  choice.setColour(kSlotLineGrid, red);
  EXPECT_TRUE(choice.finish(host));
  ColourSchemeChoice again(folder.path(), 3);
  EXPECT_EQ(again.shown().colours[kSlotLineGrid], red);
  EXPECT_TRUE(again.resetToStandard());
  EXPECT_TRUE(again.changed());
  EXPECT_TRUE(again.finish(host));
  EXPECT_EQ(loadScheme(folder.path(), 3).colours, standardScheme().colours);
}

TEST_F(ColourSchemeChoiceTest, AnUnwritableSchemeIsReported) {
  ColourSchemeChoice choice(folder.path() / "missing" / "folder", 1);
  choice.setColour(kSlotVia, red);
  EXPECT_FALSE(choice.finish(host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("C_USER1.DAT"), std::string::npos);
}

TEST_F(ColourSchemeChoiceTest, CustomColoursRoundTrip) {
  auto colours = readCustomColours(folder.path());
  EXPECT_EQ(colours[5], (Rgb{255, 255, 255}));
  colours[5] = red;
  ASSERT_TRUE(writeCustomColours(folder.path(), colours));
  EXPECT_EQ(testing::fileBytes(folder.path() / "COLORS.DAT").size(), 64u);
  EXPECT_EQ(readCustomColours(folder.path()), colours);
  testing::writeBytes((folder.path() / "COLORS.DAT").string(), std::string(63, '\x7f'));
  EXPECT_EQ(readCustomColours(folder.path())[5], (Rgb{255, 255, 255})) << "a damaged file";
}

// A file of any other length than sixteen colours is damaged: every colour white, as without
// one. The seeds of the fuzz target are read as well.
TEST(CustomColours, DamagedFilesGiveWhiteAndTheFuzzSeedsRead) {
  const std::string whole = testing::fileBytes(std::filesystem::path(PRAVELO_SOURCE_DIR) /
                                               "fuzz/corpus/custom_colours/COLORS.DAT");
  ASSERT_EQ(whole.size(), 64u);
  EXPECT_EQ(customColoursFromBytes(whole)[0], (Rgb{255, 0, 0}));
  EXPECT_EQ(customColoursFromBytes(whole)[2], (Rgb{0, 0, 255}));
  std::array<Rgb, kCustomColours> white;
  white.fill({255, 255, 255});
  const std::string cases[] = {"",
                               whole.substr(0, 4),
                               whole.substr(0, 63),
                               whole + '\0',
                               whole + whole,
                               testing::fileBytes(std::filesystem::path(PRAVELO_SOURCE_DIR) /
                                                  "fuzz/corpus/custom_colours/cut-short.dat")};
  for (const std::string& bytes : cases) {
    EXPECT_EQ(customColoursFromBytes(bytes), white) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace pravelo
