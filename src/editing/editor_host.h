#pragma once

#include <optional>
#include <string>

#include "base/host.h"
#include "editing/component_dialog.h"
#include "editing/generator_dialogs.h"
#include "editing/node_commands.h"
#include "editing/text_dialog_values.h"
#include "editing/tile_values.h"
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
  // The single-line value prompt titled `title`, its field holding `proposal`; the entry on OK,
  // nothing on Cancel.
  virtual std::optional<std::string> askValue(const std::string& title,
                                              const std::string& proposal) = 0;
  // The tile dialog; the chosen values on OK, nothing on Cancel.
  virtual std::optional<TileValues> showTileDialog(const TileDialog& dialog) = 0;
  // The footprint wizard and the special shapes dialog; whether they ended with OK. Both keep
  // their edited values in `dialog.values` either way.
  virtual bool showFootprintDialog(FootprintDialog& dialog) = 0;
  virtual bool showShapeDialog(ShapeDialog& dialog) = 0;
  // The component dialog on `session`, which applies each changed field at once; how it ended.
  virtual ComponentDialogEnd showComponentDialog(ComponentSession& session) = 0;
};

}  // namespace pravelo
