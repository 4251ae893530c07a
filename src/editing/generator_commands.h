#pragma once

#include "editing/editor.h"
#include "editing/tool_machine.h"

namespace pravelo {

// Footprint wizard: from the Edit tool, shows the wizard, which keeps the clipboard filled with
// the pattern on the active layer; on OK the clipboard is placed with the pointer.
void footprintWizardCommand(Editor& editor, ToolMachine& machine);

// Special form: shows the special shapes dialog; on OK puts the shape on the active layer into
// the clipboard and zooms out so that it fits the view. Returns whether there is a shape to place.
bool specialShapeCommand(Editor& editor);

// OK in the special shapes dialog: a shape larger than the board is refused with a message, and
// the dialog stays open.
bool shapeAccepted(const ShapeDialog& dialog, Host& host);

}  // namespace pravelo
