#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "editing/tool_table.h"
#include "project/boards.h"
#include "project/save_commands.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/selector_panel.h"
#include "ui/size_column.h"
#include "ui_test_support.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;
using testing::TempConfig;
using testing::trigger;

constexpr DPoint kTrackStart{200000, -200000};
constexpr DPoint kTrackEnd{600000, -200000};

// A 100 mm x 80 mm board with one 2 mm copper track, opened in the window, which speaks German.
class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    Board& board = addBoard(doc, "Edit", 1000000, 800000);
    testing::add(board, testing::strokeTrack(static_cast<float>(kTrackStart.x),
                                             static_cast<float>(kTrackStart.y),
                                             static_cast<float>(kTrackEnd.x),
                                             static_cast<float>(kTrackEnd.y), kLayerC1))
        ->width = 20000;
    const std::string path = (config.root() / "edit.pvb6").string();
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
  QAction* button(const char* name) const { return window->findChild<QAction*>(name); }
  // The tool buttons that show as pressed.
  QStringList checkedTools() const {
    QStringList names;
    for (const ToolInfo& t : toolTable()) {
      if (button(t.button)->isChecked()) names << t.button;
    }
    return names;
  }
  bool trackSelected() const { return board().objects.front()->selected != 0; }

  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window;
  BoardView* view = nullptr;
};

TEST_F(EditorWindowTest, EveryToolIsChosenByItsButtonAndByItsHotkey) {
  EXPECT_EQ(checkedTools(), QStringList{"SB_Standard"});
  const std::string hotkeys = defaultHotkeys(Language::German);
  for (const ToolInfo& t : toolTable()) {
    SCOPED_TRACE(t.button);
    // The text tool asks for its text first, after the button has finished its click; the
    // special form tool for its shape.
    const bool asks = t.id == ToolId::Text || t.id == ToolId::SpecialForm;
    if (asks) testing::onNextDialog<QDialog>([](QDialog& d) { d.accept(); });
    trigger(*window, t.button);
    if (asks) QTest::qWait(50);
    EXPECT_EQ(checkedTools(), QStringList{t.button});
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(checkedTools(), QStringList{"SB_Standard"});
    if (t.hotkeyIndex < 0) continue;
    // The hotkeys are capitals; the machine compares without case.
    const char letter = static_cast<char>(hotkeys[static_cast<std::size_t>(t.hotkeyIndex)] + 32);
    if (asks) testing::onNextDialog<QDialog>([](QDialog& d) { d.accept(); });
    QTest::keyClick(view, letter);
    EXPECT_EQ(checkedTools(), QStringList{t.button});
    QTest::keyClick(view, Qt::Key_Escape);
  }
  // Keys with Alt held belong to the menus.
  QTest::keyClick(view, 'z', Qt::AltModifier);
  EXPECT_EQ(checkedTools(), QStringList{"SB_Standard"});
}

TEST_F(EditorWindowTest, TextIoImportPlacesTheFileLikeAPasteWithOneClick) {
  const std::string records = (config.root() / "teile.txt").string();
  testing::writeBytes(records, "TRACK,P0=0/0,P1=10000/0;PAD,POS=0/20000,SIZE=16000,DRILL=8000;");
  window->setFileChoosers({{}, {}, [&](const std::string&) { return records; }, {}});
  trigger(*window, "Import_TextIO");
  QTest::mouseMove(viewport(), at({300000, -500000}));
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({300000, -500000}));
  ASSERT_EQ(board().objects.size(), 3u);
  EXPECT_TRUE(board().objects[1]->selected && board().objects[2]->selected);
  EXPECT_FALSE(trackSelected());
  EXPECT_EQ(board().objects[1]->groups, board().objects[2]->groups);
  trigger(*window, "TB_Undo");
  EXPECT_EQ(board().objects.size(), 1u);
}

TEST_F(EditorWindowTest, APadPlacedByAClickIsUndoneAndRedoneByTheButtons) {
  for (const char* name : {"TB_Undo", "TB_Redo", "Undo", "Redo"}) {
    EXPECT_FALSE(button(name)->isEnabled()) << name;
  }
  trigger(*window, "SB_Circle");
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({300000, -500000}));
  ASSERT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(board().objects.back()->kind, kPad);
  EXPECT_TRUE(button("TB_Undo")->isEnabled());
  EXPECT_TRUE(button("Undo")->isEnabled());
  EXPECT_FALSE(button("TB_Redo")->isEnabled());

  trigger(*window, "TB_Undo");
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_FALSE(button("TB_Undo")->isEnabled());
  EXPECT_TRUE(button("TB_Redo")->isEnabled());
  EXPECT_TRUE(button("Redo")->isEnabled());

  trigger(*window, "Redo");
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_TRUE(button("TB_Undo")->isEnabled());
  EXPECT_FALSE(button("TB_Redo")->isEnabled());
}

