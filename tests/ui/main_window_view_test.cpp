#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>

#include "project/boards.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/raster_dialog.h"
#include "ui/raster_hotkeys_dialog.h"
#include "ui_test_support.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

using testing::onNextDialog;
using testing::ScriptedHost;
using testing::TempConfig;
using testing::trigger;

// A 400 mm x 300 mm board with a silkscreen track and a copper track, both crossed by a track on
// the other copper layer, opened in the window at one pixel per 0.1 mm, the navigator shown.
class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setLanguage(Language::German);
    Document doc;
    Board& board = addBoard(doc, "Ansicht", 4000000, 3000000);
    for (auto [layer, y] : {std::pair{kLayerS1, -50000.0f}, std::pair{kLayerC2, -150000.0f}}) {
      testing::add(board, testing::strokeTrack(100000, y, 300000, y, layer))->width = 20000;
    }
    testing::add(board, testing::strokeTrack(150000, -20000, 150000, -180000, kLayerC1))->width =
        20000;
    const std::string path = (config.root() / "view.pvb6").string();
    ASSERT_TRUE(writeDocumentFile(doc, path));
    std::filesystem::create_directories(config.settingsFolder());
    std::ofstream(config.settingsFolder() / "PRAVEL60.INI", std::ios::binary)
        << "[Optionen]\r\nPlatinenZoom=1\r\n";
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(path);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    view = window->findChild<BoardView*>("ScrollBoxEx1");
  }

  const Board& board() const { return activeBoard(window->document()); }
  QWidget* viewport() const { return view->viewport(); }

  // The colour the drawing area shows at a world point.
  QColor shownAt(DPoint world) const {
    const DPoint p = worldToScreen(viewOf(board().header), world);
    return viewport()->grab().toImage().pixelColor(static_cast<int>(p.x), static_cast<int>(p.y));
  }

  void turnWheel(QPointF at, int delta) {
    // Wheel events closer together than 0.05 ms count as one.
    QTest::qWait(1);
    QWheelEvent event(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &event);
  }

  QPoint pointer() const { return viewport()->mapFromGlobal(QCursor::pos()); }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window;
  BoardView* view = nullptr;
};

TEST_F(ViewTest, WheelZoomsInAboutThePointerAndOutWhereItWas) {
  view->horizontalScrollBar()->setValue(1000);
  view->verticalScrollBar()->setValue(800);
  const QPointF at(200, 150);
  const DPoint world = view->worldAt(at);  // (1200000, -950000)
  turnWheel(at, 120);
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.0013);
  // The point lies in the middle now, and the pointer was moved onto it.
  const double pixel = 1 / board().header.zoom;
  const DPoint middle =
      view->worldAt(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
  EXPECT_NEAR(middle.x, world.x, pixel);
  EXPECT_NEAR(middle.y, world.y, pixel);
  EXPECT_NEAR(view->worldAt(pointer()).x, world.x, pixel);
  EXPECT_NEAR(view->worldAt(pointer()).y, world.y, pixel);

  turnWheel(pointer(), -120);
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.001);
  // The middle stays; the pointer follows its world point.
  EXPECT_NEAR(view->worldAt(pointer()).x, world.x, 1000);
  EXPECT_NEAR(view->worldAt(pointer()).y, world.y, 1000);

  // A high-resolution wheel zooms once its deltas add up to a notch.
  turnWheel(pointer(), 60);
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.001);
  turnWheel(pointer(), 60);
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.0013);
}

TEST_F(ViewTest, ZoomPreviousRestoresZoomAndScrollPositionsExactly) {
  for (int i = 0; i < 3; ++i) trigger(*window, "Vergroessern1");
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.0022);
  view->horizontalScrollBar()->setValue(3456);
  view->verticalScrollBar()->setValue(1234);
  const BoardHeader before = board().header;
  ASSERT_EQ(before.scrollX, 3456);
  ASSERT_EQ(before.scrollY, 1234);

  trigger(*window, "Zoomalles1");
  EXPECT_LT(board().header.zoom, before.zoom);
  trigger(*window, "Zoomvorher2");
  EXPECT_EQ(board().header, before);
  EXPECT_EQ(view->horizontalScrollBar()->value(), 3456);
  EXPECT_EQ(view->verticalScrollBar()->value(), 1234);
  // With the history empty nothing happens.
  trigger(*window, "Zoomvorher2");
  EXPECT_EQ(board().header, before);
}

TEST_F(ViewTest, LayerButtonHidesTheLayer) {
  const DPoint silkscreen{200000, -50000};
  const DPoint copper{200000, -150000};
  EXPECT_EQ(shownAt(silkscreen), QColor(255, 0, 0));
  EXPECT_EQ(shownAt(copper), QColor(0, 186, 0));

  window->findChild<QToolButton*>("SB_B1")->click();
  EXPECT_EQ(board().header.layerVisible[kLayerS1 - 1], 0);
  EXPECT_EQ(shownAt(silkscreen), QColor(0, 0, 0));
  EXPECT_EQ(shownAt(copper), QColor(0, 186, 0));

  // Making the hidden layer active shows it again.
  window->findChild<QToolButton*>("RB_B1")->click();
  EXPECT_EQ(board().header.activeLayer, kLayerS1);
  EXPECT_EQ(board().header.layerVisible[kLayerS1 - 1], 1);
  EXPECT_TRUE(window->findChild<QToolButton*>("SB_B1")->isChecked());
  EXPECT_EQ(shownAt(silkscreen), QColor(255, 0, 0));
}

