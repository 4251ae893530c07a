#pragma once

#include <optional>

#include "base/host.h"
#include "editing/node_commands.h"
#include "editing/text_dialog_values.h"
#include "geometry/point.h"

namespace pravelo {

// What the tools ask of the window beyond messages and questions.
class EditorHost : public Host {
 public:
  // The drawing area's context menu at a world point.
  virtual void showContextMenu(DPoint world) = 0;
  // The node menu of a track or zone vertex at a world point, with the entries `state`
  // enables; the chosen command, or nothing when the menu was closed.
  virtual std::optional<NodeCommand> showNodeMenu(DPoint world, const NodeMenuState& state) = 0;
  // The text dialog filled with `initial`; the values on OK, nothing on Cancel.
  virtual std::optional<TextDialogValues> showTextDialog(const TextDialogValues& initial) = 0;
};

}  // namespace pravelo
