#include "view/canvas.h"

#include <agg_conv_stroke.h>
#include <agg_path_storage.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_rasterizer_sl_clip.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_bin.h>
#include <agg_scanline_u.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pravelo {
namespace {

using Colour = agg::rgba8;
using Order = agg::order_rgba;
using Value = Colour::value_type;

// The transparent display's blends. A custom-blend pixel format calls the blender for every
// pixel, also at full coverage, where the ordinary format would simply copy the colour.
enum TransparentOp : unsigned { kOpAdd, kOpSubtract };

struct TransparentBlender {
  using color_type = Colour;
  using order_type = Order;
  using value_type = Value;
  using calc_type = Colour::calc_type;
  using long_type = Colour::long_type;

  static void blend_pix(unsigned op, Value* p, Value r, Value g, Value b, Value alpha,
                        agg::cover_type cover) {
    const Value a = Colour::mult_cover(alpha, cover);
    // Add: per-component saturating addition. Subtract: remove the inverted colour, so that
    // overlapping shapes darken a light background.
    auto apply = [op, a](Value d, Value s) {
      return static_cast<Value>(op == kOpAdd ? std::min(255, d + Colour::multiply(s, a))
                                             : std::max(0, d - Colour::multiply(255 - s, a)));
    };
    p[Order::R] = apply(p[Order::R], r);
    p[Order::G] = apply(p[Order::G], g);
    p[Order::B] = apply(p[Order::B], b);
    p[Order::A] = 255;
  }
};

using PixNormal =
    agg::pixfmt_alpha_blend_rgba<agg::blender_rgba<Colour, Order>, agg::rendering_buffer>;
using PixTransparent = agg::pixfmt_custom_blend_rgba<TransparentBlender, agg::rendering_buffer>;

constexpr double kPi = std::numbers::pi;

// Vertices per full turn for a circle of `radius` pixels: fine enough that the chord error stays
// below a tenth of a pixel, bounded for huge radii.
int stepsPerTurn(double radius) {
  if (radius <= 0.5) return 8;
  const double da = 2 * std::acos(std::max(0.0, 1 - 0.1 / radius));
  return std::clamp(static_cast<int>(std::ceil(2 * kPi / da)), 8, 4096);
}

void addArcVertices(agg::path_storage& path, DPoint c, double radius, double startDeg,
                    double sweepDeg, bool moveFirst) {
  const int steps =
      std::max(1, static_cast<int>(std::ceil(stepsPerTurn(radius) * std::abs(sweepDeg) / 360.0)));
  for (int i = 0; i <= steps; ++i) {
    const double a = (startDeg + sweepDeg * i / steps) * kPi / 180.0;
    const double x = c.x + radius * std::cos(a);
    const double y = c.y - radius * std::sin(a);  // pixel rows grow downwards
    if (i == 0 && moveFirst) {
      path.move_to(x, y);
    } else {
      path.line_to(x, y);
    }
  }
}

double signedArea(const std::vector<DPoint>& polygon) {
  double a = 0;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    a += polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
  }
  return a;
}

// The vertices of a closed shape produced by an AGG vertex source (such as a stroke).
template <typename Source>
std::vector<DPoint> verticesOf(Source& source) {
  std::vector<DPoint> vertices;
  double x, y;
  source.rewind(0);
  for (unsigned cmd; !agg::is_stop(cmd = source.vertex(&x, &y));) {
    if (agg::is_vertex(cmd)) vertices.push_back({x, y});
  }
  return vertices;
}

// Appends a closed polygon turning the same way as the rest of the path, so that the non-zero
// rule fills the union of both and a seam or overlap is rasterised once.
void addPolygon(agg::path_storage& path, std::vector<DPoint> polygon, bool positive) {
  if ((signedArea(polygon) >= 0) != positive) std::reverse(polygon.begin(), polygon.end());
  path.move_to(polygon[0].x, polygon[0].y);
  for (std::size_t i = 1; i < polygon.size(); ++i) path.line_to(polygon[i].x, polygon[i].y);
  path.close_polygon();
}

agg::line_cap_e aggCap(LineCap cap) {
  switch (cap) {
    case LineCap::Round:
      return agg::round_cap;
    case LineCap::Square:
      return agg::square_cap;
    case LineCap::Butt:
      break;
  }
  return agg::butt_cap;
}

}  // namespace

