#include "view/photo_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "project/boards.h"
#include "project/save_commands.h"
#include "settings/settings_store.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/board_view.h"
#include "ui/layer_bar.h"
#include "ui/main_window.h"
#include "ui/photo_view_panel.h"
#include "ui/ruler_bar.h"
#include "ui_test_support.h"
#include "view/navigator.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

using testing::child;
using testing::ScriptedHost;
using testing::TempConfig;
using testing::trigger;

// Board points of the fixture: bare board, a C1 track, an S1 track, a C2 track away from the
// others, and a C1 SMD pad in a mask opening.
constexpr DPoint kBare{296000, -256000};  // between the grid lines
constexpr DPoint kTopCopper{150000, -50000};
constexpr DPoint kTopSilk{150000, -150000};
constexpr DPoint kFarCopper{60000, -250000};
constexpr DPoint kOpening{300000, -100000};

QColor qcolour(Rgb c) { return {c.r, c.g, c.b}; }

// A 40 mm x 30 mm board at one pixel per 0.1 mm, so that all of it is in view; the settings
// file holds `ini`.
class PhotoViewWindowTest : public ::testing::Test {
 protected:
  void open(const std::string& ini = "") {
    setLanguage(Language::English);
    Document doc;
    Board& board = addBoard(doc, "Photo", 400000, 300000);
    board.header.activeLayer = kLayerC1;
    const auto track = [&](DPoint a, DPoint b, int layer) {
      const auto f = [](double v) { return static_cast<float>(v); };
      testing::add(board, testing::strokeTrack(f(a.x), f(a.y), f(b.x), f(b.y),
                                               static_cast<std::uint8_t>(layer)))
          ->width = 20000;
    };
    track({20000, -50000}, {200000, -50000}, kLayerC1);
    track({20000, -150000}, {200000, -150000}, kLayerS1);
    track({60000, -200000}, {60000, -280000}, kLayerC2);
    TObjekt smd = newObject();
    initSmdPad(smd, {300000, -100000}, 30000, kLayerC1, 30000);
    smd.solderMask = 1;
    testing::add(board, std::move(smd));
    const std::string path = (config.root() / "photo.pvb6").string();
    ASSERT_TRUE(writeDocumentFile(doc, path));
    std::filesystem::create_directories(config.settingsFolder());
    std::ofstream(settingsFile(), std::ios::binary) << ini;
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(path);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    view = window->findChild<BoardView*>("ScrollBoxEx1");
    panel = window->findChild<TRealAnsichtDlg*>("TRealAnsichtDlg");
    ASSERT_NE(panel, nullptr);
  }

  std::filesystem::path settingsFile() const { return config.settingsFolder() / "PRAVEL60.INI"; }
  const Board& board() const { return activeBoard(window->document()); }

  // The colour the drawing area shows at a world point, seen from `side` in the photo view.
  QColor shownAt(DPoint world, std::optional<PhotoSide> side = std::nullopt) const {
    ViewTransform v = viewOf(board().header);
    if (side) v = photoViewTransform(v, board().header, *side);
    const DPoint p = worldToScreen(v, world);
    return view->viewport()->grab().toImage().pixelColor(static_cast<int>(p.x),
                                                         static_cast<int>(p.y));
  }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window;
  BoardView* view = nullptr;
  TRealAnsichtDlg* panel = nullptr;
};

TEST_F(PhotoViewWindowTest, ThePhotoViewToolShowsTheFinishedBoardAndOtherToolsTheLayers) {
  open();
  const ColourScheme scheme = view->scheme();
  EXPECT_FALSE(panel->isVisible());
  trigger(*window, "SB_RealAnsicht");
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(shownAt(kBare, PhotoSide::Top), QColor(22, 117, 22));
  EXPECT_EQ(shownAt(kTopCopper, PhotoSide::Top), QColor(0, 190, 0));
  EXPECT_EQ(shownAt(kTopSilk, PhotoSide::Top), QColor(230, 230, 230));
  EXPECT_EQ(shownAt(kOpening, PhotoSide::Top), QColor(220, 170, 20));  // gold
  EXPECT_EQ(shownAt(kFarCopper, PhotoSide::Top), QColor(2, 97, 2));    // X-ray
  // The layers and the ground plane stay as they are.
  EXPECT_FALSE(window->findChild<LayerBar*>()->isEnabled());
  EXPECT_FALSE(window->findChild<QAction*>("SB_AutoMasse")->isEnabled());

  trigger(*window, "SB_Standard");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(window->findChild<LayerBar*>()->isEnabled());
  EXPECT_TRUE(window->findChild<QAction*>("SB_AutoMasse")->isEnabled());
  EXPECT_EQ(view->scheme().colours, scheme.colours);
  EXPECT_EQ(shownAt(kBare), qcolour(scheme.background()));
  EXPECT_EQ(shownAt(kTopCopper), qcolour(scheme.layer(kLayerC1)));
  EXPECT_EQ(shownAt(kTopSilk), qcolour(scheme.layer(kLayerS1)));
}

