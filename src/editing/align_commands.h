#pragma once

#include "editing/editor.h"

namespace pravelo {

// Commands that move the selected objects of the active board, each object together with the
// peers it was selected with (its component and its innermost group). Like the transform
// commands, each is one undo step kept only when the board changed, does nothing with nothing
// selected, carries the attached track ends along and returns whether the board changed.

// Puts each unit on the grid through the user origin: by its first pad or SMD pad, otherwise
// by the object's own point (a pad's, circle's or text's position, an SMD pad's centre, a
// track's or zone's first vertex).
bool snapSelectionToGridCommand(Editor& editor);

enum class Alignment { Top, Bottom, Left, Right, HorizontalCentre, VerticalCentre };

// Moves each unit so that its outline bounds line up with the selection's outline bounds on
// the given side, or centres it on the selection's centre line.
bool alignSelectionCommand(Editor& editor, Alignment alignment);

}  // namespace pravelo
