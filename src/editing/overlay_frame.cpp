#include "editing/overlay_frame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "view/canvas.h"

namespace pravelo {

namespace {

constexpr double kFadeStep = 3;  // pixels per piece of a fading line
constexpr double kDotStep = 2;   // one pixel drawn, one left out

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

void dottedLine(Canvas& canvas, const OverlayShape& s, double width, std::uint8_t opacity) {
  for (std::size_t i = 1; i < s.points.size(); ++i) {
    const DPoint a = s.points[i - 1];
    const DPoint b = s.points[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length == 0) continue;
    const double ux = (b.x - a.x) / length;
    const double uy = (b.y - a.y) / length;
    for (double t = 0; t < length; t += kDotStep) {
      const double end = std::min(t + 1, length);
      canvas.line({a.x + ux * t, a.y + uy * t}, {a.x + ux * end, a.y + uy * end}, width,
                  {s.colour, Blend::Normal, opacity});
    }
  }
}

void paint(Canvas& canvas, const OverlayShape& s) {
  if (s.kind == OverlayShape::Fill) {
    canvas.fillPolygon(s.points, {s.colour, Blend::Normal, s.opacity});
    return;
  }
  // The canvas draws nothing thinner than a pixel: thinner lines are fainter instead.
  const double width = std::max(1.0, s.width);
  const std::uint8_t opacity = scaled(s.opacity, s.width);
  if (s.fadeRadius > 0) {
    fadingLine(canvas, s, width, opacity);
  } else if (s.dotted) {
    dottedLine(canvas, s, width, opacity);
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
    canvas.fillRect(l, t, r, b, {box->fill, Blend::Normal, box->opacity});
    if (box->outline) {
      canvas.strokePolyline(
          {{l + 0.5, t + 0.5}, {r - 0.5, t + 0.5}, {r - 0.5, b - 0.5}, {l + 0.5, b - 0.5}}, 1,
          LineCap::Butt, {Rgb{0, 0, 0}}, true);
    }
  }
  return frame_;
}

}  // namespace pravelo
