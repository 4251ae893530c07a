#pragma once

#include <span>

#include "app/command_catalogue.h"
#include "base/text.h"

namespace pravelo {

// The menus, pop-up menus and the tool bar of the main window. A new id goes last; the table's
// check names the last one.
enum class MenuId {
  Datei1,
  Importieren1,
  Exportieren1,
  Bearbeiten1,
  Ansicht1,
  Platine1,
  Extras1,
  Optionen1,
  Hilfe1,
  ToolBar1,
  PlatinenPopup,
  PaintBoxPopup,
  Nullpunkt1,
  Ausrichten1,
  SetzeAufLayer,
};

struct MenuEntry {
  enum class Kind { Control, Separator, Submenu };
  Kind kind;
  ControlId control{};
  MenuId submenu{};
};

constexpr MenuEntry item(ControlId c) { return {MenuEntry::Kind::Control, c, {}}; }
constexpr MenuEntry separator() { return {MenuEntry::Kind::Separator, {}, {}}; }
constexpr MenuEntry submenu(MenuId m) { return {MenuEntry::Kind::Submenu, {}, m}; }

enum class MenuPlace { MenuBar, Submenu, PopUp, ToolBar };

struct Menu {
  MenuId id;
  const char* name;  // also the Qt objectName
  MenuPlace place;
  Text caption;
  std::span<const MenuEntry> entries;
};

// Menu-bar menus in their order, then the rest; an entry's place is its id.
std::span<const Menu> menus();
const Menu& menuInfo(MenuId id);

}  // namespace pravelo
