#pragma once

#include <optional>
#include <span>
#include <vector>

#include "copper/contour.h"

namespace pravelo {

// The steps of the outline union, in the order they run. All work is integer arithmetic on a
// 10-unit lattice, so coincident points are exactly equal.

// Rounds every node to the nearest multiple of 10 units.
void snapContours(ContourList& contours);

// Reverses every contour, then reverses it back if it turns left more than right, so that
// every contour turns mostly right (clockwise with y up).
void orientContours(ContourList& contours);

// Adds a node wherever an edge of one contour crosses an edge of another, in order along the
// edge, then removes consecutive duplicate nodes (cyclically); repeated until the rounded
// crossings cause no further ones.
void insertIntersections(ContourList& contours);

// All nodes of all contours in contour order. A node's successors are the next node of its own
// contour, then the next nodes of every other node at the same place; they are kept in one
// array for the whole graph, a node's run starting at `firstSuccessor`.
struct UnionNode {
  IPoint p;
  int previous = 0;  // in its own contour
  int firstSuccessor = 0;
  int successorCount = 0;
  int walk = 0;  // the trace that visited it; 0 = not yet visited
  int pathIndex = 0;
};

struct UnionGraph {
  std::vector<UnionNode> nodes;
  std::vector<int> successors;
  int walks = 0;
};

std::span<const int> successorsOf(const UnionGraph& graph, int node);

UnionGraph buildUnionGraph(const ContourList& contours);

// Walks from `start`, always taking the successor that turns furthest left, until the walk
// meets itself: the nodes from that meeting point on form the loop. A walk that runs into a
// node of an earlier walk gives no loop. So does a walk cut off after `stepLimit` steps before
// it closes: an open path is never handed out as a loop, since the milling output would close
// it with a straight cut across the board. Without a limit the node count bounds the walk;
// every step visits a new node, so it closes or meets an earlier walk before that.
std::optional<Contour> traceLoop(UnionGraph& graph, int start,
                                 std::optional<std::size_t> stepLimit = std::nullopt);

// The whole union: snap, orient, intersect, build the graph and trace loops from node 0 and
// then from each first node not yet visited. Loops inside copper or inside gaps are still
// among the result.
ContourList unionLoops(ContourList contours);

}  // namespace pravelo
