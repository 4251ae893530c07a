#include "ui/size_column.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <utility>
#include <vector>

#include "ui/pvb_spin_edit.h"

namespace pravelo {
namespace {

class SizeColumnTest : public ::testing::Test {
 protected:
  SizeColumnTest() {
    QObject::connect(&column, &SizeColumn::fieldChanged,
                     [this](SizeField f, int units) { changes.emplace_back(f, units); });
    QObject::connect(&column, &SizeColumn::backupRequested,
                     [this](SizeField f) { backups.push_back(f); });
    QObject::connect(&column, &SizeColumn::favouriteChosen,
                     [this](FavouriteKind, Favourite entry) { chosen.push_back(entry); });
    QObject::connect(
        &column, &SizeColumn::favouritesChanged,
        [this](FavouriteKind kind, bool added) { listChanges.emplace_back(kind, added); });
    column.show();
    column.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&column));
    // Shown without the focus, so that the fields show their own colours.
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  }

  TPvbSpinEdit* field(const char* name) { return column.findChild<TPvbSpinEdit*>(name); }
  QLineEdit* edit(const char* name) { return field(name)->findChild<QLineEdit*>("E_Edit"); }
  std::pair<QColor, QColor> colours(const char* name) {
    const QPalette palette = edit(name)->palette();
    return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
  }
  QMenu* menu(const char* name) { return column.findChild<QMenu*>(name); }
  QAction* item(const char* menuName, const char* name) {
    return menu(menuName)->findChild<QAction*>(name);
  }
  void type(const char* name, const char* text) {
    edit(name)->setFocus();
    edit(name)->selectAll();
    QTest::keyClicks(edit(name), text);
    QTest::keyClick(edit(name), Qt::Key_Return);
  }

  SizeColumn column;
  std::vector<std::pair<SizeField, int>> changes;
  std::vector<SizeField> backups;
  std::vector<Favourite> chosen;
  std::vector<std::pair<FavouriteKind, bool>> listChanges;
};

const QColor kWhite(Qt::white), kRed(Qt::red), kBlack(Qt::black), kYellow(255, 255, 0),
    kSilver(192, 192, 192);

TEST_F(SizeColumnTest, FieldsButtonsAndMenusCarryTheirNames) {
  for (const char* name :
       {"SE_Breite", "SE_Aussen", "SE_Innen", "SE_SMDPad_X", "SE_SMDPad_Y", "SE_FreistanzOffset"}) {
    EXPECT_NE(field(name), nullptr) << name;
  }
  for (const char* name :
       {"SB_LinienPopup", "SB_LA_Popup", "SB_SMD_Popup", "SE_FlipSMD", "SB_LAForm"}) {
    EXPECT_NE(column.findChild<QToolButton*>(name), nullptr) << name;
  }
  for (const char* name : {"LinienPopup", "LA_Popup", "SMD_Popup", "LAForm_Popup"}) {
    EXPECT_NE(menu(name), nullptr) << name;
  }
  EXPECT_EQ(field("SE_Breite")->text(), "0.80");
  EXPECT_EQ(field("SE_FreistanzOffset")->text(), "0.4");
  EXPECT_EQ(field("SE_SMDPad_Y")->max(), 99.99f);
}

TEST_F(SizeColumnTest, SelectedTrackShowsOnRedAndTheDefaultComesBack) {
  SizeFields fields = initialSizeFields(SizeSettings{});
  ObjectList objects;
  objects.push_back(std::make_unique<TObjekt>(newObject()));
  TObjekt& t = *objects.back();
  initTrack(t, 3000, kLayerC1);
  t.selected = 1;
  fieldsFollowSelection(fields, objects, false, true);
  column.setFields(fields);
  EXPECT_EQ(field("SE_Breite")->text(), "0.30");
  EXPECT_EQ(colours("SE_Breite"), std::make_pair(kWhite, kRed));
  EXPECT_EQ(colours("SE_Aussen"), std::make_pair(kYellow, kBlack));

  t.selected = 0;
  fieldsFollowSelection(fields, objects, false, true);
  column.setFields(fields);
  EXPECT_EQ(field("SE_Breite")->text(), "0.80");
  EXPECT_EQ(colours("SE_Breite"), std::make_pair(kYellow, kBlack));
}

TEST_F(SizeColumnTest, MixedSelectionIsSilverAndHoveredToolFieldsAreRed) {
  SizeFields fields = initialSizeFields(SizeSettings{});
  fields.highlight[static_cast<std::size_t>(SizeField::FreistanzOffset)] = SizeHighlight::Mixed;
  column.setFields(fields);
  EXPECT_EQ(colours("SE_FreistanzOffset"), std::make_pair(kSilver, kRed));
  column.setHoveredTool(SizeTool::Pad);
  EXPECT_EQ(colours("SE_Aussen"), std::make_pair(kWhite, kRed));
  EXPECT_EQ(colours("SE_Innen"), std::make_pair(kWhite, kRed));
  EXPECT_EQ(colours("SE_Breite"), std::make_pair(kYellow, kBlack));
  column.setHoveredTool(SizeTool::None);
  EXPECT_EQ(colours("SE_Innen"), std::make_pair(kYellow, kBlack));
}

