#pragma once

#include "editing/editor.h"
#include "geometry/mirror.h"

namespace pravelo {

// Commands that change the selected objects of the active board as a whole. Each is one undo
// step, recorded before its first change and kept only when the board changed; with nothing
// selected each does nothing. The track ends that the rubber band attaches to selected pads go
// along. Each returns whether the board changed.

// The angle the rotate command turns by, in degrees: the "RotWinkel" option counts tenths.
inline double rotationAngle(const OptionenSettings& o) { return o.RotWinkel / 10.0; }

// Turns the selection clockwise by `degrees` about its centre; with `shift` anticlockwise.
// Upside-down component labels turn back when "BezWertFlip" is on, and a wholly selected
// component's pick-and-place offset and rotation turn along.
bool rotateSelectionCommand(Editor& editor, double degrees, bool shift);

// Mirrors the selection about its centre. With a whole component selected the user confirms
// first, since a mirrored part may not fit its package.
bool mirrorSelectionCommand(Editor& editor, MirrorAxis axis);

// Puts the selected objects on the other board side (C1 and C2, S1 and S2), confirmed like
// mirroring; geometry stays.
bool changeBoardSideCommand(Editor& editor);

// Puts the selected objects on `layer`; the inner layers only while the board is multilayer.
bool setLayerCommand(Editor& editor, int layer);

}  // namespace pravelo
