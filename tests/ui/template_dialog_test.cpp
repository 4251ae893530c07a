// The scanned-copy dialog on its own and in the window: the controls it enables, loading and
// removing, repainting the view, the status-bar buttons and reloading when a board is opened.

#include "ui/template_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "project/boards.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scan_files.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui_test_support.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

using testing::child;
using testing::onNextDialog;
using testing::ScriptedHost;
using testing::TempConfig;
using testing::trigger;

// What the page of one side enables and shows.
struct PageState {
  bool removeEnabled;
  bool shownEnabled;
  bool shownChecked;
  bool dpiEnabled;
  bool colourVisible;
};

PageState pageState(TVorlageDlg& dialog, int side) {
  const std::string n = std::to_string(side);
  return {child<QPushButton>(dialog, ("B_Entfernen" + n).c_str())->isEnabled(),
          child<QCheckBox>(dialog, ("CB_Vorlage" + n).c_str())->isEnabled(),
          child<QCheckBox>(dialog, ("CB_Vorlage" + n).c_str())->isChecked(),
          child<QSpinBox>(dialog, ("SE_DPI" + n).c_str())->isEnabled(),
          !child<QPushButton>(dialog, ("P_Farbe" + n).c_str())->isHidden()};
}

TEST(TemplateDialogTest, ControlsFollowTheLoadedScans) {
  setLanguage(Language::English);
  testing::TempFolder folder;
  testing::writeBytes(folder.file("mono.bmp"), testing::scanBmp(8, 8, 600));
  testing::writeBytes(folder.file("grey.bmp"), testing::scanBmp(8, 8, 300, false));
  ScriptedHost host;
  TVorlageDlg dialog(host);
  std::vector<std::string> chosen = {folder.file("grey.bmp"), folder.file("mono.bmp")};
  std::vector<std::string> startFolders;
  dialog.setChoosers(
      [&](const std::string& start) {
        startFolders.push_back(start);
        const std::string file = chosen.back();
        chosen.pop_back();
        return std::optional<std::string>(file);
      },
      [](Rgb) {
        return std::optional<Rgb>(Rgb{255, 0, 0});
      });
  dialog.setFolder(folder.path().string());
  BoardHeader header;
  header.activeLayer = kLayerC2;
  TemplatePictures pictures;
  int repaints = 0;
  QObject::connect(&dialog, &TVorlageDlg::viewChanged, [&] { ++repaints; });
  int helpTopic = 0;
  QObject::connect(&dialog, &TVorlageDlg::helpRequested, [&](int topic) { helpTopic = topic; });

  onNextDialog<TVorlageDlg>([&](TVorlageDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Scanned copy");
    EXPECT_EQ(child<QTabWidget>(d, "PageControl1")->currentIndex(), 1);  // the bottom side's
    for (int side : {1, 2}) {
      const PageState s = pageState(d, side);
      EXPECT_FALSE(s.removeEnabled || s.shownEnabled || s.dpiEnabled || s.colourVisible) << side;
    }
    // Side 2: a monochrome scan shows its colour panel; a click on it picks the tint.
    child<QPushButton>(d, "B_Suchen")->click();
    PageState s = pageState(d, 2);
    EXPECT_TRUE(s.removeEnabled && s.shownEnabled && s.shownChecked && s.dpiEnabled);
    EXPECT_TRUE(s.colourVisible);
    EXPECT_EQ(child<QSpinBox>(d, "SE_DPI2")->value(), 600);
    EXPECT_EQ(child<QLabel>(d, "L_Dateiname2")->toolTip().toStdString(), folder.file("mono.bmp"));
    child<QPushButton>(d, "P_Farbe2")->click();
    EXPECT_EQ(header.templateTint[1], 0x0000FF);

    // Side 1: a colour scan has no tint.
    child<QTabWidget>(d, "PageControl1")->setCurrentIndex(0);
    child<QPushButton>(d, "B_Suchen1")->click();
    s = pageState(d, 1);
    EXPECT_TRUE(s.removeEnabled && s.shownChecked);
    EXPECT_FALSE(s.colourVisible);

    // Removing disables the page again and switches "Show bitmap" off.
    child<QPushButton>(d, "B_Entfernen2")->click();
    s = pageState(d, 2);
    EXPECT_FALSE(s.removeEnabled || s.shownEnabled || s.shownChecked || s.colourVisible);
    child<QPushButton>(d, "B_Help")->click();
    EXPECT_EQ(child<QLabel>(d, "P_Seite2")->text(), "2");
    child<QPushButton>(d, "B_OK")->click();
  });
  dialog.execute(header, pictures, folder.file("board.pvb6"), 2, standardScheme());

  EXPECT_EQ(startFolders,
            (std::vector<std::string>{folder.path().string(), folder.path().string()}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(header.templateFile[0], folder.file("grey.bmp"));
  EXPECT_TRUE(header.templateFile[1].empty());
  EXPECT_EQ(header.templateShown, (std::array<std::uint8_t, 2>{1, 0}));
  EXPECT_TRUE(pictures.sides[0]);
  EXPECT_FALSE(pictures.sides[1]);
  // Two loads, a tint on the active side and a removal.
  EXPECT_EQ(repaints, 4);
  EXPECT_EQ(helpTopic, 33);
}

// A 200 mm x 100 mm board at one pixel per 0.1 mm with a top copper track, C1 active, the grid
// hidden, and a scan of 100 x 100 black pixels at 50 dpi (50.8 mm) in the layout's folder.
class TemplateWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setLanguage(Language::English);
    testing::writeBytes(scanFile(), testing::scanBmp(100, 100, 50));
    std::filesystem::create_directories(config.settingsFolder());
    std::ofstream(config.settingsFolder() / "PRAVEL60.INI", std::ios::binary)
        << "[Optionen]\r\nRasterSichtbar=0\r\n";
  }

  std::string scanFile() const { return (config.root() / "scan.bmp").string(); }
  std::string layoutFile() const { return (config.root() / "board.pvb6").string(); }

  // Writes the board, with side 1's scan stored under `stored`, and opens it.
  void open(const std::string& stored = "") {
    Document doc;
    Board& board = addBoard(doc, "Scan", 2000000, 1000000);
    board.header.activeLayer = kLayerC1;
    board.header.templateFile[0] = stored;
    board.header.templateShown[0] = stored.empty() ? 0 : 1;
    board.header.templateDpi[0] = 50;
    testing::add(board, testing::strokeTrack(0, -100000, 400000, -100000, kLayerC1))->width = 20000;
    ASSERT_TRUE(writeDocumentFile(doc, layoutFile()));
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(layoutFile());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    view = window->findChild<BoardView*>("ScrollBoxEx1");
    ASSERT_NE(view, nullptr);
    dialog = window->findChild<TVorlageDlg*>("TVorlageDlg");
    ASSERT_NE(dialog, nullptr);
    dialog->setChoosers([this](const std::string&) { return std::optional(scanFile()); },
                        [](Rgb) { return std::optional<Rgb>(); });
  }

  const Board& board() const { return activeBoard(window->document()); }

  QColor shownAt(DPoint world) const {
    const DPoint p = worldToScreen(viewOf(board().header), world);
    return view->viewport()->grab().toImage().pixelColor(static_cast<int>(p.x),
                                                         static_cast<int>(p.y));
  }

  bool buttonShown(const char* name) const {
    return !window->findChild<QToolButton*>(name)->isHidden();
  }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window;
  BoardView* view = nullptr;
  TVorlageDlg* dialog = nullptr;
  const QColor tint{0, 255, 0};
  const DPoint onScan{250000, -300000};      // 25 mm right, 30 mm down: scan, no copper
  const DPoint onTrack{250000, -100000};     // the track over the scan
  const DPoint shiftedAway{50000, -300000};  // left of the scan once it moves 10 mm right
};

