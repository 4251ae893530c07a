#include "view/drc_entry_zoom.h"

#include <algorithm>

#include "base/units.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {

std::optional<TRect> drcEntryArea(const TRect& marker, const BoardHeader& header) {
  constexpr std::int64_t kMinSize = 5000;
  const std::int64_t e = 2 * rectWidth(marker);
  TRect r = widened(marker, e);
  r.left = std::max(r.left, 0);
  r.right = std::min(r.right, header.width);
  r.bottom = std::min(r.bottom, 0);
  r.top = std::max(r.top, -header.height);
  if (rectWidth(r) < kMinSize || rectHeight(r) < kMinSize) return std::nullopt;
  return r;
}

bool zoomToDrcEntry(Board& board, const ViewTransform& shown, PixelSize viewport,
                    const TRect& marker) {
  for (auto& o : board.objects) o->selected = 0;
  const std::optional<TRect> area = drcEntryArea(marker, board.header);
  if (!area) return false;
  const auto v = fitObjects(shown, viewFrameOf(board, viewport), *area);
  if (!v) return false;
  storeView(board.header, *v);
  return true;
}

}  // namespace pravelo
