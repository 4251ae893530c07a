#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/length_text.h"
#include "view/view_transform.h"

namespace pravelo {

enum class RulerAxis { Horizontal, Vertical };

// One tick mark of a ruler; `label` is empty for ticks without a label.
struct RulerTick {
  double position = 0;  // ruler pixels
  int length = 0;       // pixels
  std::string label;
};

// What a ruler shows: the axis of the view it follows and the pixel range to fill.
struct RulerSpec {
  RulerAxis axis = RulerAxis::Horizontal;
  LengthUnit unit = LengthUnit::Mm;
  double zoom = 0.001;
  std::int64_t scroll = 0;  // the view's scroll position along the axis
  std::int32_t origin = 0;  // the user origin's coordinate along the axis, units
  double offset = 0;        // the ruler pixel of viewport pixel 0
  double from = 0;          // ruler pixel range to fill
  double to = 0;
  // The photo view from below shows the board mirrored; the horizontal ruler reads it so, its
  // values growing to the left like the pointer's.
  bool mirrored = false;
  double boardWidth = 0;  // units; used only when mirrored
};

// The rulers of a view as it is drawn, measured from the user origin; `offset` is the ruler
// pixel of viewport pixel 0.
RulerSpec rulerSpecOf(RulerAxis axis, const ViewTransform& shown, IPoint origin, LengthUnit unit,
                      double offset);

// Rulers count in ticks of 1 micrometre (mm) or 0.1 mil.
double unitsPerRulerTick(LengthUnit unit);
// Pixels per millimetre, or per 100 mil.
std::int64_t rulerScale(double zoom, LengthUnit unit);
// Ticks between two labels for a scale.
std::int32_t rulerLabelSpacing(std::int64_t scale);
// Ticks between two candidate tick marks for a label spacing.
std::int32_t rulerLoopStep(std::int32_t labelSpacing);
// The length of the mark at tick `t` (0: none); labelled marks are the long ones.
int rulerTickLength(std::int64_t t, std::int32_t labelSpacing, RulerAxis axis);
// The label at tick `t` in mm or mil; the vertical ruler shows absolute values.
std::string rulerLabel(std::int64_t t, LengthUnit unit, RulerAxis axis);

// The marks and labels of a ruler over its pixel range.
std::vector<RulerTick> rulerTicks(const RulerSpec& spec);

// Text placement: horizontal labels right of their mark above the lower edge, vertical labels
// (turned by 90 degrees) below their mark.
inline double horizontalLabelX(double position) { return position + 4; }
inline double horizontalLabelY(int rulerHeight, int textHeight) {
  return rulerHeight - textHeight - 3;
}
inline double verticalLabelX() { return 3; }
inline double verticalLabelY(double position, int textWidth) { return position + textWidth + 4; }

// The horizontal ruler starts under the corner: its first pixels are not painted.
inline constexpr int kHorizontalRulerCorner = 25;
// Pointer markers on the rulers sit at the pointer's viewport position plus these offsets.
inline constexpr int kHorizontalMarkerOffset = 26;
inline constexpr int kVerticalMarkerOffset = 2;

}  // namespace pravelo
