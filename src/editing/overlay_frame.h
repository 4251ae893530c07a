#pragma once

#include <optional>

#include "editing/crosshair_overlay.h"
#include "view/frame.h"
#include "view/frame_cache.h"

namespace pravelo {

// The view snapshot and the frame the overlay is drawn into: the overlay is drawn over a copy of
// the view's picture, and erased by showing that picture again, so that following the pointer
// never draws the board anew. One per drawing area.
class OverlayFrame {
 public:
  // The picture was drawn anew in full: the snapshot goes and is taken again at the next draw.
  void discard() { snapshot_.reset(); }
  bool hasSnapshot() const { return snapshot_.has_value(); }
  // Part of the picture was drawn anew: the snapshot takes those pixels as well, or the next
  // draw would bring back what was there before.
  void refresh(const Frame& picture, const PixelRect& part);
  // The figure's lines, fills and box ground over the snapshot (taken from `picture` when there
  // is none); the box's rows are text, left to the window's fonts.
  const Frame& draw(const Frame& picture, const OverlayFigure& figure);
  // What erasing the overlay shows again.
  const Frame* snapshot() const { return snapshot_ ? &*snapshot_ : nullptr; }

 private:
  std::optional<Frame> snapshot_;
  Frame frame_;
};

}  // namespace pravelo