struct Canvas::Impl {
  agg::rendering_buffer buffer;
  agg::rasterizer_scanline_aa<agg::rasterizer_sl_clip_dbl> rasterizer;
  int clipX0 = 0, clipY0 = 0, clipX1 = 0, clipY1 = 0;  // half-open pixel rectangle

  template <typename PixFmt>
  void renderWith(PixFmt& pixf, const Paint& paint, bool antiAliased) {
    agg::renderer_base<PixFmt> base(pixf);
    base.clip_box(clipX0, clipY0, clipX1 - 1, clipY1 - 1);
    const Colour colour(paint.colour.r, paint.colour.g, paint.colour.b, paint.opacity);
    if (antiAliased) {
      agg::scanline_u8 scanline;
      agg::render_scanlines_aa_solid(rasterizer, scanline, base, colour);
    } else {
      agg::scanline_bin scanline;
      agg::render_scanlines_bin_solid(rasterizer, scanline, base, colour);
    }
  }

  void render(const Paint& paint, bool antiAliased) {
    if (paint.blend == Blend::Normal) {
      PixNormal pixf(buffer);
      renderWith(pixf, paint, antiAliased);
    } else {
      PixTransparent pixf(buffer, paint.blend == Blend::Add ? kOpAdd : kOpSubtract);
      renderWith(pixf, paint, antiAliased);
    }
    rasterizer.reset();
  }

  template <typename Source>
  void fill(Source& source, const Paint& paint, bool antiAliased,
            agg::filling_rule_e rule = agg::fill_non_zero) {
    rasterizer.reset();
    rasterizer.clip_box(clipX0 - 1, clipY0 - 1, clipX1 + 1, clipY1 + 1);
    rasterizer.filling_rule(rule);
    rasterizer.add_path(source);
    render(paint, antiAliased);
  }

  void stroke(agg::path_storage& path, double width, LineCap cap, const Paint& paint,
              bool antiAliased) {
    agg::conv_stroke<agg::path_storage> stroke(path);
    stroke.width(std::max(1.0, width));
    stroke.line_cap(aggCap(cap));
    stroke.line_join(agg::round_join);
    // Round caps and joins of wide strokes need enough vertices to stay round.
    stroke.approximation_scale(1.0);
    fill(stroke, paint, antiAliased);
  }
};

Canvas::Canvas(Frame& frame, bool antiAliased)
    : frame_(frame), antiAliased_(antiAliased), impl_(std::make_unique<Impl>()) {
  impl_->buffer.attach(frame.pixels.data(), frame.width, frame.height, frame.width * 4);
  resetClip();
}

Canvas::~Canvas() = default;

void Canvas::clipTo(int x0, int y0, int x1, int y1) {
  impl_->clipX0 = std::max(0, x0);
  impl_->clipY0 = std::max(0, y0);
  impl_->clipX1 = std::min(frame_.width, x1);
  impl_->clipY1 = std::min(frame_.height, y1);
}

void Canvas::resetClip() { clipTo(0, 0, frame_.width, frame_.height); }

void Canvas::clear(Rgb colour) {
  for (int y = impl_->clipY0; y < impl_->clipY1; ++y) {
    std::uint8_t* p = frame_.row(y) + 4 * impl_->clipX0;
    for (int x = impl_->clipX0; x < impl_->clipX1; ++x, p += 4) {
      p[0] = colour.r;
      p[1] = colour.g;
      p[2] = colour.b;
      p[3] = 255;
    }
  }
}

void Canvas::fillRect(double x0, double y0, double x1, double y1, const Paint& paint) {
  fillPolygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, paint);
}

void Canvas::fillPolygon(const std::vector<DPoint>& outline, const Paint& paint) {
  if (outline.size() < 3) return;
  agg::path_storage path;
  path.move_to(outline[0].x, outline[0].y);
  for (std::size_t i = 1; i < outline.size(); ++i) path.line_to(outline[i].x, outline[i].y);
  path.close_polygon();
  impl_->fill(path, paint, antiAliased_, agg::fill_even_odd);
}