TEST_F(EditorWindowTest, SelectingByClickAndByFrameAndTheSizeColumnFollows) {
  auto* sizes = window->findChild<SizeColumn*>();
  ASSERT_NE(sizes, nullptr);
  const int newTrackWidth = sizes->fields()[SizeField::Breite];
  ASSERT_NE(newTrackWidth, 20000);

  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({400000, -200000}));
  EXPECT_TRUE(trackSelected());
  EXPECT_EQ(sizes->fields()[SizeField::Breite], 20000);

  // A click on empty space deselects; the field returns to the size for new tracks.
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({400000, -600000}));
  EXPECT_FALSE(trackSelected());
  EXPECT_EQ(sizes->fields()[SizeField::Breite], newTrackWidth);

  QTest::mousePress(viewport(), Qt::LeftButton, {}, at({100000, -100000}));
  QTest::mouseMove(viewport(), at({400000, -250000}));
  QTest::mouseMove(viewport(), at({700000, -300000}));
  // The frame is drawn over the picture while the button is held.
  const QImage shown = viewport()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(at({100000, -100000})), QColor(Qt::white));
  QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at({700000, -300000}));
  EXPECT_TRUE(trackSelected());
  EXPECT_EQ(sizes->fields()[SizeField::Breite], 20000);

  // A width typed into the column changes the selected track, as one undo step.
  emit sizes->fieldChanged(SizeField::Breite, 30000);
  EXPECT_EQ(board().objects.front()->width, 30000);
  trigger(*window, "TB_Undo");
  EXPECT_EQ(board().objects.front()->width, 20000);
}

TEST_F(EditorWindowTest, TheSelectorDockSelects) {
  auto* selector = window->findChild<TSelector*>("TSelector");
  ASSERT_NE(selector, nullptr);
  EXPECT_FALSE(selector->isVisible());
  trigger(*window, "SB_Circle");
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({300000, -500000}));
  QTest::keyClick(view, Qt::Key_Escape);
  ASSERT_EQ(board().objects.size(), 2u);

  trigger(*window, "TB_Selector");
  EXPECT_TRUE(selector->isVisible());
  EXPECT_TRUE(window->settings().optionen.Selector);
  auto* tree = selector->findChild<QTreeWidget*>("TV_Elemente");
  ASSERT_EQ(tree->topLevelItemCount(), 1);  // the new pad
  tree->scrollToItem(tree->topLevelItem(0));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                    tree->visualItemRect(tree->topLevelItem(0)).center());
  EXPECT_NE(board().objects.back()->selected, 0);
  EXPECT_FALSE(trackSelected());

  // The list follows the board: after undoing the pad it is empty, not pointing at nothing.
  trigger(*window, "TB_Undo");
  EXPECT_EQ(tree->topLevelItemCount(), 0);

  trigger(*window, "TB_Selector");
  EXPECT_FALSE(selector->isVisible());
  EXPECT_FALSE(window->settings().optionen.Selector);
}

