#include "app/command_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/menu_table.h"

namespace pravelo {
namespace {

TEST(CommandCatalogue, IdsAreThePlacesInTheTables) {
  ASSERT_EQ(commands().size(), kCommandCount);
  for (const Command& c : commands()) EXPECT_EQ(&commandInfo(c.id), &c) << c.handler;
  for (const Control& c : controls()) EXPECT_EQ(&controlInfo(c.id), &c) << c.name;
  for (const Menu& m : menus()) EXPECT_EQ(&menuInfo(m.id), &m) << m.name;
}

// Qt finds controls by name and the window binds one shortcut to one control.
TEST(CommandCatalogue, NamesAndShortcutsAreUnique) {
  std::set<std::string> names;
  for (const Control& c : controls()) EXPECT_TRUE(names.insert(c.name).second) << c.name;
  for (const Menu& m : menus()) EXPECT_TRUE(names.insert(m.name).second) << m.name;
  std::map<std::string, std::string> shortcuts;
  for (const Command& c : commands()) {
    if (*c.shortcut == '\0') continue;
    const auto [at, added] = shortcuts.emplace(c.shortcut, c.handler);
    EXPECT_TRUE(added) << c.shortcut << ": " << at->second << " and " << c.handler;
  }
  EXPECT_EQ(controlNamed("Allesmarkieren1"), ControlId::Allesmarkieren1);
  EXPECT_EQ(controlNamed("allesmarkieren1"), std::nullopt);
}

TEST(CommandCatalogue, EveryCommandHasAControlAndTheFirstCarriesTheShortcut) {
  std::set<CommandId> withControl;
  for (const Control& c : controls()) withControl.insert(c.command);
  for (const Command& c : commands()) EXPECT_TRUE(withControl.contains(c.id)) << c.handler;
  EXPECT_EQ(shortcutControl(CommandId::TB_UndoClick), ControlId::Undo);
  EXPECT_EQ(shortcutControl(CommandId::SB_NeuClick), ControlId::Neu1);
}

TEST(CommandCatalogue, TheNotYetBuiltListNamesEachCommandOnce) {
  std::set<CommandId> seen;
  for (CommandId id : commandsNotYetBuilt()) {
    EXPECT_TRUE(seen.insert(id).second) << commandInfo(id).handler;
    EXPECT_FALSE(isBuilt(id));
  }
  EXPECT_TRUE(isBuilt(CommandId::TB_UndoClick));
}

// A submenu hangs in exactly one place and every menu that shows a title has one.
TEST(MenuTable, SubmenusHangOnceAndMenusHaveCaptions) {
  std::map<MenuId, int> uses;
  for (const Menu& m : menus()) {
    for (const MenuEntry& e : m.entries) {
      if (e.kind == MenuEntry::Kind::Submenu) ++uses[e.submenu];
    }
    if (m.place != MenuPlace::PopUp) {
      EXPECT_NE(*m.caption.en, '\0') << m.name;
    }
  }
  for (const Menu& m : menus()) {
    EXPECT_EQ(uses[m.id], m.place == MenuPlace::Submenu ? 1 : 0) << m.name;
  }
}

}  // namespace
}  // namespace pravelo
