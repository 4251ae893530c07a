#include "geometry/mirror.h"

#include <array>
#include <utility>

#include "geometry/angles.h"

namespace pravelo {

namespace {

using BitPairs = std::array<std::pair<int, int>, 3>;

// Bit 0 is the spoke pointing up, each further bit 45 degrees clockwise. The vertical oval
// measures its rotation a quarter turn off the outline, so its reflection keeps bits 0 and 4.
constexpr BitPairs kVerticalOvalPairs{{{1, 7}, {2, 6}, {3, 5}}};
constexpr BitPairs kPairs{{{0, 4}, {1, 3}, {5, 7}}};

std::uint32_t swappedByte(std::uint32_t byte, const BitPairs& pairs) {
  std::uint32_t out = byte;
  for (const auto& [a, b] : pairs) {
    const std::uint32_t bitA = (byte >> a) & 1U;
    const std::uint32_t bitB = (byte >> b) & 1U;
    out = (out & ~((1U << a) | (1U << b))) | (bitA << b) | (bitB << a);
  }
  return out;
}

float reflected(float v, double at) { return static_cast<float>(2 * at - v); }

void reflect(FPoint& p, MirrorAxis axis, double at) {
  if (axis == MirrorAxis::Horizontal) {
    p.x = reflected(p.x, at);
  } else {
    p.y = reflected(p.y, at);
  }
}

void reflectAll(std::vector<FPoint>& points, MirrorAxis axis, double at) {
  for (FPoint& p : points) reflect(p, axis, at);
}

// The arc runs anticlockwise, and a reflection reverses that: the reflected ends swap roles.
// Reduced to one turn, so that a vertical reflection of 0 stores 0, not 360000.
void mirrorCircleAngles(TObjekt& circle, MirrorAxis axis) {
  const std::int64_t base = axis == MirrorAxis::Horizontal ? 180000 : kFullCircleMilliDeg;
  const std::int32_t start = wrapAngle(base - circle.paramA, kFullCircleMilliDeg);
  const std::int32_t stop = wrapAngle(base - circle.width, kFullCircleMilliDeg);
  circle.paramA = stop;
  circle.width = start;
}

// The box corners stay the top-left and bottom-right one.
void mirrorLegacyTextBox(TObjekt& text, MirrorAxis axis, double at) {
  if (axis == MirrorAxis::Horizontal) {
    const float left = text.pos.x;
    text.pos.x = reflected(text.dim.x, at);
    text.dim.x = reflected(left, at);
  } else {
    const float top = text.pos.y;
    text.pos.y = reflected(text.dim.y, at);
    text.dim.y = reflected(top, at);
  }
}

}  // namespace

std::int32_t mirroredPadSpokes(std::int32_t pattern, int shape) {
  const BitPairs& pairs = shape == kPadRoundedV ? kVerticalOvalPairs : kPairs;
  const auto bits = static_cast<std::uint32_t>(pattern);
  std::uint32_t out = 0;
  for (int layer = 0; layer < 4; ++layer) {
    const int shift = 8 * layer;
    out |= swappedByte((bits >> shift) & 0xFFU, pairs) << shift;
  }
  return static_cast<std::int32_t>(out);
}

std::int32_t mirroredSmdSpokes(std::int32_t pattern) {
  return static_cast<std::int32_t>(
      swappedByte(static_cast<std::uint32_t>(pattern) & 0xFFU, kPairs));
}

void mirrorObject(TObjekt& o, MirrorAxis axis, double at) {
  switch (o.kind) {
    case kTrack:
    case kZone:
      reflectAll(o.points, axis, at);
      return;
    case kPad:
      reflect(o.pos, axis, at);
      reflectAll(o.points, axis, at);
      o.paramA = mirroredPadSpokes(o.paramA, o.variant);
      return;
    case kSmdPad:
      reflect(o.pos, axis, at);
      reflectAll(o.points, axis, at);
      o.paramA = mirroredSmdSpokes(o.paramA);
      return;
    case kCircle:
      reflect(o.pos, axis, at);
      mirrorCircleAngles(o, axis);
      return;
    case kText: {
      std::uint8_t& flag = axis == MirrorAxis::Horizontal ? o.optB : o.optC;
      flag = flag != 0 ? 0 : 1;
      reflect(o.pos, axis, at);
      for (TObjekt& stroke : o.children) reflectAll(stroke.points, axis, at);
      const std::int32_t r = wrapAngle(o.paramB, kFullTurnDegrees);
      o.paramB = r == 0 ? 0 : static_cast<std::int32_t>(kFullTurnDegrees) - r;
      return;
    }
    case kLegacyText:
      mirrorLegacyTextBox(o, axis, at);
      return;
    case kLegacyLine:
      reflect(o.pos, axis, at);
      reflect(o.dim, axis, at);
      return;
    default:
      return;
  }
}

}  // namespace pravelo
