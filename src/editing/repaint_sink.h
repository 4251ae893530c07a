#pragma once

#include "editing/tool_table.h"
#include "geometry/rect.h"

namespace pravelo {

// Where the tool machine sends what the window has to show anew. The window repaints; tests and
// the command line count or ignore.
class RepaintSink {
 public:
  virtual ~RepaintSink() = default;

  // The objects changed in ways the machine does not bound: draw everything.
  virtual void repaintAll() = 0;
  // Only objects within this world rectangle changed (their bounds before and after).
  virtual void repaintWorld(const TRect& world) = 0;
  // Zoom, scroll positions, user origin or the active layer changed.
  virtual void viewChanged() = 0;
  // The transient picture over the board (frames, previews) changed.
  virtual void overlayChanged() = 0;
  // Only the part of the transient picture within this world rectangle changed.
  virtual void overlayChangedWithin(const TRect&) { overlayChanged(); }
  virtual void setCursor(Cursor cursor) = 0;
};

}  // namespace pravelo
