#pragma once

#include <filesystem>
#include <string>

#include "editing/editor.h"
#include "project/macro_panel.h"

namespace pravelo {

// The macro panel's commands that reach the board or ask the user.

// Drops the panel's macro at the drop point `world`, snapped like a drawing point (Ctrl skips
// the grid). Returns the number of objects dropped; nothing with an empty macro.
int dropPanelMacro(Editor& editor, const MacroPanel& panel, DPoint world, bool ctrl);

// "Save as macro", before the save dialog: false, after telling why, with no objects on the
// board, or when the user does not want the whole board saved for want of a selection.
bool confirmMacroSave(Editor& editor);

// "Save as macro" to `path`, which the save dialog chose: the selection (the whole board when
// nothing is selected) with its anchor at (0, 0); the new file becomes the panel's macro. False
// when nothing was written.
bool saveSelectionAsMacro(Editor& editor, MacroPanel& panel, const std::filesystem::path& path);

// "Delete macro": after asking, the selected macro's file goes and the panel is emptied.
bool deletePanelMacro(Editor& editor, MacroPanel& panel);

// Renaming a tree entry in place; a refused or failed rename reports why. The panel follows a
// renamed selected macro.
bool renameMacroNode(Editor& editor, MacroPanel& panel, const std::filesystem::path& path,
                     const std::string& newName);

// Double click on the preview or a macro node: the component dialog, without its break-up, on
// the macro's one component (the whole macro becomes one when it has none), its missing labels
// made first; "as component" goes on. OK writes the macro file back, Cancel leaves the macro as
// it was. A macro of several components is refused with a message. True when the file changed.
bool editMacroComponent(Editor& editor, MacroPanel& panel);

}  // namespace pravelo
