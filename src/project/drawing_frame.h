#pragma once

#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// Which bands of one direction carry labels: top/bottom for columns, left/right for rows.
enum class FrameBands { None, First, Second, Both };
enum class FrameLabels { Letters, Numbers };

// A drawing frame with labelled column and row bands; lengths in millimetres. A negative count
// numbers from the right (columns) or from the bottom (rows).
struct FrameValues {
  int columns = 8;
  FrameBands columnBands = FrameBands::Both;
  FrameLabels columnLabels = FrameLabels::Letters;
  int rows = 8;
  FrameBands rowBands = FrameBands::Both;
  FrameLabels rowLabels = FrameLabels::Numbers;
  double widthMm = 90.0;
  double heightMm = 50.0;
  friend bool operator==(const FrameValues&, const FrameValues&) = default;
};

inline constexpr int kMaxFrameCount = 99;
inline constexpr double kMinFrameSizeMm = 10;
inline constexpr double kMaxFrameSizeMm = 999;

// What the dialog starts with: the German interface shows both bands of each direction, the
// others only the top and the left one.
FrameValues initialFrameValues(Language language);

// The label of the band cell numbered `number` (from 1): the number, or A … Z and again A.
std::string frameLabel(FrameLabels labels, int number);

// "Autosize": the frame 5.08 mm smaller than the board in each direction.
void fitFrameToBoard(FrameValues& values, const BoardHeader& board);

// Appends the frame to `out` on `layer`, its top-left corner at the origin and spreading to the
// right and downwards.
void generateFrame(const FrameValues& values, int layer, ObjectList& out);

}  // namespace pravelo
