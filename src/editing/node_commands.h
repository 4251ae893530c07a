#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/text.h"
#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// The commands of the node menu on vertex `index` of a track or zone. The caller records the
// undo step first and repaints afterwards.

enum class NodeCommand { Remove, Add, Snap, SnapAll, Split, Join };

// The menu's entries in their order: command, caption and name in edit scripts.
struct NodeMenuItem {
  NodeCommand command;
  const Text& caption;
  const char* scriptName;
};
std::span<const NodeMenuItem> nodeMenuItems();
std::optional<NodeCommand> nodeCommandByScriptName(std::string_view name);

// Which commands the menu offers for the vertex.
struct NodeMenuState {
  bool remove = false;
  bool split = false;
  bool join = false;
  bool enabled(NodeCommand c) const;
};
NodeMenuState nodeMenuState(const TObjekt& line, int index);

// Deletes the vertex.
void removeNode(TObjekt& line, int index);
// Inserts a vertex before `index`, halfway from the previous vertex (the first vertex gets a
// neighbour a little up and to the left), snapped to the grid. No clean-up: it would remove the
// new vertex again when it lies on a straight run.
void addNode(TObjekt& line, int index, double grid, IPoint origin);
void snapNode(TObjekt& line, int index, double grid, IPoint origin);
void snapAllNodes(TObjekt& line, double grid, IPoint origin);
// Cuts a track at an inner vertex: the track keeps vertices 0..index, a new track (appended to
// the board) takes the rest from the last vertex back to `index`, with the same properties and
// the flat end of the old end.
TObjekt& splitTrack(Board& board, TObjekt& track, int index);
// Merges the first other track of the same layer that has an end within reach of the first or
// last vertex `index`; false when there is none. The joined track gets the clean-up.
bool joinTracks(Board& board, TObjekt& track, int index, bool optimise);

}  // namespace pravelo
