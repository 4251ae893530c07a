#include "ui/export_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "base/file_io.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;
using testing::ScriptedHost;

TEST(ExportDialog, FiguresFollowTheSliderAndALargePictureIsConfirmedFirst) {
  ScriptedHost host;
  host.answers = {Answer::No};
  TExportDlg dialog(host);
  bool stayedOpen = false;
  testing::onNextDialog<TExportDlg>([&](TExportDlg& d) {
    EXPECT_EQ(d.windowTitle().toStdString(), "GIF-Export (alle sichtbaren Layer)");
    EXPECT_EQ(child<QLabel>(d, "L_Groesse")->text(), "160.0 mm x 100.0 mm");
    EXPECT_EQ(child<QLabel>(d, "L_Pixel")->text(), "630 x 394");
    child<QSlider>(d, "TrackBar1")->setValue(6);
    EXPECT_EQ(child<QLabel>(d, "L_Aufloesung")->text(), "600 dpi");
    EXPECT_EQ(child<QLabel>(d, "L_Speicher")->text(), "26157 kB");
    child<QPushButton>(d, "B_OK")->click();  // answered No: the dialog stays
    stayedOpen = d.isVisible();
    child<QRadioButton>(d, "RB_SW")->setChecked(true);
    EXPECT_EQ(child<QLabel>(d, "L_Speicher")->text(), "1089 kB");
    child<QPushButton>(d, "B_OK")->click();
  });
  const std::optional<ImageChoice> choice =
      dialog.execute(newBoardHeader(1600000, 1000000), {ImageFormat::Gif, 1, true});
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(host.questions.size(), 1u);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->format, ImageFormat::Gif);
  EXPECT_EQ(choice->step, 6);
  EXPECT_FALSE(choice->colour);
}

class ImageCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(config.root() / "Layouts");
    Document doc;
    auto board = std::make_unique<Board>();
    board->header = newBoardHeader(200000, 100000);
    testing::add(*board, testing::strokeTrack(20000, -50000, 180000, -50000, kLayerC1));
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
    window = std::make_unique<MainWindow>(config.start(), &host);
    MainWindow::FileChoosers choosers;
    choosers.saveImage = [this](const std::string&, const std::string& preset, ImageFormat) {
      presets.push_back(preset);
      return std::optional<std::string>((config.root() / "Pictures" / preset).string());
    };
    window->setFileChoosers(choosers);
    window->start(layout);
    std::filesystem::create_directories(config.root() / "Pictures");
  }

  std::string picture(const char* name) const {
    return readWholeFile((config.root() / "Pictures" / name).string()).value_or("");
  }

  testing::TempConfig config;
  ScriptedHost host;
  std::string layout = (config.root() / "Layouts" / "board.pvb6").string();
  std::vector<std::string> presets;
  std::unique_ptr<MainWindow> window;
};

TEST_F(ImageCommands, RastersGoThroughTheDialogAndVectorsStraightToTheFile) {
  testing::onNextDialog<TExportDlg>([](TExportDlg& d) {
    child<QSlider>(d, "TrackBar1")->setValue(2);
    child<QRadioButton>(d, "RB_SW")->setChecked(true);
    child<QPushButton>(d, "B_OK")->click();
  });
  testing::trigger(*window, "N1");
  EXPECT_EQ(window->settings().optionen.ExportBitmapDPI, 2) << "kept for the settings file";
  EXPECT_FALSE(window->settings().optionen.ExportBitmapFarbe);
  const std::string bmp = picture("board.bmp");
  ASSERT_GT(bmp.size(), 62u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(bmp[28], 1) << "one bit a pixel";

  testing::onNextDialog<TExportDlg>([](TExportDlg& d) { d.reject(); });
  testing::trigger(*window, "JPGjpg1");
  testing::trigger(*window, "SVGExport1");
  testing::trigger(*window, "EMFExport1");
  EXPECT_EQ(presets, (std::vector<std::string>{"board.bmp", "board.svg", "board.emf"}));
  EXPECT_NE(picture("board.svg").find("width=\"20mm\""), std::string::npos);
  EXPECT_EQ(picture("board.emf").substr(40, 4), " EMF");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(window->document().modified);
}

}  // namespace
}  // namespace pravelo