TEST_F(ViewTest, DigitKeysGridMenuAndUnitButton) {
  auto* gridButton = window->findChild<QToolButton*>("SB_Raster");
  EXPECT_EQ(gridButton->text(), "  1.27 mm");
  QTest::keyClick(view, Qt::Key_3);  // 1/4 pitch by default
  EXPECT_DOUBLE_EQ(board().header.grid, 6350);
  EXPECT_EQ(gridButton->text(), " 0.635 mm");

  trigger(*window, "SB_Einheit");
  EXPECT_TRUE(window->settings().optionen.MIL);
  EXPECT_EQ(window->findChild<QAction*>("SB_Einheit")->text(), "mil");
  EXPECT_EQ(gridButton->text(), "     25 mil");
  auto* popup = window->findChild<QMenu*>("RasterPopup");
  emit popup->aboutToShow();
  QStringList checked;
  for (QAction* entry : popup->actions()) {
    if (entry->data().isValid() && entry->isChecked()) checked << entry->text();
  }
  EXPECT_EQ(checked, QStringList{"25 mil (0.635 mm)"});

  onNextDialog<TRasterDlg>([](TRasterDlg& dlg) {
    dlg.findChild<QLineEdit*>("E_Raster")->setText("2,5");
    dlg.findChild<QRadioButton*>("RB_mm")->setChecked(true);
    dlg.findChild<QPushButton*>("B_OK")->click();
  });
  trigger(*window, "R_Hinzufuegen");
  EXPECT_EQ(window->settings().favourites.grids, std::vector<int>{10000256});
  EXPECT_DOUBLE_EQ(board().header.grid, 25000);
}

TEST_F(ViewTest, UserOriginCommandsAndTheCoordinateReadOut) {
  EXPECT_EQ(board().header.originY, -3000000);  // bottom left
  trigger(*window, "RcksetzenObenLinks1");
  EXPECT_EQ(board().header.originX, 0);
  EXPECT_EQ(board().header.originY, 0);
  EXPECT_TRUE(window->document().modified);

  // "Set to click-position" snaps the point where the menu was opened to the 1.27 mm grid.
  QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(12, 23));  // world (12000, -23000)
  trigger(*window, "Nullpunktsetzen1");
  window->findChild<QMenu*>("PaintBoxPopup")->close();
  EXPECT_EQ(board().header.originX, 12700);
  EXPECT_EQ(board().header.originY, -25400);

  // A move to where the pointer already is would be dropped: come from a neighbouring pixel.
  QTest::mouseMove(viewport(), QPoint(101, 51));
  QTest::mouseMove(viewport(), QPoint(100, 50));  // world (100000, -50000)
  EXPECT_EQ(window->findChild<QLabel*>("L_X")->text(), "X: 8.730 mm");
  EXPECT_EQ(window->findChild<QLabel*>("L_Y")->text(), "Y: 2.460 mm");
}

TEST_F(ViewTest, NavigatorClickZoomsAndDragScrolls) {
  auto* navigator = window->findChild<QWidget*>("PB_PlatinenZoom");
  ASSERT_TRUE(navigator->isVisible());
  const BoardHeader before = board().header;
  QTest::mouseClick(navigator, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.0014);
  trigger(*window, "Zoomvorher2");  // the click remembered the view
  EXPECT_EQ(board().header, before);

  // Each navigator pixel is 4000000 / 80 = 50000 units, 50 screen pixels at this zoom.
  const QPoint grab(navigator->width() / 2 - 40 + 4, 8 + 4);  // inside the visible area
  QTest::mousePress(navigator, Qt::LeftButton, Qt::NoModifier, grab);
  QTest::mouseMove(navigator, grab + QPoint(10, 5));
  QTest::mouseRelease(navigator, Qt::LeftButton, Qt::NoModifier, grab + QPoint(10, 5));
  EXPECT_DOUBLE_EQ(board().header.zoom, 0.001);
  EXPECT_EQ(board().header.scrollX, 500);
  EXPECT_EQ(board().header.scrollY, 250);
  EXPECT_EQ(view->horizontalScrollBar()->value(), 500);
}

TEST_F(ViewTest, TransparentModeAddsTheLayersColours) {
  const DPoint crossing{150000, -50000};
  EXPECT_EQ(shownAt(crossing), QColor(255, 0, 0));  // the silkscreen covers the copper
  trigger(*window, "TB_Transparent");
  EXPECT_TRUE(window->settings().optionen.Transparent);
  EXPECT_EQ(shownAt(crossing), QColor(255, 106, 249));
}

TEST_F(ViewTest, GridHotkeysAreChangedThroughTheGridDialog) {
  onNextDialog<TRasterHotkeysDlg>([](TRasterHotkeysDlg& dlg) {
    auto* first = dlg.findChild<QLabel*>("L_Wert1");
    EXPECT_EQ(first->text(), "2.54 mm (100 mil)");
    onNextDialog<TRasterDlg>([](TRasterDlg& grid) {
      grid.findChild<QLineEdit*>("E_Raster")->setText("0.5");
      grid.findChild<QPushButton*>("B_OK")->click();
    });
    dlg.findChild<QPushButton*>("B_Aendern1")->click();
    EXPECT_EQ(first->text(), "0.5 mm (19.685 mil)");
    dlg.findChild<QPushButton*>("B_OK")->click();
  });
  trigger(*window, "R_Hotkeys");
  EXPECT_EQ(window->settings().rasterHotkeys[0], 10000056);
  QTest::keyClick(view, Qt::Key_1);
  EXPECT_DOUBLE_EQ(board().header.grid, 5000);
}

}  // namespace
}  // namespace pravelo
