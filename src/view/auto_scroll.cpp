#include "view/auto_scroll.h"

#include <algorithm>

namespace pravelo {
namespace {

constexpr std::int64_t kEdgeBand = 8;

std::int64_t scrolledAxis(std::int64_t scroll, std::int64_t pointer, std::int64_t viewport,
                          std::int64_t canvas, std::int64_t step) {
  if (pointer >= viewport - kEdgeBand && scroll + viewport < canvas) {
    return std::min(scroll + step, canvas - viewport);
  }
  if (pointer < kEdgeBand && scroll > 0) return std::max<std::int64_t>(scroll - step, 0);
  return scroll;
}

}  // namespace

PixelSize scrollStep(PixelSize viewport) {
  return {std::max<std::int64_t>(1, viewport.width / 16),
          std::max<std::int64_t>(1, viewport.height / 16)};
}

ViewTransform autoScroll(const ViewTransform& v, const ViewFrame& frame, IPoint pointer) {
  const PixelSize canvas = canvasSize(frame.boardWidth, frame.boardHeight, v.zoom);
  const PixelSize step = scrollStep(frame.viewport);
  ViewTransform result = v;
  result.scrollX =
      scrolledAxis(v.scrollX, pointer.x, frame.viewport.width, canvas.width, step.width);
  result.scrollY =
      scrolledAxis(v.scrollY, pointer.y, frame.viewport.height, canvas.height, step.height);
  return result;
}

}  // namespace pravelo
