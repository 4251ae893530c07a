#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "geometry/bounding_box.h"
#include "project/boards.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui_test_support.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;
using testing::TempConfig;
using testing::trigger;

constexpr DPoint kCrosshairTrackStart{200000, -200000};
constexpr DPoint kCrosshairTrackEnd{600000, -200000};

// A 100 mm x 80 mm board with one 2 mm copper track, opened in the window; `ini` is put in the
// settings file first.
class CrosshairWindowTest : public ::testing::Test {
 protected:
  void open(const std::string& ini = "") {
    if (!ini.empty()) {
      std::filesystem::create_directories(config.settingsFolder());
      std::ofstream(config.settingsFolder() / "PRAVEL60.INI") << ini;
    }
    Document doc;
    Board& board = addBoard(doc, "Measure", 1000000, 800000);
    testing::add(board, testing::strokeTrack(static_cast<float>(kCrosshairTrackStart.x),
                                             static_cast<float>(kCrosshairTrackStart.y),
                                             static_cast<float>(kCrosshairTrackEnd.x),
                                             static_cast<float>(kCrosshairTrackEnd.y), kLayerC1))
        ->width = 20000;
    const std::string path = (config.root() / "measure.pvb6").string();
    ASSERT_TRUE(writeDocumentFile(doc, path));
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(path);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    view = window->findChild<BoardView*>("ScrollBoxEx1");
  }

  const Board& board() const { return activeBoard(window->document()); }
  QWidget* viewport() const { return view->viewport(); }
  QPoint at(DPoint world) const {
    const DPoint p = worldToScreen(viewOf(board().header), world);
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }
  QImage grab() const { return viewport()->grab().toImage(); }
  void leave() {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
  }
  QWidget* panel() const { return window->findChild<QWidget*>("P_ExtraKoordinaten"); }
  QString label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window;
  BoardView* view = nullptr;
};

TEST_F(CrosshairWindowTest, TheCrosshairFollowsThePointerAndLeavesNoTrace) {
  open();
  trigger(*window, "SB_Messen");
  const QImage before = grab();
  const DPoint onGrid{12700 * 24, -800000 + 12700 * 24};
  QTest::mouseMove(viewport(), at(onGrid));
  const QImage drawn = grab();
  EXPECT_NE(drawn, before);
  // The horizontal line through the pointer, at the left edge.
  const IPoint pointer = toIPoint(worldToScreen(viewOf(board().header), onGrid));
  EXPECT_EQ(drawn.pixelColor(2, pointer.y), QColor(Qt::white));
  leave();
  EXPECT_EQ(grab(), before);
}

TEST_F(CrosshairWindowTest, MeasuringShowsItsFigureAndChangesNothing) {
  open();
  trigger(*window, "SB_Messen");
  const QImage before = grab();
  const QPoint a = at({200000, -500000});
  const QPoint b = at({300000, -450000});
  QTest::mouseMove(viewport(), a);
  QTest::mousePress(viewport(), Qt::LeftButton, {}, a);
  QTest::mouseMove(viewport(), b);
  const QImage measuring = grab();
  // The translucent rectangle between the two points.
  const QPoint inside((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
  EXPECT_NE(measuring.pixelColor(inside), before.pixelColor(inside));
  QTest::mouseRelease(viewport(), Qt::LeftButton, {}, b);
  EXPECT_EQ(grab().pixelColor(inside), before.pixelColor(inside));
  EXPECT_FALSE(window->document().modified);
  EXPECT_FALSE(window->findChild<QAction*>("TB_Undo")->isEnabled());
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_FALSE(panel()->isVisible());
}

// A partial repaint under the crosshair is not undone by the next move of the pointer.
TEST_F(CrosshairWindowTest, PartialRepaintsReachThePictureUnderTheCrosshair) {
  open();
  trigger(*window, "SB_Messen");
  QTest::mouseMove(viewport(), at({300000, -600000}));
  grab();  // the crosshair is on the screen
  auto& track = const_cast<TObjekt&>(*board().objects.front());
  const TRect oldBounds = objectBounds(track);
  track.layer = kLayerC2;
  const TRect newBounds = objectBounds(track);
  view->refreshWorldRect(
      {std::min(oldBounds.left, newBounds.left), std::min(oldBounds.top, newBounds.top),
       std::max(oldBounds.right, newBounds.right), std::max(oldBounds.bottom, newBounds.bottom)});
  QTest::mouseMove(viewport(), at({320000, -620000}));
  const QPoint onTrack = at({260000, -200000});
  const QColor shown = grab().pixelColor(onTrack);
  leave();
  view->refresh();
  EXPECT_EQ(shown, grab().pixelColor(onTrack));
}

TEST_F(CrosshairWindowTest, WithoutTheBoxTheDeltasGoToThePanel) {
  open("[Optionen]\nFK_TextBox=0\n");
  trigger(*window, "SB_Circle");
  EXPECT_FALSE(panel()->isVisible());
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({254000, -508000}));
  QTest::mouseMove(viewport(), at({254000 + 25400, -508000}));
  ASSERT_TRUE(panel()->isVisible());
  EXPECT_EQ(label("L_uDX"), "dX:");
  EXPECT_EQ(label("L_XDX"), "2.540 mm");
  EXPECT_EQ(label("L_XDY"), "0.000 mm");
  EXPECT_EQ(label("L_XDistance"), "2.540 mm");
  // The Measure tool keeps its box.
  trigger(*window, "SB_Messen");
  EXPECT_FALSE(panel()->isVisible());
  QTest::mousePress(viewport(), Qt::LeftButton, {}, at({300000, -500000}));
  QTest::mouseMove(viewport(), at({400000, -500000}));
  EXPECT_FALSE(panel()->isVisible());
  QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at({400000, -500000}));
}

}  // namespace
}  // namespace pravelo