TEST_F(EditorWindowTest, HelpLineAndKeyLabels) {
  auto* help = window->findChild<QLabel*>("L_Hilfetext");
  trigger(*window, "SB_Circle");
  QTest::mouseMove(viewport(), QPoint(51, 51));
  QTest::mouseMove(viewport(), QPoint(50, 50));
  EXPECT_EQ(help->text(),
            QString::fromUtf8("LÖTAUGE:  Mit der linken Maustaste setzen, mit der rechten "
                              "Maustaste abbrechen"));

  auto* shiftKey = window->findChild<QLabel*>("L_Shift");
  auto* shiftText = window->findChild<QLabel*>("L_ShiftText");
  auto* ctrlKey = window->findChild<QLabel*>("L_Strg");
  EXPECT_EQ(shiftKey->text(), " SHIFT ");
  EXPECT_EQ(shiftText->text(), " = 1/2 Raster   ");
  EXPECT_EQ(window->findChild<QLabel*>("L_StrgText")->text(), " = Raster aus   ");
  // Shift alone halves the grid, and the grid button says so.
  auto* gridButton = window->findChild<QToolButton*>("SB_Raster");
  EXPECT_EQ(gridButton->text(), "  1.27 mm");
  QTest::keyPress(view, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_TRUE(shiftKey->styleSheet().contains("green"));
  EXPECT_FALSE(ctrlKey->styleSheet().contains("green"));
  EXPECT_EQ(gridButton->text(), " 0.635 mm");
  QTest::keyPress(view, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_TRUE(ctrlKey->styleSheet().contains("green"));
  EXPECT_EQ(shiftText->text(), " = Fang aus   ");
  EXPECT_EQ(gridButton->text(), "  1.27 mm");
  QTest::keyRelease(view, Qt::Key_Control, Qt::ShiftModifier);
  QTest::keyRelease(view, Qt::Key_Shift, Qt::NoModifier);
  EXPECT_FALSE(shiftKey->styleSheet().contains("green"));
  EXPECT_EQ(shiftText->text(), " = 1/2 Raster   ");
}

TEST_F(EditorWindowTest, CaptureAndRubberBandButtonsStoreTheirSettings) {
  EXPECT_TRUE(window->settings().optionen.Fang);
  trigger(*window, "SB_Fang");
  EXPECT_FALSE(window->settings().optionen.Fang);
  for (int expected : {1, 2, 0}) {
    trigger(*window, "SB_Gummiband");
    EXPECT_EQ(window->settings().optionen.Gummiband, expected);
  }
}

TEST_F(EditorWindowTest, RectangleDropDownAndCutOutButtonsDrawWithTheirModes) {
  const auto dragRectangle = [this](DPoint from, DPoint to) {
    QTest::mousePress(viewport(), Qt::LeftButton, {}, at(from));
    QTest::mouseMove(viewport(), at(to));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at(to));
  };
  ASSERT_NE(button("SB_Rechteck")->menu(), nullptr);
  EXPECT_TRUE(button("MI_RechteckLeiterbahn")->isChecked());
  trigger(*window, "MI_RechteckFlaeche");
  EXPECT_TRUE(button("SB_Rechteck")->isChecked()) << "choosing a mode chooses the tool";
  dragRectangle({100000, -400000}, {300000, -600000});
  ASSERT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(board().objects.back()->kind, kZone);
  EXPECT_EQ(board().objects.back()->cutout, 0);

  trigger(*window, "MI_RechteckLeiterbahn");
  trigger(*window, "SB_AutoMasse");  // the cut-out buttons are there while the plane is on
  trigger(*window, "SB_Sperrflaeche_Rect");
  EXPECT_TRUE(button("SB_Sperrflaeche_Rect")->isChecked());
  dragRectangle({400000, -400000}, {600000, -600000});
  ASSERT_EQ(board().objects.size(), 3u);
  EXPECT_EQ(board().objects.back()->kind, kZone) << "the cut-out button makes a zone";
  EXPECT_EQ(board().objects.back()->cutout, 1);

  // The cut-out zone button chooses the zone tool, whose zones become cut-out areas.
  trigger(*window, "SB_Sperrflaeche_Polygon");
  EXPECT_TRUE(button("SB_Polygon")->isChecked());
  for (const DPoint p :
       {DPoint{700000, -400000}, DPoint{900000, -400000}, DPoint{900000, -600000}}) {
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(p));
  }
  QTest::mouseClick(viewport(), Qt::RightButton, {}, at({800000, -700000}));
  ASSERT_EQ(board().objects.size(), 4u);
  EXPECT_EQ(board().objects.back()->kind, kZone);
  EXPECT_EQ(board().objects.back()->cutout, 1);
}

