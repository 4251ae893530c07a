#pragma once

#include "app/command_catalogue.h"
#include "editing/editor.h"
#include "editing/input_event.h"
#include "editing/tool_machine.h"

namespace pravelo {

// The catalogue commands that work on the editor alone: the window runs them and then shows
// what changed; `pravelo-cli edit` runs them from scripts. The others need the window (a file
// chooser, a dialog, a panel).
bool isEditorCommand(CommandId id);
// Whether the command's controls are enabled now; a disabled command does nothing when run.
bool commandEnabled(const Editor& editor, const ToolMachine& machine, CommandId id);
// Runs `id` with the modifier keys held when it was chosen; false when it is no editor command.
bool runEditorCommand(Editor& editor, ToolMachine& machine, CommandId id, Modifiers modifiers);

}  // namespace pravelo
