#include "editing/crosshair_overlay.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "editing/crosshair_texts.h"

namespace pravelo {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCaptureRed{255, 0, 0};
constexpr Rgb kLightYellow{255, 255, 225};
constexpr double kCaptureGap = 20;
constexpr double kBarHalf = 10;
constexpr double kCrossHalf = 20;
constexpr double kAngleArcRadius = 20;
constexpr double kRingRadius = 6;
constexpr int kBoxOffset = 20;
constexpr const char* kDegree = "\u00B0";

// Three significant digits, as short as they go: "90", "26.6", "8.13".
std::string generalDegrees(double degrees) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::general, 3);
  return std::string(buffer, result.ptr) + kDegree;
}

double worldDistance(DPoint a, DPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The direction from `r` to `p` in degrees, clockwise in world coordinates, and the horizontal
// axis nearer to it (0 or 180).
struct AxisDirection {
  double degrees;
  double axis;
};
AxisDirection directionFromAxis(DPoint r, DPoint p) {
  const double a = toDegrees(directionAngle(toFPoint(r), toFPoint(p)));
  return {a, a > 90 && a < 270 ? 180.0 : 0.0};
}

OverlayShape stroke(std::vector<DPoint> points, double width, Rgb colour) {
  OverlayShape s;
  s.points = std::move(points);
  s.width = width;
  s.colour = colour;
  return s;
}

// Points on a circle around `centre`, at angles measured clockwise on the screen.
std::vector<DPoint> arcPoints(DPoint centre, double radius, double fromDeg, double sweepDeg) {
  const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweepDeg) / 3)));
  std::vector<DPoint> points;
  points.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double t = degreesToRadians(fromDeg + sweepDeg * i / steps);
    points.push_back({centre.x + radius * std::cos(t), centre.y + radius * std::sin(t)});
  }
  return points;
}

void addReferenceLine(OverlayFigure& f, const CrosshairOverlay& o, DPoint r, DPoint c,
                      double fadeRadius, Rgb colour) {
  // Under a pixel there is no line to fade, and no direction for the bar to stand across.
  if (fadeRadius < 1) return;
  const auto faded = [&](std::vector<DPoint> points, double width) {
    OverlayShape s = stroke(std::move(points), width, colour);
    s.fadeCentre = r;
    s.fadeRadius = fadeRadius;
    f.shapes.push_back(std::move(s));
  };
  if (o.showRefLine) {
    const double length = std::hypot(c.x - r.x, c.y - r.y);
    const double nx = -(c.y - r.y) / length * kBarHalf;
    const double ny = (c.x - r.x) / length * kBarHalf;
    faded({{r.x - nx, r.y - ny}, {r.x + nx, r.y + ny}}, 2);
  }
  faded({r, c}, 1.5);
}

void addMeasuringFigure(OverlayFigure& f, const CrosshairOverlay& o, DPoint r, DPoint c,
                        Rgb contrast, bool dark) {
  OverlayShape fill;
  fill.kind = OverlayShape::Fill;
  fill.points = {r, {c.x, r.y}, c, {r.x, c.y}};
  fill.colour = contrast;
  fill.opacity = dark ? 70 : 60;
  f.shapes.push_back(std::move(fill));
  for (const DPoint edgeEnd : {DPoint{c.x, r.y}, DPoint{r.x, c.y}}) {
    OverlayShape edge = stroke({r, edgeEnd}, 1, contrast);
    edge.dotted = true;
    f.shapes.push_back(std::move(edge));
  }
  f.shapes.push_back(stroke({{r.x - kCrossHalf, r.y}, {r.x + kCrossHalf, r.y}}, 1, contrast));
  f.shapes.push_back(stroke({{r.x, r.y - kCrossHalf}, {r.x, r.y + kCrossHalf}}, 1, contrast));
  f.shapes.push_back(stroke({c, r}, 1.6, contrast));
  // The arc from the nearer horizontal axis to the line; clockwise world angles are clockwise
  // on the screen as well.
  const auto [a, axis] = directionFromAxis(o.reference, o.lastPoint);
  double sweep = a - axis;
  if (sweep > 180) sweep -= 360;
  if (sweep != 0) {
    f.shapes.push_back(stroke(arcPoints(r, kAngleArcRadius, axis, sweep), 1.6, contrast));
  }
}

