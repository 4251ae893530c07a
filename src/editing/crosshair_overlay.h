#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "geometry/length_text.h"
#include "geometry/point.h"
#include "settings/settings.h"
#include "view/colour_scheme.h"
#include "view/view_transform.h"

namespace pravelo {

enum class OverlayMode { Normal = 0, Measuring = 1, OriginDrag = 2 };

// The transient picture over the drawing area: the crosshair through the pointer, the capture
// mark, the reference line, the measuring figure and the coordinate box. The tools set it; the
// window draws it over a copy of the view and erases it by putting that copy back, so following
// the pointer never draws the board again. One per main window.
struct CrosshairOverlay {
  bool shown = false;
  DPoint lastPoint;  // world point of the pointer it was drawn at
  bool captured = false;
  OverlayMode mode = OverlayMode::Normal;
  bool showDelta = false;    // the rows relative to the reference (or the arc rows)
  bool showRefLine = false;  // the line from the reference with its bar
  bool arcRows = false;      // "Start:", "Stop:", "DM:" instead of "dX:", "dY:", "Dist:"
  DPoint reference;          // world point the current gesture started from
  double arcStart = 0;       // degrees
  double arcStop = 0;
  double arcDiameter = 0;  // units, centre line
  // A track or zone is being drawn: a pointer left of and above the reference puts the box to
  // the left, off the segment being drawn.
  bool drawingPath = false;
};

// Draws the overlay at a world point (the window erases the previous picture first).
inline void showAt(CrosshairOverlay& o, DPoint world) {
  o.shown = true;
  o.lastPoint = world;
}
inline void hide(CrosshairOverlay& o) { o.shown = false; }
inline void setCaptured(CrosshairOverlay& o, bool captured) { o.captured = captured; }
// The gesture ended: only the crosshair and the X and Y rows stay.
inline void endGesture(CrosshairOverlay& o) {
  o.mode = OverlayMode::Normal;
  o.showDelta = false;
  o.arcRows = false;
}
// Another tool was chosen: no reference any more, and nothing shown until the pointer moves.
inline void resetOverlay(CrosshairOverlay& o) {
  endGesture(o);
  o.showRefLine = false;
  o.drawingPath = false;
  o.captured = false;
  hide(o);
}

// The angle the Measure tool shows from `reference` to `pointer` (world points): the direction's
// angle to the nearer horizontal axis, 0 to 90 degrees.
double measuredAngle(DPoint reference, DPoint pointer);

// One line of the coordinate box: its caption, its value and the colour group (0: rows 1 and 2,
// 1: rows 3 and 4, 2: rows 5 and 6).
struct BoxRowText {
  std::string label;
  std::string value;
  int group = 0;
};
// The rows the box shows, with lengths relative to the user origin in the display unit.
std::vector<BoxRowText> boxRowTexts(const CrosshairOverlay& o, IPoint origin, LengthUnit unit);

// The lower-left coordinates panel: its three captions and values, shown while the gesture
// has delta rows and the box is switched off (the Measure tool always has its box).
struct PanelRow {
  std::string caption;
  std::string value;
};
std::optional<std::array<PanelRow, 3>> coordinatesPanel(const CrosshairOverlay& o,
                                                        const CrosshairOptions& options,
                                                        LengthUnit unit);

// A line, or a rectangle filled over the whole pixels its corners lie in, in pixels of the
// visible area.
struct OverlayShape {
  enum Kind { Stroke, Fill } kind = Stroke;
  std::vector<DPoint> points;
  double width = 1;
  Rgb colour;
  std::uint8_t opacity = 255;
  bool closed = false;
  bool dotted = false;  // horizontal or vertical, one pixel wide
  // Opacity falls from full at `fadeCentre` to none at `fadeRadius` pixels; 0 for no fade.
  double fadeRadius = 0;
  DPoint fadeCentre;
};

struct BoxRow {
  BoxRowText text;
  Rgb colour;
  int top = 0;  // top of the text; the caption starts at box x + 4, the value ends at x + width
};

// The coordinate box: its text area starts at (x, y); the drawn rectangle is `rect`.
struct CoordinateBox {
  int x = 0;
  int y = 0;
  int width = 0;  // text width of the rows
  int height = 0;
  int rowHeight = 12;
  int fontPixels = 11;  // "Tahoma" character height
  int left = 0, top = 0, right = 0, bottom = 0;
  Rgb fill;
  std::uint8_t opacity = 255;
  bool outline = false;  // 1 pixel black
  std::vector<BoxRow> rows;
};

struct OverlayFigure {
  std::vector<OverlayShape> shapes;  // in drawing order
  std::optional<CoordinateBox> box;  // drawn last
};

// What the figure depends on beyond the overlay itself.
struct OverlayContext {
  ViewTransform view;
  int width = 0;  // visible area, pixels
  int height = 0;
  Rgb background;
  IPoint origin;  // user origin
  LengthUnit unit = LengthUnit::Mm;
  CrosshairOptions options;
  int boxTextWidth = 0;  // width of texts::boxWidthSample in the box's font, from the window
};

// Box rows are 14 pixels high with big text, else 12; the text is 12 or 11 pixels high.
int boxRowHeight(const CrosshairOptions& options);
int boxFontPixels(const CrosshairOptions& options);

// Where the box goes for the pointer at pixel `c`: 20 pixels right of and below it, to the
// left or above where the frame ends, and always wholly inside the frame when it fits.
struct BoxPlace {
  int x = 0;
  int y = 0;
};
BoxPlace placeBox(IPoint c, int boxWidth, int boxHeight, int frameWidth, int frameHeight,
                  bool leftOfPointer);

// The figure of the overlay as it stands; empty when it is not shown.
OverlayFigure overlayFigure(const CrosshairOverlay& o, const OverlayContext& context);

}  // namespace pravelo