void Canvas::strokePolyline(const std::vector<DPoint>& points, double width, LineCap cap,
                            const Paint& paint, bool closed) {
  if (points.empty()) return;
  agg::path_storage path;
  path.move_to(points[0].x, points[0].y);
  if (points.size() == 1) {
    // A single point is drawn as a dot of the line width.
    path.line_to(points[0].x + 1e-6, points[0].y);
  }
  for (std::size_t i = 1; i < points.size(); ++i) path.line_to(points[i].x, points[i].y);
  if (closed) path.close_polygon();
  impl_->stroke(path, width, cap, paint, antiAliased_);
}

void Canvas::strokePolyline(const std::vector<DPoint>& points, double width, LineCap startCap,
                            LineCap endCap, const Paint& paint) {
  if (startCap == endCap || points.size() < 2) {
    strokePolyline(points, width, startCap, paint);
    return;
  }
  // Stroke with butt caps and add a half disc at each round end, all in one path, so that the
  // shape is rasterised once (transparent blends must not count any pixel twice). The half discs
  // only touch the stroke along its end lines; they get the stroke's orientation so that the
  // coverage of the seam adds up.
  width = std::max(1.0, width);
  agg::path_storage line;
  line.move_to(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) line.line_to(points[i].x, points[i].y);
  agg::conv_stroke<agg::path_storage> stroke(line);
  stroke.width(width);
  stroke.line_cap(agg::butt_cap);
  stroke.line_join(agg::round_join);

  const bool strokePositive = signedArea(verticesOf(stroke)) >= 0;

  agg::path_storage path;
  path.concat_path(stroke);
  auto addHalfDisc = [&](DPoint end, DPoint inner) {
    const double outward = std::atan2(end.y - inner.y, end.x - inner.x);
    const double r = width / 2;
    const int steps = std::max(4, stepsPerTurn(r) / 2);
    std::vector<DPoint> cap;
    for (int i = 0; i <= steps; ++i) {
      const double a = outward - kPi / 2 + kPi * i / steps;
      cap.push_back({end.x + r * std::cos(a), end.y + r * std::sin(a)});
    }
    addPolygon(path, std::move(cap), strokePositive);
  };
  if (startCap == LineCap::Round) addHalfDisc(points[0], points[1]);
  if (endCap == LineCap::Round) addHalfDisc(points.back(), points[points.size() - 2]);
  impl_->fill(path, paint, antiAliased_);
}

void Canvas::line(DPoint a, DPoint b, double width, const Paint& paint) {
  strokePolyline({a, b}, width, LineCap::Butt, paint);
}

void Canvas::disc(DPoint centre, double radius, const Paint& paint) {
  agg::path_storage path;
  addArcVertices(path, centre, std::max(radius, 0.5), 0, 360, true);
  path.close_polygon();
  impl_->fill(path, paint, antiAliased_);
}

void Canvas::circleOutline(DPoint centre, double radius, double width, const Paint& paint) {
  agg::path_storage path;
  addArcVertices(path, centre, radius, 0, 360, true);
  path.close_polygon();
  impl_->stroke(path, width, LineCap::Butt, paint, antiAliased_);
}

void Canvas::strokeArc(DPoint centre, double radius, double startDeg, double sweepDeg, double width,
                       LineCap cap, const Paint& paint) {
  agg::path_storage path;
  addArcVertices(path, centre, radius, startDeg, sweepDeg, true);
  impl_->stroke(path, width, cap, paint, antiAliased_);
}

void Canvas::fillChordSegment(DPoint centre, double radius, double startDeg, double sweepDeg,
                              DPoint barFrom, DPoint barTo, double barWidth, const Paint& paint) {
  agg::path_storage segment;
  addArcVertices(segment, centre, radius, startDeg, sweepDeg, true);
  segment.close_polygon();
  const bool positive = signedArea(verticesOf(segment)) >= 0;

  agg::path_storage line;
  line.move_to(barFrom.x, barFrom.y);
  line.line_to(barTo.x + (barFrom == barTo ? 1e-6 : 0), barTo.y);
  agg::conv_stroke<agg::path_storage> bar(line);
  bar.width(std::max(1.0, barWidth));
  bar.line_cap(agg::round_cap);
  bar.approximation_scale(1.0);

  agg::path_storage path;
  path.concat_path(segment);
  addPolygon(path, verticesOf(bar), positive);
  impl_->fill(path, paint, antiAliased_);
}

}  // namespace pravelo
