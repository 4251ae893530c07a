#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/command_catalogue.h"
#include "base/text.h"
#include "settings/settings.h"

namespace pravelo {

// The pages of the general settings, in the order of their tree.
enum class OptionsPage {
  General = 0,
  Colours = 1,
  Folders = 2,
  MacroFolder = 3,
  UndoDepth = 4,
  Imax = 5,
  Hotkeys = 6,
  Crosshair = 7,
  AutoSave = 8,
};
inline constexpr int kOptionsPages = 9;

// The page a menu command opens the dialog on.
OptionsPage optionsStartPage(CommandId command);

// The undo depth as the dialog shows it (1 to 50) and as it is stored (one less).
inline int shownUndoDepth(const OptionenSettings& o) { return o.Undo + 1; }
void storeShownUndoDepth(OptionenSettings& o, int shown);

// The auto-save interval in minutes (1 to 60); stored in milliseconds.
int autoSaveMinutes(const OptionenSettings& o);
void storeAutoSaveMinutes(OptionenSettings& o, int minutes);

inline constexpr int kToolHotkeys = 15;

// The name of the mode whose letter stands at `index` of the hotkey string.
const Text& hotkeyModeName(int index);

// Gives the mode at `index` the letter `letter` (A to Z; '_' for none). A letter another mode
// has already is refused with a message naming both modes; the hotkeys then stay as they are.
std::optional<std::string> setToolHotkey(std::string& hotkeys, int index, char letter,
                                         Language language);

// The root folder of the macros after "Reset": the settings folder's "Makros".
std::string resetMacroFolder(const AppFolders& folders);

}  // namespace pravelo