void addCaptureMark(OverlayFigure& f, DPoint c, int width, int height) {
  const double w = width;
  const double h = height;
  const auto mark = [&f](DPoint from, DPoint to) {
    if (from.x < to.x || from.y < to.y) f.shapes.push_back(stroke({from, to}, 1, kCaptureRed));
  };
  for (const double y : {c.y - 1, c.y + 1}) {
    mark({0, y}, {c.x - kCaptureGap, y});
    mark({c.x + kCaptureGap, y}, {w, y});
  }
  for (const double x : {c.x - 1, c.x + 1}) {
    mark({x, 0}, {x, c.y - kCaptureGap});
    mark({x, c.y + kCaptureGap}, {x, h});
  }
}

CoordinateBox coordinateBox(const CrosshairOverlay& o, const OverlayContext& ctx, IPoint c) {
  const CrosshairOptions& options = ctx.options;
  CoordinateBox box;
  box.rowHeight = boxRowHeight(options);
  box.fontPixels = boxFontPixels(options);
  box.width = ctx.boxTextWidth + 4;
  box.height = o.showDelta ? 5 * box.rowHeight + 16 : 2 * box.rowHeight + 6;
  if (o.mode == OverlayMode::Measuring) box.height += box.rowHeight + 2;
  const bool leftOfPointer =
      o.drawingPath && o.lastPoint.x < o.reference.x && o.lastPoint.y > o.reference.y;
  const BoxPlace place = placeBox(c, box.width, box.height, ctx.width, ctx.height, leftOfPointer);
  box.x = place.x;
  box.y = place.y;
  box.left = box.x;
  box.top = box.y - 2;
  box.right = box.x + box.width + 4;
  box.bottom = box.y + box.height;
  box.fill = options.black ? kBlack : kLightYellow;
  box.opacity = options.translucent ? (options.black ? 180 : 240) : 255;
  box.outline = !options.black;
  const std::array<Rgb, 3> colours =
      options.black ? std::array<Rgb, 3>{kWhite, Rgb{255, 255, 0}, Rgb{190, 222, 255}}
                    : std::array<Rgb, 3>{kBlack, Rgb{0, 0, 255}, Rgb{255, 0, 0}};
  const std::vector<BoxRowText> texts = boxRowTexts(o, ctx.origin, ctx.unit);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int n = static_cast<int>(i);
    const int extra = 2 * (n / 2);
    box.rows.push_back({texts[i], colours[static_cast<std::size_t>(texts[i].group)],
                        box.y + n * (box.rowHeight + 2) + extra});
  }
  return box;
}

}  // namespace

double measuredAngle(DPoint reference, DPoint pointer) {
  const auto [a, axis] = directionFromAxis(reference, pointer);
  return a < 270 || axis == 180 ? std::fabs(a - axis) : 360 - a;
}

std::vector<BoxRowText> boxRowTexts(const CrosshairOverlay& o, IPoint origin, LengthUnit unit) {
  const DPoint p = o.lastPoint;
  std::vector<BoxRowText> rows{{tr(texts::rowX), formatLength(p.x - origin.x, unit), 0},
                               {tr(texts::rowY), formatLength(p.y - origin.y, unit), 0}};
  if (!o.showDelta) return rows;
  if (o.arcRows) {
    rows.push_back({tr(texts::rowStart), formatFixed(o.arcStart, 2) + kDegree, 1});
    rows.push_back({tr(texts::rowStop), formatFixed(o.arcStop, 2) + kDegree, 1});
    rows.push_back({tr(texts::rowDiameter), formatLength(o.arcDiameter, unit), 2});
    return rows;
  }
  rows.push_back({tr(texts::rowDx), formatLength(p.x - o.reference.x, unit), 1});
  rows.push_back({tr(texts::rowDy), formatLength(p.y - o.reference.y, unit), 1});
  rows.push_back({tr(texts::rowDistance), formatLength(worldDistance(o.reference, p), unit), 2});
  if (o.mode == OverlayMode::Measuring) {
    rows.push_back({tr(texts::rowAngle), generalDegrees(measuredAngle(o.reference, p)), 2});
  }
  return rows;
}

