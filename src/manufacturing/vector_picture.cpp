#include "manufacturing/vector_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/arc.h"
#include "view/drawing_surface.h"
#include "view/ground_plane_painter.h"
#include "view/layer_order.h"
#include "view/object_painter.h"

namespace pravelo {
namespace {

// Curves become chords that stray at most this far from them: 1 micrometre.
constexpr double kVectorChordError = 10;
// The rim of a bare hole: 0.1 mm.
constexpr double kVectorRimWidth = 1000;

int vectorArcSegments(double radius, double sweepRadians) {
  if (radius <= kVectorChordError) return 8;
  const double step = 2 * std::acos(1 - kVectorChordError / radius);
  return std::clamp(static_cast<int>(std::ceil(sweepRadians / step)), 8, 720);
}

std::vector<DPoint> vectorArcPoints(DPoint centre, double radius, double startRadians,
                                    double sweepRadians) {
  const int segments = vectorArcSegments(radius, sweepRadians);
  std::vector<DPoint> points;
  points.reserve(segments + 1);
  for (int i = 0; i <= segments; ++i) {
    const double a = startRadians + sweepRadians * i / segments;
    points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return points;
}

std::vector<DPoint> vectorDisc(DPoint centre, double radius) {
  std::vector<DPoint> points = vectorArcPoints(centre, radius, 0, 2 * std::numbers::pi);
  points.pop_back();
  return points;
}

// Records shapes in the colour of their polarity.
class VectorSurface final : public DrawingSurface {
 public:
  explicit VectorSurface(std::vector<VectorShape>& shapes) : shapes_(shapes) {}

  void setColours(Rgb dark, Rgb clear) {
    dark_ = dark;
    clear_ = clear;
  }

  void setPolarity(Polarity polarity) override { polarity_ = polarity; }

  void fillPolygon(std::vector<DPoint> outline) override {
    if (outline.size() >= 3) shapes_.push_back({colour(), std::move(outline)});
  }

  void strokePolyline(std::vector<DPoint> points, double width, EndCap start, EndCap end,
                      bool closed) override {
    if (points.empty()) return;
    if (start != end) {
      // Neither format caps the two ends of a line differently: cut both, round one by a dot.
      const DPoint round = start == EndCap::Round ? points.front() : points.back();
      shapes_.push_back({colour(), std::move(points), width, false, closed});
      dot(round, width);
      return;
    }
    shapes_.push_back({colour(), std::move(points), width, start == EndCap::Round, closed});
  }

  void dot(DPoint centre, double width) override { fillPolygon(vectorDisc(centre, width / 2)); }

  void roundPad(DPoint centre, double radius, double /*hole*/) override {
    fillPolygon(vectorDisc(centre, radius));
  }

  void rectanglePad(DPoint /*centre*/, double /*sizeX*/, double /*sizeY*/,
                    std::vector<DPoint> corners) override {
    fillPolygon(std::move(corners));
  }

  void arc(const ArcShape& a) override {
    const DPoint centre{a.centre.x, a.centre.y};
    const double width = ringWidth(a.outer, a.inner) + 2.0 * a.growth;
    const double middle = centreLineRadius(a.outer, a.inner);
    const bool full = isFullCircle(a.start, a.stop);
    const double start = degreesToRadians(toDegrees(a.start));
    const double sweep =
        full ? 2 * std::numbers::pi : degreesToRadians(toDegrees(arcSpan(a.start, a.stop)));
    if (a.filled) {
      const double radius = a.outer + a.growth;
      if (full) {
        fillPolygon(vectorDisc(centre, radius));
        return;
      }
      // The segment up to the chord and a bar of the ring width along it, as on the screen.
      fillPolygon(vectorArcPoints(centre, radius, start, sweep));
      const std::vector<DPoint> ends = vectorArcPoints(centre, middle, start, sweep);
      strokePolyline({ends.back(), ends.front()}, width, EndCap::Round, EndCap::Round, false);
      return;
    }
    std::vector<DPoint> points = vectorArcPoints(centre, middle, start, sweep);
    if (full) points.pop_back();
    shapes_.push_back({colour(), std::move(points), width, true, full});
  }

 private:
  Rgb colour() const { return polarity_ == Polarity::Dark ? dark_ : clear_; }

  std::vector<VectorShape>& shapes_;
  Rgb dark_;
  Rgb clear_;
  Polarity polarity_ = Polarity::Dark;
};

// The colours of one picture: the scheme's, or black ink on white paper.
struct VectorColours {
  const ColourScheme& scheme;
  const RenderOptions& display;
  bool colour;

  Rgb paper() const { return colour ? scheme.background() : Rgb{255, 255, 255}; }
  Rgb ink(Rgb c) const { return colour ? c : Rgb{0, 0, 0}; }
  Rgb object(const TObjekt& o) const {
    return ink(isVia(o) ? scheme.colours[kSlotVia] : scheme.layer(o.layer));
  }
  Rgb plane(int layer) const {
    return ink(groundPlaneColour(scheme, layer, display.darkGroundPlane));
  }
  Rgb hole() const {
    if (!colour || display.drillHoleColour == DrillHoleColour::Background) return paper();
    return display.drillHoleColour == DrillHoleColour::White ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
  }
};

bool vectorObjectShown(const TObjekt& o, const BoardHeader& header) {
  return o.drawable && !o.cutout && !isHiddenLabel(o) && objectVisible(o, header);
}

}  // namespace

VectorPicture composeVectorPicture(const Board& board, const ColourScheme& scheme,
                                   const RenderOptions& display, bool colour) {
  const BoardHeader& header = board.header;
  const VectorColours colours{scheme, display, colour};
  VectorPicture picture;
  picture.width = header.width;
  picture.height = header.height;
  VectorSurface surface(picture.shapes);
  const ObjectPainter painter(surface);
  surface.setColours(colours.paper(), colours.paper());
  surface.fillPolygon(
      {{0, 0}, {picture.width, 0}, {picture.width, -picture.height}, {0, -picture.height}});
  const int active = header.activeLayer;
  if (isCopperLayer(active) && header.groundPlane[active - 1]) {
    surface.setColours(colours.plane(active), colours.paper());
    paintPlaneBase(surface, board, active);
  }
  const auto draw = [&](const TObjekt& o) {
    surface.setColours(colours.object(o), colours.paper());
    painter.draw(o);
  };
  const auto order = layerDrawingOrder(active);
  const auto pass = [&](int layer) {
    for (const auto& o : board.objects) {
      if (o->layer == layer && !isVia(*o) && !isMaskOnlyZone(*o) && vectorObjectShown(*o, header)) {
        draw(*o);
      }
    }
  };
  for (int layer : order) {
    if (isCopperLayer(layer)) pass(layer);
  }
  for (const auto& o : board.objects) {
    if (isVia(*o) && vectorObjectShown(*o, header)) draw(*o);
  }
  for (const auto& o : board.objects) {
    if (isMaskOnlyZone(*o) && vectorObjectShown(*o, header)) draw(*o);
  }
  for (int layer : order) {
    if (!isCopperLayer(layer)) pass(layer);
  }
  for (const auto& o : board.objects) {
    if (o->kind != kPad || !(o->dim.y > 0) || !vectorObjectShown(*o, header)) continue;
    const DPoint centre{o->pos.x, o->pos.y};
    picture.shapes.push_back({colours.hole(), vectorDisc(centre, o->dim.y)});
    if (isPureHole(*o)) {
      // A bare hole shows its rim, as the view does.
      std::vector<DPoint> rim = vectorDisc(centre, o->dim.y);
      picture.shapes.push_back(
          {colours.ink(inverted(colours.paper())), std::move(rim), kVectorRimWidth, true, true});
    }
  }
  return picture;
}

}  // namespace pravelo
