#pragma once

#include "document/document.h"
#include "manufacturing/milling_options.h"

namespace pravelo {

// Which controls of the milling dialog can be used, recomputed on show and after every change:
// a control is usable only when the board has something for it, and an unusable box counts as
// unchecked (`options` holds the choices with those boxes cleared).
struct MillingDialogState {
  MillingOptions options;
  bool selectedOnlyEnabled = false;
  bool millC1Enabled = false;
  bool millC2Enabled = false;
  bool punchC1Enabled = false;
  bool punchC2Enabled = false;
  bool overlapEnabled = false;
  bool normalTextsEnabled = false;    // the outline/single-line choice for unselected texts
  bool selectedTextsEnabled = false;  // the same for selected texts
  bool drillingsAvailable = false;    // else "No drillings available" covers the group
  bool outlineAvailable = false;      // else "No outline on layer "O" available." does
  bool okEnabled = false;             // the job list has a row
};

MillingDialogState millingDialogState(const Board& board, const MillingOptions& requested);

// Centre punching is done from one side only: checking one side's box clears the other's.
void choosePunchSide(MillingOptions& options, int layer, bool checked);

}  // namespace pravelo