std::optional<std::array<PanelRow, 3>> coordinatesPanel(const CrosshairOverlay& o,
                                                        const CrosshairOptions& options,
                                                        LengthUnit unit) {
  if (!o.showDelta || options.box || o.mode == OverlayMode::Measuring) return std::nullopt;
  const std::vector<BoxRowText> rows = boxRowTexts(o, {}, unit);
  std::array<PanelRow, 3> panel;
  for (std::size_t i = 0; i < 3; ++i) panel[i] = {rows[i + 2].label, rows[i + 2].value};
  return panel;
}

int boxRowHeight(const CrosshairOptions& options) { return options.bigText ? 14 : 12; }

int boxFontPixels(const CrosshairOptions& options) { return options.bigText ? 12 : 11; }

BoxPlace placeBox(IPoint c, int boxWidth, int boxHeight, int frameWidth, int frameHeight,
                  bool leftOfPointer) {
  int x = leftOfPointer ? c.x - boxWidth - kBoxOffset : c.x + kBoxOffset;
  int y = c.y + kBoxOffset;
  if (x < 1) x = c.x + kBoxOffset;
  if (y < 1) y = c.y + kBoxOffset;
  if (x + boxWidth > frameWidth) x = c.x - boxWidth - kBoxOffset;
  if (y + boxHeight > frameHeight) y = c.y - boxHeight - kBoxOffset;
  // The drawn box reaches 4 pixels further right and 2 higher than its text area; the rules
  // above leave those outside near an edge, and a small view leaves the whole box outside.
  x = std::max(0, std::min(x, frameWidth - boxWidth - 4));
  y = std::max(2, std::min(y, frameHeight - boxHeight));
  return {x, y};
}

OverlayFigure overlayFigure(const CrosshairOverlay& o, const OverlayContext& ctx) {
  OverlayFigure f;
  if (!o.shown) return f;
  const bool dark = isDark(ctx.background);
  const Rgb contrast = dark ? kWhite : kBlack;
  const DPoint c = pixelCentre(worldToScreen(ctx.view, o.lastPoint));
  const DPoint r = pixelCentre(worldToScreen(ctx.view, o.reference));
  const double w = ctx.width;
  const double h = ctx.height;

  if (ctx.options.diagonals) {
    const double width = dark ? 0.4 : 0.2;
    f.shapes.push_back(stroke({{c.x - c.y, 0}, {c.x + h - c.y, h}}, width, contrast));
    f.shapes.push_back(stroke({{c.x + c.y, 0}, {c.x - (h - c.y), h}}, width, contrast));
  }
  if (o.showRefLine || o.mode == OverlayMode::OriginDrag) {
    const Rgb colour = dark ? Rgb{204, 204, 204} : Rgb{153, 153, 153};
    addReferenceLine(f, o, r, c, worldDistance(o.reference, o.lastPoint) * ctx.view.zoom, colour);
  }
  if (o.mode == OverlayMode::OriginDrag) {
    OverlayShape under = stroke(arcPoints(c, kRingRadius, 0, 360), 4, inverted(contrast));
    under.closed = true;
    OverlayShape over = under;
    over.width = 2;
    over.colour = contrast;
    f.shapes.push_back(std::move(under));
    f.shapes.push_back(std::move(over));
  }
  if (o.mode == OverlayMode::Measuring) addMeasuringFigure(f, o, r, c, contrast, dark);
  f.shapes.push_back(stroke({{0, c.y}, {w, c.y}}, 1, contrast));
  f.shapes.push_back(stroke({{c.x, 0}, {c.x, h}}, 1, contrast));
  if (o.captured) addCaptureMark(f, c, ctx.width, ctx.height);
  if (ctx.options.box || o.mode == OverlayMode::Measuring) {
    f.box = coordinateBox(o, ctx, toIPoint(worldToScreen(ctx.view, o.lastPoint)));
  }
  return f;
}

}  // namespace pravelo