TEST_F(SizeColumnTest, TypedValueIsReportedInUnitsAndAsksForUndoOnlyOverASelection) {
  type("SE_Innen", "1.2");
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], std::make_pair(SizeField::Innen, 12000));
  EXPECT_TRUE(backups.empty());

  SizeFields fields = column.fields();
  fields.highlight[static_cast<std::size_t>(SizeField::Innen)] = SizeHighlight::Selected;
  column.setFields(fields);
  type("SE_Innen", "0.9");
  EXPECT_EQ(backups, std::vector<SizeField>{SizeField::Innen});
  EXPECT_EQ(changes.back(), std::make_pair(SizeField::Innen, 9000));
}

TEST_F(SizeColumnTest, LeavingAFieldWithoutTypingReportsNothing) {
  edit("SE_FreistanzOffset")->setFocus();
  edit("SE_FreistanzOffset")->clearFocus();
  // In mil the shown 31.5 reads back as 8001 units, which is no reason to change anything.
  column.setUnit(LengthUnit::Mil);
  edit("SE_Breite")->setFocus();
  edit("SE_Breite")->clearFocus();
  EXPECT_TRUE(changes.empty());
  column.setUnit(LengthUnit::Mm);
  // A click on the wheel steps up by 0.05 mm.
  QTest::mouseClick(field("SE_Breite")->findChild<QWidget*>("PB_Rad"), Qt::LeftButton);
  EXPECT_EQ(changes, (std::vector<std::pair<SizeField, int>>{{SizeField::Breite, 8500}}));
  changes.clear();
  // Typing the value the field already shows still counts: it unifies a mixed selection.
  type("SE_FreistanzOffset", "0.4");
  EXPECT_EQ(changes, (std::vector<std::pair<SizeField, int>>{{SizeField::FreistanzOffset, 4000}}));
}

TEST_F(SizeColumnTest, FieldsFollowTheUnitSwitch) {
  column.setUnit(LengthUnit::Mil);
  EXPECT_EQ(field("SE_Breite")->text(), "31.5");
  type("SE_Breite", "10");
  EXPECT_EQ(changes.back(), std::make_pair(SizeField::Breite, 2540));
}

TEST_F(SizeColumnTest, FavouritesListMarksTheCurrentWidthAndAddsAndRemoves) {
  column.setFavourites(readFavourites(FavouriteLists{}));
  SizeFields fields = column.fields();
  fields[SizeField::Breite] = 1500;
  column.setFields(fields);
  column.openFavourites(FavouriteKind::Tracks);
  QMenu* list = menu("LinienPopup");
  ASSERT_TRUE(list->isVisible());
  QAction* first = list->actions().at(0);
  EXPECT_EQ(first->text(), "  0.15   mm");
  EXPECT_TRUE(first->isChecked());
  EXPECT_FALSE(item("LinienPopup", "L_Hinzufuegen")->isEnabled());
  first->trigger();
  EXPECT_EQ(chosen, std::vector<Favourite>{(Favourite{1500, 0})});
  list->hide();

  fields[SizeField::Breite] = 2500;
  column.setFields(fields);
  column.openFavourites(FavouriteKind::Tracks);
  ASSERT_TRUE(item("LinienPopup", "L_Hinzufuegen")->isEnabled());
  list->hide();  // as choosing an item closes the menu
  item("LinienPopup", "L_Hinzufuegen")->trigger();
  EXPECT_EQ(column.favourites().tracks.at(2), (Favourite{2500, 0}));
  EXPECT_EQ(listChanges.back(), std::make_pair(FavouriteKind::Tracks, true));
  // The list opens again with the new entry, now marked.
  QTRY_VERIFY(list->isVisible());
  EXPECT_TRUE(list->actions().at(2)->isChecked());

  list->hide();
  menu("L_Entfernen")->actions().at(0)->trigger();
  EXPECT_EQ(column.favourites().tracks.front(), (Favourite{2000, 0}));
  EXPECT_EQ(listChanges.back(), std::make_pair(FavouriteKind::Tracks, false));
  QTRY_VERIFY(list->isVisible());
  list->hide();
}

TEST_F(SizeColumnTest, FlipShapeAndThroughPadAreReported) {
  int flips = 0;
  std::vector<int> shapes;
  std::vector<bool> through;
  QObject::connect(&column, &SizeColumn::flipSmdClicked, [&] { ++flips; });
  QObject::connect(&column, &SizeColumn::padShapeChosen, [&](int s) { shapes.push_back(s); });
  QObject::connect(&column, &SizeColumn::throughPadToggled,
                   [&](bool on) { through.push_back(on); });
  QTest::mouseClick(column.findChild<QToolButton*>("SE_FlipSMD"), Qt::LeftButton);
  item("LAForm_Popup", "LAForm7")->trigger();
  item("LAForm_Popup", "Durchkontaktiert1")->trigger();
  EXPECT_EQ(flips, 1);
  EXPECT_EQ(shapes, std::vector<int>{7});
  EXPECT_EQ(through, std::vector<bool>{true});

  SizeFields fields = column.fields();
  fields.shownPadShape = kPadRoundedH;
  fields.shownThroughPad = false;
  column.setFields(fields);
  EXPECT_TRUE(item("LAForm_Popup", "LAForm4")->isChecked());
  EXPECT_FALSE(item("LAForm_Popup", "LAForm7")->isChecked());
  EXPECT_FALSE(item("LAForm_Popup", "Durchkontaktiert1")->isChecked());
}

}  // namespace
}  // namespace pravelo
