#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/command_catalogue.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;
using testing::TempConfig;

class MainWindowCommandsTest : public ::testing::Test {
 protected:
  TempConfig config;
  ScriptedHost host;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(config.start(), &host);
};

// A command that lands must be bound and taken off the not-yet-built list in the same change.
TEST_F(MainWindowCommandsTest, EveryCommandIsBoundOrListedAsNotYetBuilt) {
  for (const Command& c : commands()) {
    EXPECT_NE(window->commandBound(c.id), !isBuilt(c.id))
        << c.handler
        << (isBuilt(c.id) ? " is neither bound nor listed as not yet built"
                          : " is bound but still listed as not yet built");
  }
}

TEST_F(MainWindowCommandsTest, ControlsOfUnbuiltCommandsAreLeftOut) {
  for (const Control& c : controls()) {
    auto* a = window->findChild<QAction*>(c.name);
    EXPECT_EQ(a != nullptr, isBuilt(c.command)) << c.name;
  }
  // The Import submenu holds the Gerber import and the Text-IO import, in the table's order.
  auto* import = window->findChild<QMenu*>("Importieren1");
  ASSERT_NE(import, nullptr);
  ASSERT_EQ(import->actions().size(), 2);
  EXPECT_EQ(import->actions()[0]->objectName(), "GerberImportieren1");
  EXPECT_EQ(import->actions()[1]->objectName(), "Import_TextIO");
}

// Left-out entries leave no separator at the start or end of a menu, nor two in a row.
TEST_F(MainWindowCommandsTest, MenusHaveNoStraySeparators) {
  QList<QWidget*> lists;
  for (QMenu* m : window->findChildren<QMenu*>()) lists << m;
  for (QToolBar* t : window->findChildren<QToolBar*>()) lists << t;
  for (QWidget* w : lists) {
    const QList<QAction*> entries = w->actions();
    for (qsizetype i = 0; i < entries.size(); ++i) {
      if (!entries[i]->isSeparator()) continue;
      EXPECT_TRUE(i > 0 && i + 1 < entries.size() && !entries[i + 1]->isSeparator())
          << w->objectName().toStdString() << " entry " << i;
    }
  }
}

TEST_F(MainWindowCommandsTest, MenuBarFollowsTheTableAndShortcutsSitOnOneControl) {
  QStringList titles;
  for (QAction* a : window->menuBar()->actions()) titles << a->menu()->objectName();
  EXPECT_EQ(titles, (QStringList{"Datei1", "Bearbeiten1", "Ansicht1", "Platine1", "Extras1",
                                 "Optionen1", "Hilfe1"}));
  EXPECT_EQ(window->findChild<QAction*>("Undo")->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_TRUE(window->findChild<QAction*>("TB_Undo")->shortcut().isEmpty());
  EXPECT_EQ(window->findChild<QAction*>("Allesmarkieren1")->statusTip(),
            "Alle Objekte auf sichtbaren Lagen markieren");
}

}  // namespace
}  // namespace pravelo