TEST_F(TemplateWindowTest, LoadingRepaintsTheActiveSideOnly) {
  open();
  EXPECT_FALSE(buttonShown("SB_NurVorlage"));
  EXPECT_FALSE(buttonShown("SB_HideVorlage"));
  EXPECT_TRUE(window->findChild<QAction*>("SB_Vorlage") != nullptr);
  onNextDialog<TVorlageDlg>([&](TVorlageDlg& d) {
    EXPECT_EQ(child<QTabWidget>(d, "PageControl1")->currentIndex(), 0);
    // Side 2 is not the active side: the view stays as it was.
    child<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
    child<QPushButton>(d, "B_Suchen")->click();
    EXPECT_NE(shownAt(onScan), tint);
    // Side 1 is: its scan shows at once, and each change of it too.
    child<QTabWidget>(d, "PageControl1")->setCurrentIndex(0);
    child<QPushButton>(d, "B_Suchen1")->click();
    EXPECT_EQ(shownAt(onScan), tint);
    EXPECT_EQ(shownAt(shiftedAway), tint);
    child<QSpinBox>(d, "SE_XOffset1")->setValue(100);
    EXPECT_NE(shownAt(shiftedAway), tint);
    EXPECT_EQ(shownAt(onScan), tint);
    child<QCheckBox>(d, "CB_Vorlage1")->setChecked(false);
    EXPECT_NE(shownAt(onScan), tint);
    child<QCheckBox>(d, "CB_Vorlage1")->setChecked(true);
    d.accept();
  });
  trigger(*window, "Vorlage1");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(window->document().modified);
  EXPECT_EQ(board().header.templateFile[0], scanFile());
  EXPECT_EQ(board().header.templateOffsetX[0], 100);
  EXPECT_EQ(shownAt(onScan), tint);
  EXPECT_TRUE(buttonShown("SB_NurVorlage"));
  EXPECT_TRUE(buttonShown("SB_HideVorlage"));
  // The folder last used is kept as the layout folder, since all file types share it.
  EXPECT_EQ(std::filesystem::path(dialog->folder()), config.root());

  // Switching to C2 shows side 2's scan, switching to O neither; the buttons follow.
  child<QToolButton>(*window, "RB_K2")->click();
  EXPECT_EQ(board().header.activeLayer, kLayerC2);
  EXPECT_EQ(shownAt(shiftedAway), tint);
  EXPECT_TRUE(buttonShown("SB_NurVorlage"));
  child<QToolButton>(*window, "RB_U")->click();
  EXPECT_NE(shownAt(onScan), tint);
  EXPECT_FALSE(buttonShown("SB_NurVorlage"));
  EXPECT_FALSE(buttonShown("SB_HideVorlage"));
}

