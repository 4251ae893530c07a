#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "copper/polygon32.h"
#include "document/document.h"
#include "view/plane_regions.h"

namespace pravelo {

// The four copper layers in the order every copper algorithm tries them.
inline constexpr std::array<int, 4> kCopperLayers{kLayerC1, kLayerC2, kLayerI1, kLayerI2};

// Where the plane rule samples an object: a pad's centre, a track's or zone's first vertex, a
// circle's centre line at its start angle, a text's first stroke point.
std::optional<FPoint> planeReferencePoint(const TObjekt& o);

// Which copper of one board is joined to which, through contact, plated-through pads and the
// automatic ground planes. Outlines and plane regions are built on first use and kept while this
// object lives, so the board must not change meanwhile. The objects themselves are never
// touched: results are lists of object indices.
class Connectivity {
 public:
  explicit Connectivity(const Board& board);
  ~Connectivity();

  struct FloodOptions {
    bool followConnections = false;  // also walk across declared connections
    // Objects the flood must not enter (the start excepted): components() skips the objects
    // of groups found before.
    std::function<bool(int)> skip;
  };

  // Every object reached from `start`, the start first; a non-conducting start reaches nothing
  // further.
  std::vector<int> flood(int start, const FloodOptions& options);
  std::vector<int> flood(int start) { return flood(start, {}); }

  // A group number per object, equal for objects joined by copper or plane (connections not
  // followed); -1 for objects that are not copper.
  std::vector<int> components();

  // The copper outlines of a and b on `layer` overlap or touch.
  bool touches(int a, int b, int layer);
  // a and b are joined through the ground plane of `layer`.
  bool planeLinked(int a, int b, int layer);

  // The index of an object of the board, -1 when it is not in it.
  int indexOf(const TObjekt* o) const;
  bool isCopper(int i) const { return copper_[i]; }

 private:
  const TPolygon32& outline(int i, int layer);
  const Rect32& bounds(int i);
  bool onPlane(int i, int layer) const;
  int planeRegion(int i, int layer);
  const PlaneRegions& regions(int layer);
  void buildIndex();
  const std::vector<int>& planeMembers(int layer, int region);
  template <typename Wanted, typename Visit>
  void forEachTouching(int p, Wanted wanted, Visit visit);

  const Board& board_;
  bool multilayer_;
  std::vector<bool> copper_;
  std::unordered_map<const TObjekt*, int> index_;
  std::vector<std::optional<TPolygon32>> plainOutlines_;
  std::unordered_map<long long, TPolygon32> spokeOutlines_;
  std::vector<std::optional<Rect32>> bounds_;
  std::array<std::unique_ptr<PlaneRegions>, 7> regions_;
  std::array<std::vector<int>, 7> regionOf_;  // per layer: region of each object, -2 unknown
  std::array<std::unordered_map<int, std::vector<int>>, 7> regionMembers_;
  struct Grid;
  std::unique_ptr<Grid> grid_;
  std::vector<int> stamp_;
  int stampValue_ = 0;
};

}  // namespace pravelo