TEST_F(PhotoViewWindowTest, EachOptionRepaintsAtOnce) {
  open();
  trigger(*window, "SB_RealAnsicht");
  struct Step {
    const char* what;
    std::function<void()> change;
    DPoint at;
    QColor shown;
  };
  const Step steps[] = {
      {"blue board", [&] { child<QComboBox>(*panel, "CB_Platine")->setCurrentIndex(1); }, kBare,
       QColor(36, 82, 200)},
      {"silver", [&] { child<QComboBox>(*panel, "CB_LS")->setCurrentIndex(1); }, kOpening,
       QColor(210, 210, 210)},
      {"no finish", [&] { child<QComboBox>(*panel, "CB_LS")->setCurrentIndex(2); }, kOpening,
       QColor(132, 164, 228)},
      {"no X-ray", [&] { child<QCheckBox>(*panel, "CB_XRay")->setChecked(false); }, kFarCopper,
       QColor(36, 82, 200)},
      {"no silkscreen", [&] { child<QCheckBox>(*panel, "CB_Bestueckung")->setChecked(false); },
       kTopSilk, QColor(36, 82, 200)},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(shownAt(step.at, PhotoSide::Top), step.shown) << step.what;
  }
}

// From below, the C2 track lies mirrored about the board's vertical centre line.
TEST_F(PhotoViewWindowTest, TheBottomSideIsMirrored) {
  open();
  trigger(*window, "SB_RealAnsicht");
  child<QCheckBox>(*panel, "CB_XRay")->setChecked(false);
  child<QRadioButton>(*panel, "RB_K2")->setChecked(true);
  EXPECT_EQ(shownAt(kFarCopper, PhotoSide::Bottom), QColor(0, 190, 0));
  EXPECT_EQ(shownAt(kFarCopper, PhotoSide::Top), QColor(22, 117, 22))
      << "nothing where the track lies seen from above";
  // The pointer reports the board point under it, mirrored.
  const DPoint p = worldToScreen(
      photoViewTransform(viewOf(board().header), board().header, PhotoSide::Bottom), kFarCopper);
  EXPECT_NEAR(view->worldAt(QPointF(p.x, p.y)).x, kFarCopper.x, 1000);
  child<QRadioButton>(*panel, "RB_K1")->setChecked(true);
  EXPECT_EQ(shownAt(kFarCopper, PhotoSide::Top), QColor(22, 117, 22));
}

TEST_F(PhotoViewWindowTest, OptionsComeFromTheSettingsAndGoBackWhenTheViewCloses) {
  open("[RealAnsicht]\r\nBest=1\r\nXRay=0\r\nLS_Color=1\r\nPL_Color=2\r\n");
  trigger(*window, "SB_RealAnsicht");
  EXPECT_EQ(child<QComboBox>(*panel, "CB_Platine")->currentIndex(), 2);
  EXPECT_EQ(child<QComboBox>(*panel, "CB_LS")->currentIndex(), 1);
  EXPECT_FALSE(child<QCheckBox>(*panel, "CB_XRay")->isChecked());
  EXPECT_TRUE(child<QCheckBox>(*panel, "CB_Bestueckung")->isChecked());
  EXPECT_EQ(shownAt(kBare, PhotoSide::Top), QColor(156, 116, 22));

  child<QComboBox>(*panel, "CB_Platine")->setCurrentIndex(0);
  child<QCheckBox>(*panel, "CB_XRay")->setChecked(true);
  child<QCheckBox>(*panel, "CB_Bestueckung")->setChecked(false);
  trigger(*window, "SB_Zoom");
  const SettingsStore written(settingsFile());
  EXPECT_EQ(written.readInteger("RealAnsicht", "PL_Color", -1), 0);
  EXPECT_EQ(written.readInteger("RealAnsicht", "LS_Color", -1), 1);
  EXPECT_TRUE(written.readBool("RealAnsicht", "XRay", false));
  EXPECT_FALSE(written.readBool("RealAnsicht", "Best", true));

  trigger(*window, "SB_RealAnsicht");
  EXPECT_EQ(child<QComboBox>(*panel, "CB_Platine")->currentIndex(), 0);
  EXPECT_FALSE(child<QCheckBox>(*panel, "CB_Bestueckung")->isChecked());
}

