#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/text.h"
#include "document/document.h"
#include "document/object.h"
#include "geometry/rect.h"
#include "settings/settings.h"

namespace pravelo {

// The kind byte of a finding; 9 is not used.
enum class DrcKind : std::uint8_t {
  kDistance = 0,
  kDrillDistance = 1,
  kDrillTooSmall = 2,
  kDrillTooBig = 3,
  kTrackTooThin = 4,
  kRingTooThin = 5,
  kSilkOnPad = 6,
  kDrillOnSmd = 7,
  kSolderMask = 8,
  kSilkTooThin = 10,
};

// A marker outline: the 18-point capsule around one track segment.
using DrcOutline = std::vector<FPoint>;

struct DrcFinding {
  DrcKind kind = DrcKind::kDistance;
  const Text* text = nullptr;
  int layer = 0;
  TRect marker;
  std::vector<DrcOutline> outlines;
  std::vector<int> objects;  // indices into the board's object list
};

// Called per examined object with its index and the object count of the running check;
// returning false stops this check and skips the remaining ones.
using DrcProgress = std::function<bool(int index, int count)>;

// A net number per object: objects with equal numbers are joined and never too close to each
// other. Asked for only when the copper-distance check runs.
using DrcNets = std::function<std::vector<int>()>;

struct DrcResult {
  std::vector<DrcFinding> findings;
  bool cancelled = false;
};

// The area of a complete check: everything.
TRect completeDrcArea();

// Runs every enabled check of `rules` on the board for objects and findings within `area`,
// in check order, with the board's nets from `nets`. The board is only read. The whole check,
// with the nets of the copper flood, is runDrc (view/design_rule_check.h).
DrcResult runDrcChecks(const Board& board, const DrcSettings& rules, const TRect& area,
                       const DrcNets& nets, const DrcProgress& progress = {});

}  // namespace pravelo
