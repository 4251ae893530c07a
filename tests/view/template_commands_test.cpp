// Loading, removing and adjusting the scanned copies of a board, and reloading them when the
// board becomes active.

#include "view/template_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scan_files.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;

class TemplateCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setLanguage(Language::English);
    testing::writeBytes(folder.file("mono.bmp"), testing::scanBmp(16, 8, 600));
    testing::writeBytes(folder.file("grey.bmp"), testing::scanBmp(4, 4, 0, false));
    testing::writeBytes(folder.file("broken.jpg"), "not a picture");
  }

  std::string layoutFile() const { return folder.file("board.pvb6"); }

  testing::TempFolder folder;
  BoardHeader header;
  TemplatePictures pictures;
  ScriptedHost host;
};

TEST_F(TemplateCommandsTest, LoadingShowsTheSideWithTheFilesResolution) {
  ASSERT_TRUE(loadTemplate(header, pictures, 2, folder.file("mono.bmp"), layoutFile(), host));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(pictures.sides[0]);
  ASSERT_TRUE(pictures.sides[1]);
  EXPECT_EQ(pictures.sides[1]->width, 16);
  EXPECT_EQ(header.templateShown[1], 1);
  EXPECT_EQ(header.templateDpi[1], 600);
  EXPECT_EQ(header.templateFile[1], folder.file("mono.bmp"));
  EXPECT_EQ(renderedTemplates(pictures)[1], &*pictures.sides[1]);
  EXPECT_EQ(renderedTemplates(pictures)[0], nullptr);

  // A bitmap without a resolution gets 300 dpi; a colour scan hides the tint.
  ASSERT_TRUE(loadTemplate(header, pictures, 1, folder.file("grey.bmp"), layoutFile(), host));
  EXPECT_EQ(header.templateDpi[0], 300);
  EXPECT_TRUE(templateSideControls(pictures, 1).loaded);
  EXPECT_FALSE(templateSideControls(pictures, 1).colourVisible);
  EXPECT_TRUE(templateSideControls(pictures, 2).colourVisible);
}

TEST_F(TemplateCommandsTest, AFileThatCannotBeLoadedChangesNothing) {
  ASSERT_TRUE(loadTemplate(header, pictures, 1, folder.file("mono.bmp"), layoutFile(), host));
  header.templateDpi[0] = 1200;
  const BoardHeader before = header;
  const std::string cases[] = {folder.file("missing.bmp"), folder.file("broken.jpg"),
                               folder.file("sc\xE2\x82\xAC\xE2\x84\xA2\xC5\x93\xE2\x80\xA0n.bmp"),
                               folder.file("\xE6\x97\xA5.bmp")};
  testing::writeBytes(folder.file("\xE6\x97\xA5.bmp"), testing::scanBmp(4, 4, 300));
  for (const std::string& file : cases) {
    host.messages.clear();
    EXPECT_FALSE(loadTemplate(header, pictures, 1, file, layoutFile(), host)) << file;
    ASSERT_EQ(host.messages.size(), 1u) << file;
    EXPECT_EQ(host.messages[0].title, "Pravelo-Board");
    EXPECT_EQ(header.templateFile, before.templateFile);
    EXPECT_EQ(header.templateDpi, before.templateDpi);
    EXPECT_EQ(header.templateShown, before.templateShown);
    ASSERT_TRUE(pictures.sides[0]);
    EXPECT_EQ(pictures.sides[0]->width, 16);
  }
  EXPECT_NE(host.messages[0].text.find("cannot store"), std::string::npos) << host.messages[0].text;
}

TEST_F(TemplateCommandsTest, RemovingDiscardsTheScanAndSwitchesTheSideOff) {
  ASSERT_TRUE(loadTemplate(header, pictures, 1, folder.file("mono.bmp"), layoutFile(), host));
  header.templateOffsetX[0] = 100;
  removeTemplate(header, pictures, 1);
  EXPECT_FALSE(pictures.sides[0]);
  EXPECT_TRUE(header.templateFile[0].empty());
  EXPECT_EQ(header.templateShown[0], 0);
  EXPECT_EQ(header.templateOffsetX[0], 100);
  EXPECT_FALSE(templateSideControls(pictures, 1).loaded);
}

