#include "view/macro_preview.h"

#include <algorithm>
#include <cmath>

#include "document/object_list.h"
#include "geometry/bounding_box.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

bool previewShows(const TObjekt& o) { return !isHiddenLabel(o); }

void fillPreviewBackground(Frame& frame, Rgb colour) {
  for (std::size_t i = 0; i + 3 < frame.pixels.size(); i += 4) {
    frame.pixels[i] = colour.r;
    frame.pixels[i + 1] = colour.g;
    frame.pixels[i + 2] = colour.b;
    frame.pixels[i + 3] = 255;
  }
}

}  // namespace

std::optional<ViewTransform> macroPreviewView(const TRect& extent, int width, int height) {
  const double roomX = width - 2.0 * kMacroPreviewMargin;
  const double roomY = height - 2.0 * kMacroPreviewMargin;
  const auto spanX = static_cast<double>(rectWidth(extent));
  const auto spanY = static_cast<double>(rectHeight(extent));
  // A single point or line still has a place; only nothing at all gives no picture.
  if (isEmptyRect(extent) || roomX <= 0 || roomY <= 0) return std::nullopt;
  const double zoom = std::min(spanX > 0 ? roomX / spanX : roomY / std::max(spanY, 1.0),
                               spanY > 0 ? roomY / spanY : roomX / std::max(spanX, 1.0));
  ViewTransform view;
  view.zoom = zoom;
  // Centred: the extent's middle at the picture's middle; screen rows grow downwards.
  const double midX = (extent.left + extent.right) / 2.0;
  const double midY = (extent.top + extent.bottom) / 2.0;
  view.scrollX = static_cast<std::int64_t>(std::llround(midX * zoom - width / 2.0));
  view.scrollY = static_cast<std::int64_t>(std::llround(-midY * zoom - height / 2.0));
  return view;
}

Frame renderMacroPreview(const ObjectList& macro, const ColourScheme& scheme, int width,
                         int height) {
  Frame frame(std::max(width, 0), std::max(height, 0));
  fillPreviewBackground(frame, scheme.background());
  const TRect extent = objectListBounds(macro, {}, previewShows);
  const std::optional<ViewTransform> view = macroPreviewView(extent, width, height);
  if (!view) return frame;
  Board shown;
  shown.header.width = 0;
  shown.header.height = 0;
  std::vector<TObjekt*> visible;
  for (const auto& o : macro) {
    if (previewShows(*o)) visible.push_back(o.get());
  }
  copyObjectList(visible, shown.objects);
  for (auto& o : shown.objects) o->selected = 0;
  RenderOptions options;
  options.showAllLayers = true;
  options.showGrid = false;
  options.showOrigin = false;
  options.clipToView = false;
  renderBoard(shown, *view, scheme, options, frame);
  return frame;
}

}  // namespace pravelo
