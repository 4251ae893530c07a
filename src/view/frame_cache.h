#pragma once

#include <optional>

#include "document/document.h"
#include "geometry/rect.h"
#include "view/colour_scheme.h"
#include "view/frame.h"
#include "view/render_options.h"
#include "view/view_transform.h"

namespace pravelo {

// A rectangle of frame pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The frame pixels that show the world rectangle `world` in view `v`, widened by a few pixels
// for anti-aliasing and the handles drawn around objects, and cut to the frame; none when
// nothing of it is in the frame.
std::optional<PixelRect> framePixelsOf(const ViewTransform& v, const TRect& world, int width,
                                       int height);

// The drawing area's picture: one frame of the viewport's size for one view. It is drawn
// again only when something changed: scrolling keeps the pixels still in view and draws only
// the uncovered strips; a change of objects draws only their rectangle anew.
class FrameCache {
 public:
  // The picture of `board` for `view` in `width` x `height` pixels.
  const Frame& picture(const Board& board, const ViewTransform& view, const ColourScheme& scheme,
                       const RenderOptions& options, int width, int height);

  // The board, the colours or the options changed: the next picture is drawn in full.
  void invalidate() { valid_ = false; }

  // The objects within `world` changed (their bounds before and after the change): their pixels
  // are drawn anew and returned; none when none are in view or nothing is cached.
  std::optional<PixelRect> refresh(const Board& board, const ColourScheme& scheme,
                                   const RenderOptions& options, const TRect& world);

 private:
  void drawPart(const Board& board, const ColourScheme& scheme, const RenderOptions& options,
                const PixelRect& part);

  Frame frame_;
  ViewTransform view_;
  bool valid_ = false;
};

}  // namespace pravelo
