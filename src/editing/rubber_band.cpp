#include "editing/rubber_band.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "copper/object_contours.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"
#include "geometry/pad_geometry.h"

namespace pravelo {

namespace {

double distanceToSegment(FPoint p, FPoint a, FPoint b) {
  const double vx = b.x - a.x;
  const double vy = b.y - a.y;
  const double wx = p.x - a.x;
  const double wy = p.y - a.y;
  const double length2 = vx * vx + vy * vy;
  const double t = length2 > 0 ? std::clamp((wx * vx + wy * vy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(wx - t * vx, wy - t * vy);
}

bool insidePolygon(FPoint p, const std::vector<FPoint>& polygon) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const FPoint& a = polygon[i];
    const FPoint& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) &&
        p.x < (b.x - a.x) * (p.y - a.y) / (static_cast<double>(b.y) - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

// Whether a disc touches the pad's outline polygon.
bool discTouchesOutline(FPoint centre, double radius, const std::vector<FPoint>& outline) {
  if (outline.size() < 3) return false;
  if (insidePolygon(centre, outline)) return true;
  for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
    if (distanceToSegment(centre, outline[j], outline[i]) <= radius) return true;
  }
  return false;
}

// The pad's full outline: round and oval pads keep only the centres of their caps as points.
std::vector<FPoint> fullOutline(const TObjekt& pad) {
  std::vector<FPoint> outline;
  const ContourList contours = objectContours(pad, 0);
  if (contours.empty()) return outline;
  for (const IPoint& p : contours.front()) {
    outline.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
  }
  return outline;
}

// A selected pad with its bounds and, built when first needed, its full outline.
struct AttachPad {
  const TObjekt* pad;
  TRect box;
  std::optional<std::vector<FPoint>> outline;
};

bool vertexAttached(FPoint vertex, double radius, AttachPad& candidate, int level) {
  const TObjekt& pad = *candidate.pad;
  if (level == kRubberBandBig) {
    if (!candidate.outline) candidate.outline = fullOutline(pad);
    return discTouchesOutline(vertex, radius, *candidate.outline);
  }
  const FPoint centre = pad.kind == kPad ? pad.pos : smdPadCentre(pad);
  const double small = (pad.kind == kPad ? pad.dim.x : smdPadSmallerSide(pad) / 2) / 10;
  return std::hypot(vertex.x - centre.x, vertex.y - centre.y) <= radius + small;
}

bool boxesMeet(const TRect& a, const TRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

std::vector<AttachedVertex> attachedVertices(const Board& board, int level) {
  std::vector<AttachedVertex> attached;
  if (level != kRubberBandSmall && level != kRubberBandBig) return attached;
  const bool multilayer = board.header.multilayer != 0;
  std::vector<AttachPad> pads;
  for (const auto& o : board.objects) {
    if (o->selected && isPadKind(o->kind)) pads.push_back({o.get(), objectBounds(*o), {}});
  }
  if (pads.empty()) return attached;
  for (const auto& track : board.objects) {
    if (track->kind != kTrack || track->selected) continue;
    const double radius = track->width / 2.0;
    const auto reach = static_cast<std::int64_t>(std::ceil(radius)) + 1;
    for (std::size_t i = 0; i < track->points.size(); ++i) {
      const FPoint v = track->points[i];
      const TRect vertexBox = widened(rectFromCorners(v.x, v.y, v.x, v.y), reach);
      for (AttachPad& candidate : pads) {
        if (!boxesMeet(vertexBox, candidate.box) ||
            !isPresentOnLayer(*candidate.pad, track->layer, multilayer)) {
          continue;
        }
        if (vertexAttached(v, radius, candidate, level)) {
          attached.push_back({track.get(), i, candidate.pad});
          break;
        }
      }
    }
  }
  return attached;
}

void moveAttachedVertices(const std::vector<AttachedVertex>& attached, double dx, double dy) {
  for (const AttachedVertex& a : attached) {
    FPoint& p = a.track->points[a.vertex];
    p.x = static_cast<float>(p.x + dx);
    p.y = static_cast<float>(p.y + dy);
  }
}

}  // namespace pravelo
