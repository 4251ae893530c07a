#include "geometry/text_strokes.h"

#include <string>

#include "base/units.h"
#include "geometry/bounding_box.h"
#include "geometry/point.h"
#include "geometry/stroke_font.h"

namespace pravelo {
namespace {

enum Thickness { kThin = 0, kNormal = 1, kBold = 2 };

// Unknown thickness and style values are built like "Normal".
int thicknessOf(const TObjekt& text) {
  const std::int64_t t = roundHalfEven(text.dim.y);
  return t == kThin || t == kBold ? static_cast<int>(t) : kNormal;
}

double styleFactor(std::int32_t style) {
  switch (style) {
    case 0:
      return 0.8;  // narrow
    case 2:
      return 1.6;  // wide
    default:
      return 1.2;
  }
}

double letterGap(double r, int thickness) {
  switch (thickness) {
    case kBold:
      return static_cast<double>(roundHalfEven(r * 28));
    case kThin:
      return static_cast<double>(roundHalfEven(r * 16));
    default:
      return static_cast<double>(roundHalfEven(r * 22));
  }
}

// Empty or blank-only content would leave nothing to see or select: it is drawn as ".".
std::string visibleContent(const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) return ".";
  return text;
}

void appendGlyph(TObjekt& text, unsigned char c, double penX, double r, double s,
                 std::int32_t strokeWidth) {
  TObjekt* stroke = nullptr;
  for (int i = 0;; ++i) {
    const GlyphCell cell = glyphCell(c, i);
    if (cell.kind == GlyphCellKind::kEnd) return;
    if (cell.kind == GlyphCellKind::kPenUp || stroke == nullptr) {
      TObjekt child = newObject();
      initTrack(child, strokeWidth, text.layer);
      child.clearance = text.clearance;
      text.children.push_back(std::move(child));
      stroke = &text.children.back();
      if (cell.kind == GlyphCellKind::kPenUp) continue;
    }
    addPoint(*stroke, {static_cast<float>(penX + cell.x * r * s),
                       static_cast<float>(text.pos.y + cell.y * r)});
  }
}

// Mirrors about the lines through the anchor first, then turns clockwise about it.
void placeStrokes(TObjekt& text) {
  const double ax = text.pos.x;
  const double ay = text.pos.y;
  for (TObjekt& stroke : text.children) {
    for (FPoint& p : stroke.points) {
      if (text.optC != 0) p.y = static_cast<float>(2 * ay - p.y);
      if (text.optB != 0) p.x = static_cast<float>(2 * ax - p.x);
    }
    if (text.paramB % 360 != 0) rotatePoints(stroke.points, text.pos, -text.paramB);
  }
}

DPoint strokeCentre(const TObjekt& text) {
  const TRect box = objectBounds(text);
  return {box.left + (static_cast<double>(box.right) - box.left) / 2,
          box.top + (static_cast<double>(box.bottom) - box.top) / 2};
}

void moveText(TObjekt& text, double dx, double dy) {
  auto move = [&](FPoint& p) { p = {static_cast<float>(p.x + dx), static_cast<float>(p.y + dy)}; };
  move(text.pos);
  for (TObjekt& stroke : text.children) {
    for (FPoint& p : stroke.points) move(p);
  }
}

}  // namespace

std::int32_t textStrokeWidth(double height, int thickness) {
  const double r = height / 90;
  switch (thickness) {
    case kBold:
      return static_cast<std::int32_t>(roundHalfEven(r / 0.7 * 10));
    case kThin:
      return static_cast<std::int32_t>(roundHalfEven(r / 1.8 * 10));
    default:
      return static_cast<std::int32_t>(roundHalfEven(r * 10));
  }
}

void buildTextStrokes(TObjekt& text, bool keepCentre) {
  const bool recentre = keepCentre && !text.children.empty();
  const DPoint oldCentre = recentre ? strokeCentre(text) : DPoint{};

  const double s = styleFactor(text.width);
  const double r = text.dim.x / 90.0;
  const int thickness = thicknessOf(text);
  const std::int32_t strokeWidth = textStrokeWidth(text.dim.x, thickness);
  const double gap = letterGap(r, thickness);

  text.children.clear();
  double penX = text.pos.x;
  for (const char ch : visibleContent(text.text)) {
    const auto c = static_cast<unsigned char>(ch);
    appendGlyph(text, c, penX, r, s, strokeWidth);
    penX += static_cast<double>(roundHalfEven(glyphWidth(c) * r * s)) + gap;
  }
  placeStrokes(text);

  if (recentre) {
    const DPoint newCentre = strokeCentre(text);
    moveText(text, oldCentre.x - newCentre.x, oldCentre.y - newCentre.y);
  }
}

}  // namespace pravelo
