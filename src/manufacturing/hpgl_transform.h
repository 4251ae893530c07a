#pragma once

#include "document/board_header.h"
#include "geometry/point.h"
#include "geometry/rect.h"
#include "manufacturing/milling_options.h"

namespace pravelo {

// Board points in plotter units: X = round((x + dx) * factor / 100), Y likewise with dy. The
// offsets put 0,0 at the board's lower left corner, or at the user origin when the CAM origin is
// used; the board itself is never moved for it.
struct HpglTransform {
  double factor = 0;
  double dx = 0;
  double dy = 0;
};

HpglTransform hpglTransform(const BoardHeader& header, HpglUnit unit, bool camOrigin);
IPoint toHpgl(const HpglTransform& t, double x, double y);

// Mirroring about the output extent: horizontal maps x to L + R - x, vertical y to T + B - y.
struct MillMirroring {
  MillMirror mirror = MillMirror::None;
  TRect extent;
};
DPoint mirrored(const MillMirroring& m, DPoint p);
IPoint mirrored(const MillMirroring& m, IPoint p);

}  // namespace pravelo