TEST_F(TemplateWindowTest, StatusButtonsShowTheScanAloneOrHideItWhileHeld) {
  open(scanFile());
  ASSERT_TRUE(buttonShown("SB_NurVorlage"));
  const QColor copper = shownAt(onTrack);
  EXPECT_NE(copper, tint);
  EXPECT_EQ(shownAt(onScan), tint);
  const auto visibility = board().header.layerVisible;

  auto* exclusive = window->findChild<QToolButton*>("SB_NurVorlage");
  QTest::mousePress(exclusive, Qt::LeftButton);
  EXPECT_EQ(shownAt(onTrack), tint);
  EXPECT_EQ(board().header.layerVisible, visibility);
  QTest::mouseRelease(exclusive, Qt::LeftButton);
  EXPECT_EQ(shownAt(onTrack), copper);

  auto* hide = window->findChild<QToolButton*>("SB_HideVorlage");
  QTest::mousePress(hide, Qt::LeftButton);
  EXPECT_NE(shownAt(onScan), tint);
  EXPECT_EQ(shownAt(onTrack), copper);
  QTest::mouseRelease(hide, Qt::LeftButton);
  EXPECT_EQ(shownAt(onScan), tint);
  EXPECT_EQ(board().header.templateShown, (std::array<std::uint8_t, 2>{1, 0}));
}

// The photo view never draws the scanned copy: its buttons rest while the view is on. One held
// as the view opens is let go, and what it did while held is undone.
TEST_F(TemplateWindowTest, StatusButtonsRestInThePhotoView) {
  open(scanFile());
  auto* exclusive = window->findChild<QToolButton*>("SB_NurVorlage");
  auto* hide = window->findChild<QToolButton*>("SB_HideVorlage");
  const QColor copper = shownAt(onTrack);
  const auto shownSides = board().header.templateShown;
  trigger(*window, "SB_RealAnsicht");
  EXPECT_FALSE(exclusive->isEnabled());
  EXPECT_FALSE(hide->isEnabled());
  trigger(*window, "SB_Standard");
  EXPECT_TRUE(exclusive->isEnabled());
  EXPECT_TRUE(hide->isEnabled());

  for (QToolButton* button : {exclusive, hide}) {
    QTest::mousePress(button, Qt::LeftButton);
    trigger(*window, "SB_RealAnsicht");
    EXPECT_FALSE(button->isDown()) << button->objectName().toStdString();
    trigger(*window, "SB_Standard");
    EXPECT_EQ(shownAt(onTrack), copper) << button->objectName().toStdString();
    EXPECT_EQ(shownAt(onScan), tint) << button->objectName().toStdString();
    EXPECT_EQ(board().header.templateShown, shownSides) << button->objectName().toStdString();
  }
}

TEST_F(TemplateWindowTest, OpeningFindsAMovedScanByItsNameAndReportsAMissingOne) {
  open("/gone/elsewhere/scan.bmp");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(board().header.templateFile[0], scanFile());
  EXPECT_EQ(board().header.templateDpi[0], 50);
  EXPECT_EQ(shownAt(onScan), tint);

  std::filesystem::remove(scanFile());
  window.reset();
  open("/gone/elsewhere/scan.bmp");
  ASSERT_EQ(host.messages.size(), 1u);
  // The window speaks the language of its language file, German unless one says otherwise.
  EXPECT_EQ(host.messages[0].text,
            "Die Vorlagen-Datei \"/gone/elsewhere/scan.bmp\" existiert nicht.");
  EXPECT_EQ(board().header.templateDpi[0], 50);  // the other settings stay
  EXPECT_NE(shownAt(onScan), tint);
  EXPECT_FALSE(buttonShown("SB_NurVorlage"));
}

}  // namespace
}  // namespace pravelo