TEST_F(TemplateCommandsTest, SettingsAreTakenWithinTheirRangesOnly) {
  ASSERT_TRUE(loadTemplate(header, pictures, 1, folder.file("mono.bmp"), layoutFile(), host));
  struct Case {
    int side;
    TemplateSetting setting;
    std::int32_t value;
    bool taken;
  };
  // clang-format off
  const Case cases[] = {
      {1, TemplateSetting::Dpi, 20, true},        {1, TemplateSetting::Dpi, 2400, true},
      {1, TemplateSetting::Dpi, 19, false},       {1, TemplateSetting::Dpi, 2401, false},
      {1, TemplateSetting::OffsetX, -3000, true}, {1, TemplateSetting::OffsetX, 3001, false},
      {2, TemplateSetting::OffsetY, 3000, true},  {2, TemplateSetting::OffsetY, -3001, false},
      {1, TemplateSetting::Tint, 0xFF0000, true}, {1, TemplateSetting::Tint, 0x1000000, false},
      {1, TemplateSetting::Tint, -1, false},      {1, TemplateSetting::Shown, 0, true},
      {1, TemplateSetting::Shown, 1, true},       {2, TemplateSetting::Shown, 1, false},
      {2, TemplateSetting::Shown, 0, true},
  };
  // clang-format on
  int checked = 0;
  std::string lastRefusal;
  for (const Case& c : cases) {
    host.messages.clear();
    const BoardHeader before = header;
    const bool taken = setTemplateSetting(header, pictures, c.side, c.setting, c.value, host);
    EXPECT_EQ(taken, c.taken) << c.side << " " << static_cast<int>(c.setting) << " " << c.value;
    EXPECT_EQ(host.messages.size(), c.taken ? 0u : 1u);
    if (!c.taken) {
      lastRefusal = host.messages.empty() ? "" : host.messages[0].text;
      EXPECT_EQ(header.templateDpi, before.templateDpi);
      EXPECT_EQ(header.templateOffsetX, before.templateOffsetX);
      EXPECT_EQ(header.templateOffsetY, before.templateOffsetY);
      EXPECT_EQ(header.templateTint, before.templateTint);
      EXPECT_EQ(header.templateShown, before.templateShown);
    }
    ++checked;
  }
  EXPECT_EQ(checked, 15);
  EXPECT_EQ(header.templateDpi[0], 2400);
  EXPECT_EQ(header.templateOffsetX[0], -3000);
  EXPECT_EQ(header.templateOffsetY[1], 3000);
  EXPECT_EQ(header.templateTint[0], 0xFF0000);
  EXPECT_EQ(lastRefusal, "No scanned copy is loaded on side 2.");
}

TEST_F(TemplateCommandsTest, ReloadingKeepsTheStoredSettingsAndFindsAMovedFile) {
  // Stored with another resolution and a folder the file has since left.
  header.templateFile[0] = "/gone/away/mono.bmp";
  header.templateShown[0] = 1;
  header.templateDpi[0] = 150;
  header.templateOffsetX[0] = 40;
  header.templateFile[1] = "/gone/away/lost.bmp";
  header.templateShown[1] = 1;
  header.templateTint[1] = 0xFF;
  pictures.sides[1] = ScanPicture{};  // a scan of the board shown before
  reloadTemplates(header, pictures, layoutFile(), host);

  ASSERT_TRUE(pictures.sides[0]);
  EXPECT_EQ(header.templateFile[0], folder.file("mono.bmp"));
  EXPECT_EQ(header.templateShown[0], 1);
  EXPECT_EQ(header.templateDpi[0], 150);  // the stored resolution wins
  EXPECT_EQ(header.templateOffsetX[0], 40);

  EXPECT_FALSE(pictures.sides[1]);
  EXPECT_EQ(header.templateFile[1], "/gone/away/lost.bmp");
  EXPECT_EQ(header.templateShown[1], 0);
  EXPECT_EQ(header.templateTint[1], 0xFF);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Can not find the scanned-copy-bitmap: /gone/away/lost.bmp");

  // A board without templates discards the previous board's scans without a word.
  BoardHeader other;
  reloadTemplates(other, pictures, layoutFile(), host);
  EXPECT_FALSE(pictures.sides[0]);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(TemplateCommandsTest, TheActiveLayerDecidesWhetherTheStatusButtonsShow) {
  ASSERT_TRUE(loadTemplate(header, pictures, 2, folder.file("mono.bmp"), layoutFile(), host));
  const std::pair<int, bool> cases[] = {
      {kLayerC1, false}, {kLayerS1, false}, {kLayerC2, true}, {kLayerS2, true}, {kLayerO, false}};
  for (const auto& [layer, shown] : cases) {
    header.activeLayer = layer;
    EXPECT_EQ(activeSideHasTemplate(header, pictures), shown) << layer;
  }
  header.templateShown = {0, 1};
  invertTemplatesShown(header);
  EXPECT_EQ(header.templateShown, (std::array<std::uint8_t, 2>{1, 0}));
  invertTemplatesShown(header);
  EXPECT_EQ(header.templateShown, (std::array<std::uint8_t, 2>{0, 1}));
}

}  // namespace
}  // namespace pravelo
