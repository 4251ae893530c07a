#include "editing/connections.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/units.h"
#include "geometry/pad_geometry.h"
#include "view/view_transform.h"

namespace pravelo {
namespace {

IPoint toPixel(const ViewTransform& view, FPoint p) {
  const DPoint s = worldToScreen(view, p);
  return {roundToInt32(s.x), roundToInt32(s.y)};
}

}  // namespace

void toggleConnection(TObjekt& a, TObjekt& b) {
  auto& list = a.connections;
  const auto it = std::find(list.begin(), list.end(), &b);
  if (it == list.end()) {
    list.push_back(&b);
    b.connections.push_back(&a);
    return;
  }
  list.erase(it);
  auto& back = b.connections;
  back.erase(std::remove(back.begin(), back.end(), &a), back.end());
}

int connectionTolerance(double zoom) {
  return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(zoom * 60), 3, 10));
}

bool connectionLineHit(IPoint a, IPoint b, IPoint m, int t) {
  if (m.x < std::min(a.x, b.x) - t || m.x > std::max(a.x, b.x) + t) return false;
  if (m.y < std::min(a.y, b.y) - t || m.y > std::max(a.y, b.y) + t) return false;
  if (a.x == b.x || a.y == b.y) return true;
  const double dx = double(a.x) - b.x;
  const double dy = double(a.y) - b.y;
  const std::int64_t yAtX = a.y + roundToInt32(dy / dx * (double(m.x) - a.x));
  if (std::llabs(yAtX - m.y) <= t) return true;
  const std::int64_t xAtY = a.x + roundToInt32(dx / dy * (double(m.y) - a.y));
  return std::llabs(xAtY - m.x) <= t;
}

FPoint connectionEnd(const TObjekt& pad) {
  return pad.kind == kSmdPad ? smdPadCentre(pad) : pad.pos;
}

std::optional<std::pair<int, int>> connectionAt(const Board& board, IPoint mouse) {
  const ViewTransform view = viewOf(board.header);
  const int t = connectionTolerance(view.zoom);
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& pad = *board.objects[i];
    if (pad.connections.empty()) continue;
    const IPoint a = toPixel(view, connectionEnd(pad));
    for (const TObjekt* partner : pad.connections) {
      if (!connectionLineHit(a, toPixel(view, connectionEnd(*partner)), mouse, t)) continue;
      for (std::size_t j = 0; j < board.objects.size(); ++j) {
        if (board.objects[j].get() == partner) {
          return std::pair{static_cast<int>(i), static_cast<int>(j)};
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace pravelo
