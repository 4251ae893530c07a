#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// The fields of the tile dialog; kept between uses during a run, never stored.
enum class TileMode { Tile, Circular };

struct TileValues {
  TileMode mode = TileMode::Tile;
  int columns = 2;
  int rows = 1;
  double columnDistanceMm = 2.54;
  double rowDistanceMm = 2.54;
  int count = 2;  // positions around the circle, the selection's own included
  double radiusMm = 10.0;
  double angle = 15.0;  // degrees between neighbouring copies, clockwise when positive
  bool rotate = true;
  // The start point of the circle relative to the selection centre, x to the right and y
  // downwards.
  double startXMm = 0;
  double startYMm = 0;
  friend bool operator==(const TileValues&, const TileValues&) = default;
};

inline constexpr int kMaxTileFieldCount = 99;
inline constexpr double kMaxTileDistanceMm = 99.99;
inline constexpr double kMaxTileRadiusMm = 299.99;
inline constexpr double kMaxTileAngle = 180.0;

// The most tiles the selection may be multiplied to, so that about 3000 objects result at most.
int maxTiles(int selectedObjects);
// The largest number of positions on the circle.
inline int maxCircleCount(int maxTiles) { return std::min(maxTiles, kMaxTileFieldCount); }

// What showing the dialog does to the kept values: a tile too large for `maxTiles` becomes one
// tile, a count too large one position, and the start point goes back to the centre.
void fitTileValues(TileValues& values, int maxTiles);

// A column or row count entered so that the tile would pass `maxTiles`: the most that fit
// beside `other`; any other entry stays.
int limitTileCount(int entered, int other, int maxTiles);

// The angle the copies span, rounded to hundredths of a degree.
double tileAngleRange(const TileValues& values);

// The start-point offsets that put the circle's start on each selected pad and SMD pad, in list
// order: x to the right and y downwards from the selection centre, in millimetres.
std::vector<DPoint> padStartOffsets(const Board& board);

// What the tile dialog is shown with: the kept values, already fitted, the limit of tiles, the
// start-point offsets of the selected pads and the builder of its preview.
struct TileDialog {
  TileValues values;
  int maxTiles = 2;
  std::vector<DPoint> padOffsets;
  bool mil = false;  // the distances are shown in mil
  std::function<ObjectList(const TileValues&)> preview;
};

}  // namespace pravelo
