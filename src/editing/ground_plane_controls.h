#pragma once

#include "document/board_header.h"
#include "editing/editor.h"

namespace pravelo {

class ToolMachine;

// The picture on the ground-plane button.
enum class PlaneGlyph { On, Off, Disabled };

// How the ground-plane controls look for the active layer of a board.
struct GroundPlaneControls {
  bool enabled = false;  // the plane button: only a copper layer has a plane
  PlaneGlyph glyph = PlaneGlyph::Disabled;
  bool planeTools = false;  // the clearance field and the two cut-out buttons are shown
};

GroundPlaneControls groundPlaneControls(const BoardHeader& header);

// Whether the active layer is a copper layer with its ground plane on.
bool activePlaneOn(const BoardHeader& header);

// Flips the plane of the active copper layer as one undo step; nothing on other layers.
void toggleGroundPlaneCommand(Editor& editor, ToolMachine& machine);

// A cut-out button (zone or rectangle) going down or up. Down chooses the tool that draws with
// it; a button goes down only while the active layer's plane is on (false otherwise).
bool setCutoutMode(Editor& editor, ToolMachine& machine, bool zone, bool down);

// The cut-out buttons are down only while the active layer's plane is on: when it is not, both
// are released, and a zone or rectangle tool that drew cut-outs hands over to the Edit tool.
// Called after anything that may change the plane or the active layer.
void followGroundPlane(Editor& editor, ToolMachine& machine);

}  // namespace pravelo