TEST_F(EditorWindowTest, ThePlaneButtonShowsTheClearanceAndCutOutControlsOfItsLayer) {
  auto* clearance = window->findChild<QWidget*>("SE_FreistanzOffset");
  const auto planeTools = [&] {
    return std::vector<bool>{!clearance->isHidden(), button("SB_Sperrflaeche_Polygon")->isVisible(),
                             button("SB_Sperrflaeche_Rect")->isVisible()};
  };
  const std::vector<bool> none{false, false, false};
  const std::vector<bool> all{true, true, true};
  const int layer = board().header.activeLayer;
  ASSERT_TRUE(isCopperLayer(layer));
  EXPECT_EQ(planeTools(), none);
  EXPECT_TRUE(button("SB_AutoMasse")->isEnabled());

  trigger(*window, "SB_AutoMasse");
  EXPECT_EQ(board().header.groundPlane[layer - 1], 1);
  EXPECT_EQ(planeTools(), all);
  EXPECT_TRUE(button("TB_Undo")->isEnabled()) << "the switch is an undo step";

  trigger(*window, "SB_Sperrflaeche_Rect");
  EXPECT_TRUE(button("SB_Rechteck")->isChecked());
  trigger(*window, "SB_AutoMasse");
  EXPECT_EQ(planeTools(), none);
  EXPECT_FALSE(button("SB_Sperrflaeche_Rect")->isChecked());
  EXPECT_TRUE(button("SB_Standard")->isChecked()) << "the cut-out tool was released";

  trigger(*window, "TB_Undo");
  EXPECT_EQ(board().header.groundPlane[layer - 1], 1);
  EXPECT_EQ(planeTools(), all);

  // No plane on silkscreen: the button is disabled and the plane's controls are hidden.
  QTest::keyClick(view, Qt::Key_F11);
  ASSERT_EQ(board().header.activeLayer, kLayerS1);
  EXPECT_FALSE(button("SB_AutoMasse")->isEnabled());
  EXPECT_EQ(planeTools(), none);
}

TEST_F(EditorWindowTest, SpaceWhileDrawingShowsTheNextBendMode) {
  auto* bend = window->findChild<QLabel*>("L_Knickmodus");
  ASSERT_NE(bend, nullptr);
  EXPECT_EQ(bend->text(), "[1/5]");
  trigger(*window, "SB_Line");
  QTest::mouseClick(viewport(), Qt::LeftButton, {}, at({100000, -500000}));
  // The next segment is drawn over the picture while the pointer moves.
  // (on the grid row the click snapped to)
  const QPoint between = at({200000, board().objects.back()->points[0].y});
  const QColor before = viewport()->grab().toImage().pixelColor(between);
  QTest::mouseMove(viewport(), at({300000, -500000}));
  EXPECT_NE(viewport()->grab().toImage().pixelColor(between), before);
  QTest::keyClick(view, Qt::Key_Space);
  EXPECT_EQ(bend->text(), "[2/5]");
  EXPECT_TRUE(button("SB_Line")->isChecked()) << "no temporary zoom while drawing";
}

TEST_F(EditorWindowTest, SizesForNewObjectsAreStoredAtShutdown) {
  auto* sizes = window->findChild<SizeColumn*>();
  // Nothing selected: the width is for new tracks and makes no undo step.
  emit sizes->fieldChanged(SizeField::Breite, 12000);
  EXPECT_EQ(board().objects.front()->width, 20000);
  EXPECT_FALSE(button("TB_Undo")->isEnabled());
  // The pad tool's button shows the shape of new pads.
  const qint64 circularIcon = button("SB_Circle")->icon().cacheKey();
  emit sizes->padShapeChosen(kPadSquare);
  EXPECT_EQ(sizes->fields().padShape, kPadSquare);
  EXPECT_NE(button("SB_Circle")->icon().cacheKey(), circularIcon);
  window->close();
  EXPECT_EQ(window->settings().sizes.Track, 12000);
}

// Every tool button shows a picture; the pad tool's button drops down the pad shape menu and
// shows the chosen shape.
TEST_F(EditorWindowTest, ToolButtonsShowPicturesAndThePadButtonDropsDownTheShapes) {
  auto* column = window->findChild<QToolBar*>("ToolColumn");
  for (const ToolInfo& t : toolTable()) {
    EXPECT_FALSE(button(t.button)->icon().isNull()) << t.button;
  }
  auto* pad = qobject_cast<QToolButton*>(column->widgetForAction(button("SB_Circle")));
  ASSERT_NE(pad, nullptr);
  ASSERT_NE(pad->menu(), nullptr);
  EXPECT_EQ(pad->menu()->objectName(), "LAForm_Popup");
  const qint64 before = button("SB_Circle")->icon().cacheKey();
  pad->menu()->findChild<QAction*>("LAForm6")->trigger();
  EXPECT_EQ(window->findChild<SizeColumn*>()->fields().padShape, kPadRectangleH);
  EXPECT_NE(button("SB_Circle")->icon().cacheKey(), before);
}

}  // namespace
}  // namespace pravelo
