#include "view/frame_cache.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "view/renderer.h"

namespace pravelo {
namespace {

// Anti-aliased edges, node handles (at least 3 pixels) and their borders reach beyond the
// objects' bounds by a few pixels.
constexpr int kPixelMargin = 4;

// Moves the picture by the scroll change (dx, dy): pixel (x, y) takes the old pixel
// (x + dx, y + dy). Returns the strips that no old pixel covers.
std::vector<PixelRect> shiftFrame(Frame& frame, std::int64_t dx, std::int64_t dy) {
  const int w = frame.width;
  const int h = frame.height;
  if (std::llabs(dx) >= w || std::llabs(dy) >= h) return {{0, 0, w, h}};
  const int sx = static_cast<int>(dx);
  const int sy = static_cast<int>(dy);
  const int columns = w - std::abs(sx);
  const int toX = std::max(0, -sx);
  const int fromX = std::max(0, sx);
  Frame shifted(w, h);
  for (int y = std::max(0, -sy); y < std::min(h, h - sy); ++y) {
    std::memcpy(shifted.row(y) + 4 * toX, frame.row(y + sy) + 4 * fromX,
                static_cast<std::size_t>(columns) * 4);
  }
  frame = std::move(shifted);
  std::vector<PixelRect> strips;
  if (sx > 0) strips.push_back({w - sx, 0, sx, h});
  if (sx < 0) strips.push_back({0, 0, -sx, h});
  if (sy > 0) strips.push_back({0, h - sy, w, sy});
  if (sy < 0) strips.push_back({0, 0, w, -sy});
  return strips;
}

}  // namespace

std::optional<PixelRect> framePixelsOf(const ViewTransform& v, const TRect& world, int width,
                                       int height) {
  const double x0 = std::min(screenX(v, world.left), screenX(v, world.right));
  const double x1 = std::max(screenX(v, world.left), screenX(v, world.right));
  const double y0 = std::min(screenY(v, world.top), screenY(v, world.bottom));
  const double y1 = std::max(screenY(v, world.top), screenY(v, world.bottom));
  const double left = std::max(0.0, std::floor(x0) - kPixelMargin);
  const double top = std::max(0.0, std::floor(y0) - kPixelMargin);
  const double right = std::min<double>(width, std::ceil(x1) + kPixelMargin + 1);
  const double bottom = std::min<double>(height, std::ceil(y1) + kPixelMargin + 1);
  if (!(left < right && top < bottom)) return std::nullopt;
  return PixelRect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                   static_cast<int>(bottom - top)};
}

const Frame& FrameCache::picture(const Board& board, const ViewTransform& view,
                                 const ColourScheme& scheme, const RenderOptions& options,
                                 int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  const bool sameSize = frame_.width == width && frame_.height == height;
  if (valid_ && sameSize && view_ == view) return frame_;
  ViewTransform unscrolled = view_;
  unscrolled.scrollX = view.scrollX;
  unscrolled.scrollY = view.scrollY;
  if (valid_ && sameSize && unscrolled == view) {
    const auto strips =
        shiftFrame(frame_, view.scrollX - view_.scrollX, view.scrollY - view_.scrollY);
    view_ = view;
    for (const PixelRect& strip : strips) drawPart(board, scheme, options, strip);
    return frame_;
  }
  view_ = view;
  frame_ = renderBoard(board, view, scheme, options, width, height);
  valid_ = true;
  return frame_;
}

std::optional<PixelRect> FrameCache::refresh(const Board& board, const ColourScheme& scheme,
                                             const RenderOptions& options, const TRect& world) {
  if (!valid_) return std::nullopt;
  const auto part = framePixelsOf(view_, world, frame_.width, frame_.height);
  if (part) drawPart(board, scheme, options, *part);
  return part;
}

// Draws a part on its own frame, seen through the view moved to the part's corner, and copies
// it in.
void FrameCache::drawPart(const Board& board, const ColourScheme& scheme,
                          const RenderOptions& options, const PixelRect& part) {
  ViewTransform v = view_;
  v.scrollX += part.x;
  v.scrollY += part.y;
  const Frame drawn = renderBoard(board, v, scheme, options, part.width, part.height);
  for (int y = 0; y < part.height; ++y) {
    std::memcpy(frame_.row(part.y + y) + 4 * part.x, drawn.row(y),
                static_cast<std::size_t>(part.width) * 4);
  }
}

}  // namespace pravelo