// The label of the horizontal ruler's mark at a ruler pixel; empty where there is none.
std::string rulerLabelAt(const RulerBar& ruler, double position) {
  for (const RulerTick& tick : ruler.ticks()) {
    if (std::abs(tick.position - position) < 1e-6) return tick.label;
  }
  return "";
}

// From below, the horizontal ruler counts from the board's right edge leftwards, and the label
// under the pointer's marker reads as the pointer's X does.
TEST_F(PhotoViewWindowTest, TheRulerReadsTheBottomSideMirrored) {
  open();
  auto* ruler = window->findChild<RulerBar*>("HScalePaintBox");
  ASSERT_NE(ruler, nullptr);
  ASSERT_EQ(board().header.scrollX, 0);
  // The origin lies at the bottom-left corner; 40 mm are 400 pixels, the ruler starts 26 to the
  // left of the drawing area.
  EXPECT_EQ(rulerLabelAt(*ruler, 26 + 100), "10");
  trigger(*window, "SB_RealAnsicht");
  EXPECT_EQ(rulerLabelAt(*ruler, 26 + 100), "10");
  child<QRadioButton>(*panel, "RB_K2")->setChecked(true);
  EXPECT_EQ(rulerLabelAt(*ruler, 26 + 400), "0");
  EXPECT_EQ(rulerLabelAt(*ruler, 26 + 100), "30");
  EXPECT_EQ(rulerLabelAt(*ruler, 26), "40");

  // A move to where the pointer already is would be dropped: come from a neighbouring pixel.
  QTest::mouseMove(view->viewport(), QPoint(301, 50));
  QTest::mouseMove(view->viewport(), QPoint(300, 50));
  EXPECT_EQ(window->findChild<QLabel*>("L_X")->text(), "X: 10.000 mm");
  ASSERT_EQ(ruler->marker(), 26 + 300);
  EXPECT_EQ(rulerLabelAt(*ruler, *ruler->marker()), "10");

  child<QRadioButton>(*panel, "RB_K1")->setChecked(true);
  EXPECT_EQ(rulerLabelAt(*ruler, 26 + 100), "10");
  trigger(*window, "SB_Standard");
  EXPECT_EQ(rulerLabelAt(*ruler, 26 + 300), "30");
}

// The navigator shows the board as the drawing area does, turned over from below; dragging its
// rectangle over a part of the thumbnail brings that part into the middle of the view.
TEST_F(PhotoViewWindowTest, TheNavigatorShowsTheBottomSideMirrored) {
  open("[Optionen]\r\nPlatinenZoom=1\r\n");
  auto* navigator = window->findChild<QWidget*>("PB_PlatinenZoom");
  ASSERT_TRUE(navigator->isVisible());
  trigger(*window, "SB_RealAnsicht");
  child<QCheckBox>(*panel, "CB_XRay")->setChecked(false);
  child<QRadioButton>(*panel, "RB_K2")->setChecked(true);
  // 5000 units per thumbnail pixel; the 80 x 60 pixel thumbnail starts at (8, 8). The C2 track
  // runs down at x = 6 mm, from 20 mm to 28 mm below the top edge; from below it lies 34 mm
  // from the left.
  const QPoint mirroredTrack(8 + 68, 8 + 48);
  const QPoint unmirroredTrack(8 + 12, 8 + 48);
  const QImage thumbnail = navigator->grab().toImage();
  EXPECT_EQ(thumbnail.pixelColor(mirroredTrack), QColor(0, 190, 0));
  EXPECT_EQ(thumbnail.pixelColor(unmirroredTrack), QColor(22, 117, 22));

  for (int i = 0; i < 9; ++i) trigger(*window, "Vergroessern1");
  const PixelSize viewport = view->viewportSize();
  const BoardHeader& header = board().header;
  const NavigatorGeometry g =
      navigatorGeometry(header.width, header.height, view->shownView(), viewport);
  ASSERT_LT(g.visible.width, 20);
  const QPoint middle(static_cast<int>(g.visible.left + g.visible.width / 2),
                      static_cast<int>(g.visible.top + g.visible.height / 2));
  QTest::mousePress(navigator, Qt::LeftButton, Qt::NoModifier, middle);
  QTest::mouseMove(navigator, mirroredTrack);
  QTest::mouseRelease(navigator, Qt::LeftButton, Qt::NoModifier, mirroredTrack);
  const QImage shown = view->viewport()->grab().toImage();
  EXPECT_EQ(
      shown.pixelColor(static_cast<int>(viewport.width / 2), static_cast<int>(viewport.height / 2)),
      QColor(0, 190, 0));
}

}  // namespace
}  // namespace pravelo
