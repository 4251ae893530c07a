#pragma once

#include <array>
#include <cstdint>

#include "settings/settings.h"

namespace pravelo {

enum class MillMirror { None = 0, Horizontal = 1, Vertical = 2 };
// The side a drilling or outline job works from; None means the job is not wanted.
enum class MillSide { None = 0, Top = 1, Bottom = 2 };
// How holes are made: circles cut with a milling cutter, or drilled with one drill or with one
// drill per diameter.
enum class HoleMethod { Circles = 0, SameDrill = 1, DrillPerDiameter = 2 };
// The plotter unit: 1 mil or 1/40 mm (the stored "Skalierung" values).
enum class HpglUnit { Mil = 0, Fortieth = 1 };

// Everything the milling dialog and the command line choose. Lengths in internal units.
struct MillingOptions {
  std::int32_t width = 0;  // isolation cutter
  bool millC1 = false;
  bool millC2 = false;
  MillMirror mirrorC1 = MillMirror::None;
  MillMirror mirrorC2 = MillMirror::Horizontal;
  bool punchC1 = false;
  bool punchC2 = false;
  int passes = 1;
  int overlap = 25;  // percent of the cutter width shared by neighbouring passes
  MillSide drill = MillSide::None;
  HoleMethod holes = HoleMethod::SameDrill;
  std::int32_t circleWidth = 0;  // cutter of the circle holes
  MillSide outline = MillSide::None;
  std::array<bool, 8> referenceHoles{};
  std::int32_t referenceDistance = 0;
  bool singleLineTexts = false;          // unselected texts along their strokes
  bool singleLineSelectedTexts = false;  // selected texts along their strokes
  bool selectedOnly = false;
  bool minimumFeed = false;
  HpglUnit unit = HpglUnit::Fortieth;
  bool jobList = false;
  bool separateFiles = false;
  bool camOrigin = true;
};

// The stored part of the options, and back (the others start at their defaults each run).
MillingOptions millingOptions(const MillingSettings& settings, bool camOrigin);
void storeMillingOptions(const MillingOptions& options, MillingSettings& settings);

// The mirroring of a drilling or outline job follows the side it works from.
MillMirror sideMirror(const MillingOptions& options, MillSide side);

}  // namespace pravelo
