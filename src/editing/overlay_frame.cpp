#include "editing/overlay_frame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "view/canvas.h"

namespace pravelo {

namespace {

constexpr double kFadeStep = 3;  // pixels per piece of a fading line

std::uint8_t scaled(std::uint8_t opacity, double factor) {
  return static_cast<std::uint8_t>(std::lround(opacity * std::clamp(factor, 0.0, 1.0)));
}

// Each segment in pieces whose opacity falls with their middle's distance from the centre.
void fadingLine(Canvas& canvas, const OverlayShape& s, double width, std::uint8_t opacity) {
  for (std::size_t i = 1; i < s.points.size(); ++i) {
    const DPoint a = s.points[i - 1];
    const DPoint b = s.points[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const int pieces = std::max(1, static_cast<int>(std::ceil(length / kFadeStep)));
    for (int k = 0; k < pieces; ++k) {
      const double t0 = static_cast<double>(k) / pieces;
      const double t1 = static_cast<double>(k + 1) / pieces;
      const DPoint p0{a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0};
      const DPoint p1{a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1};
      const double d =
          std::hypot((p0.x + p1.x) / 2 - s.fadeCentre.x, (p0.y + p1.y) / 2 - s.fadeCentre.y);
      const std::uint8_t alpha = scaled(opacity, 1 - d / s.fadeRadius);
      if (alpha > 0) canvas.line(p0, p1, width, {s.colour, Blend::Normal, alpha});
    }
  }
}

// The measuring rectangle's edges: horizontal or vertical lines through pixel centres, one
// pixel wide, every other pixel set. Set directly: a thousand tiny strokes would take
// milliseconds.
void dottedLine(Frame& frame, const OverlayShape& s) {
  const DPoint a = s.points[0];
  const DPoint b = s.points[1];
  const bool horizontal = a.y == b.y;
  const int fixed = static_cast<int>(std::floor(horizontal ? a.y : a.x));
  const int limit = horizontal ? frame.height : frame.width;
  if (fixed < 0 || fixed >= limit) return;
  const double from = horizontal ? a.x : a.y;
  const double to = horizontal ? b.x : b.y;
  const int length = horizontal ? frame.width : frame.height;
  const int step = to >= from ? 2 : -2;
  const int first = static_cast<int>(std::floor(from));
  const int last = static_cast<int>(std::floor(to));
  for (int i = first; step > 0 ? i <= last : i >= last; i += step) {
    if (i < 0 || i >= length) continue;
    std::uint8_t* p = horizontal ? frame.row(fixed) + 4 * i : frame.row(i) + 4 * fixed;
    p[0] = s.colour.r;
    p[1] = s.colour.g;
    p[2] = s.colour.b;
  }
}

// Axis-parallel fills over whole pixels, from pixel x0, y0 up to x1, y1 exclusive, blended
// directly: the measuring rectangle can cover most of the view, where the rasteriser's coverage
// bookkeeping would cost milliseconds.
void blendRect(Frame& frame, int x0, int y0, int x1, int y1, Rgb colour, std::uint8_t opacity) {
  x0 = std::clamp(x0, 0, frame.width);
  x1 = std::clamp(x1, 0, frame.width);
  y0 = std::clamp(y0, 0, frame.height);
  y1 = std::clamp(y1, 0, frame.height);
  const int a = opacity;
  const int keep = 255 - a;
  const unsigned r = colour.r * static_cast<unsigned>(a);
  const unsigned g = colour.g * static_cast<unsigned>(a);
  const unsigned b = colour.b * static_cast<unsigned>(a);
  // t / 255 rounded, without a division.
  const auto mix = [keep](unsigned d, unsigned add) {
    const unsigned t = d * static_cast<unsigned>(keep) + add + 128;
    return static_cast<std::uint8_t>((t + (t >> 8)) >> 8);
  };
  for (int y = y0; y < y1; ++y) {
    std::uint8_t* p = frame.row(y) + 4 * x0;
    for (int x = x0; x < x1; ++x, p += 4) {
      p[0] = mix(p[0], r);
      p[1] = mix(p[1], g);
      p[2] = mix(p[2], b);
    }
  }
}

void paint(Canvas& canvas, const OverlayShape& s) {
  if (s.kind == OverlayShape::Fill) {
    double x0 = s.points[0].x, x1 = x0, y0 = s.points[0].y, y1 = y0;
    for (const DPoint p : s.points) {
      x0 = std::min(x0, p.x);
      x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y);
      y1 = std::max(y1, p.y);
    }
    blendRect(canvas.frame(), static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
              static_cast<int>(std::floor(x1)) + 1, static_cast<int>(std::floor(y1)) + 1, s.colour,
              s.opacity);
    return;
  }
  // The canvas draws nothing thinner than a pixel: thinner lines are fainter instead.
  const double width = std::max(1.0, s.width);
  const std::uint8_t opacity = scaled(s.opacity, s.width);
  if (s.fadeRadius > 0) {
    fadingLine(canvas, s, width, opacity);
  } else if (s.dotted) {
    dottedLine(canvas.frame(), s);
  } else {
    canvas.strokePolyline(s.points, width, LineCap::Butt, {s.colour, Blend::Normal, opacity},
                          s.closed);
  }
}

}  // namespace

void OverlayFrame::refresh(const Frame& picture, const PixelRect& part) {
  if (!snapshot_ || snapshot_->width != picture.width || snapshot_->height != picture.height) {
    snapshot_.reset();
    return;
  }
  const int x0 = std::clamp(part.x, 0, picture.width);
  const int x1 = std::clamp(part.x + part.width, 0, picture.width);
  if (x1 <= x0) return;
  const int y0 = std::clamp(part.y, 0, picture.height);
  const int y1 = std::clamp(part.y + part.height, 0, picture.height);
  for (int y = y0; y < y1; ++y) {
    std::memcpy(snapshot_->row(y) + 4 * x0, picture.row(y) + 4 * x0,
                static_cast<std::size_t>(x1 - x0) * 4);
  }
}

const Frame& OverlayFrame::draw(const Frame& picture, const OverlayFigure& figure) {
  if (!snapshot_ || snapshot_->width != picture.width || snapshot_->height != picture.height) {
    snapshot_ = picture;
  }
  if (frame_.width != snapshot_->width || frame_.height != snapshot_->height) {
    frame_ = *snapshot_;
  } else {
    std::memcpy(frame_.pixels.data(), snapshot_->pixels.data(), frame_.pixels.size());
  }
  Canvas canvas(frame_, true);
  for (const OverlayShape& s : figure.shapes) paint(canvas, s);
  if (const auto& box = figure.box) {
    const double l = box->left;
    const double t = box->top;
    const double r = box->right;
    const double b = box->bottom;
    blendRect(frame_, box->left, box->top, box->right, box->bottom, box->fill, box->opacity);
    if (box->outline) {
      canvas.strokePolyline(
          {{l + 0.5, t + 0.5}, {r - 0.5, t + 0.5}, {r - 0.5, b - 0.5}, {l + 0.5, b - 0.5}}, 1,
          LineCap::Butt, {Rgb{0, 0, 0}}, true);
    }
  }
  return frame_;
}

}  // namespace pravelo
