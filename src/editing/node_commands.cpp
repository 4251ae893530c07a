#include "editing/node_commands.h"

#include <algorithm>
#include <memory>

#include "document/object_list.h"
#include "editing/editing_texts.h"
#include "editing/line_cleanup.h"
#include "editing/snap.h"
#include "geometry/point.h"

namespace pravelo {

namespace {

// "Add node" on the first vertex puts the new one this far left and up.
constexpr float kFirstNodeOffset = 254;
// Track ends this near are joined.
constexpr double kJoinReach = 2000;

constexpr std::uint8_t kFlatStart = 1;
constexpr std::uint8_t kFlatEnd = 2;

auto at(int index) { return static_cast<std::ptrdiff_t>(index); }

FPoint snapped(FPoint p, double grid, IPoint origin) {
  return toFPoint(snapToGrid(toDPoint(p), grid, origin));
}

bool isEnd(const TObjekt& line, int index) {
  return index == 0 || index + 1 == static_cast<int>(line.points.size());
}

// clang-format off
const NodeMenuItem kItems[] = {
    {NodeCommand::Remove,  texts::nodeRemove,  "remove"},
    {NodeCommand::Add,     texts::nodeAdd,     "add"},
    {NodeCommand::Snap,    texts::nodeSnap,    "snap"},
    {NodeCommand::SnapAll, texts::nodeSnapAll, "snapall"},
    {NodeCommand::Split,   texts::nodeSplit,   "split"},
    {NodeCommand::Join,    texts::nodeJoin,    "join"},
};
// clang-format on

}  // namespace

std::span<const NodeMenuItem> nodeMenuItems() { return kItems; }

std::optional<NodeCommand> nodeCommandByScriptName(std::string_view name) {
  for (const NodeMenuItem& item : kItems) {
    if (name == item.scriptName) return item.command;
  }
  return std::nullopt;
}

bool NodeMenuState::enabled(NodeCommand c) const {
  switch (c) {
    case NodeCommand::Remove:
      return remove;
    case NodeCommand::Split:
      return split;
    case NodeCommand::Join:
      return join;
    default:
      return true;
  }
}

NodeMenuState nodeMenuState(const TObjekt& line, int index) {
  const auto n = line.points.size();
  const bool track = line.kind == kTrack;
  return {track ? n > 2 : n > 3, track && !isEnd(line, index), track && isEnd(line, index)};
}

void removeNode(TObjekt& line, int index) { line.points.erase(line.points.begin() + at(index)); }

void addNode(TObjekt& line, int index, double grid, IPoint origin) {
  const FPoint p = line.points[static_cast<std::size_t>(index)];
  const FPoint added = index == 0 ? FPoint{p.x - kFirstNodeOffset, p.y + kFirstNodeOffset}
                                  : midpoint(line.points[static_cast<std::size_t>(index - 1)], p);
  line.points.insert(line.points.begin() + at(index), snapped(added, grid, origin));
}

void snapNode(TObjekt& line, int index, double grid, IPoint origin) {
  FPoint& p = line.points[static_cast<std::size_t>(index)];
  p = snapped(p, grid, origin);
}

void snapAllNodes(TObjekt& line, double grid, IPoint origin) {
  for (FPoint& p : line.points) p = snapped(p, grid, origin);
}

TObjekt& splitTrack(Board& board, TObjekt& track, int index) {
  auto piece = std::make_unique<TObjekt>(newObject());
  initTrack(*piece, track.width, track.layer);
  piece->cutout = track.cutout;
  piece->clearance = track.clearance;
  piece->solderMask = track.solderMask;
  piece->groups = track.groups;
  piece->componentId = track.componentId;
  piece->points.assign(track.points.rbegin(), track.points.rend() - at(index));
  track.points.resize(static_cast<std::size_t>(index) + 1);
  // The old end is the new piece's start now; the cut ends are round.
  piece->variant = (track.variant & kFlatEnd) ? kFlatStart : 0;
  track.variant &= static_cast<std::uint8_t>(~kFlatEnd);
  board.objects.push_back(std::move(piece));
  return *board.objects.back();
}

bool joinTracks(Board& board, TObjekt& track, int index, bool optimise) {
  const bool atEnd = index != 0;
  const FPoint p = track.points[static_cast<std::size_t>(index)];
  for (const auto& candidate : board.objects) {
    TObjekt& other = *candidate;
    if (&other == &track || other.kind != kTrack || other.layer != track.layer ||
        other.points.empty()) {
      continue;
    }
    const bool otherFirst = distance(other.points.front(), p) <= kJoinReach;
    if (!otherFirst && distance(other.points.back(), p) > kJoinReach) continue;
    // The other track's vertices in order away from the joined end.
    std::vector<FPoint> away = other.points;
    if (!otherFirst) std::reverse(away.begin(), away.end());
    const bool farEndFlat = (other.variant & (otherFirst ? kFlatEnd : kFlatStart)) != 0;
    if (atEnd) {
      track.points.back() = away.front();
      track.points.insert(track.points.end(), away.begin() + 1, away.end());
      track.variant =
          static_cast<std::uint8_t>((track.variant & ~kFlatEnd) | (farEndFlat ? kFlatEnd : 0));
    } else {
      track.points.front() = away.front();
      track.points.insert(track.points.begin(), away.rbegin(), away.rend() - 1);
      track.variant =
          static_cast<std::uint8_t>((track.variant & ~kFlatStart) | (farEndFlat ? kFlatStart : 0));
    }
    const TObjekt* doomed = &other;
    removeObjectsIf(board.objects, [doomed](const TObjekt& o) { return &o == doomed; });
    cleanUpLine(track, board, optimise);
    return true;
  }
  return false;
}

}  // namespace pravelo
