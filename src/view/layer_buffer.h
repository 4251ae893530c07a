#pragma once

#include "view/canvas.h"
#include "view/frame.h"

namespace pravelo {

// Collects the objects of one layer for the transparent display, which then adds (or
// subtracts) the layer to the frame as a whole: blending each stroke on its own would let an
// object's own overlaps (crossings inside letters, a zone's rim over its fill) mix as if they
// were different layers.
class LayerBuffer {
 public:
  // `blend` is Blend::Add or Blend::Subtract.
  LayerBuffer(int width, int height, bool antiAliased, Blend blend);

  Canvas& canvas() { return canvas_; }
  // How to draw an object of `colour` into the buffer.
  Paint paint(Rgb colour) const;

  // Blends what was drawn since the last merge into `target`, the size of the buffer, and
  // empties the buffer.
  void mergeInto(Frame& target);

 private:
  // What each pixel adds to or takes from the frame, premultiplied by its coverage: the
  // colour, or for subtraction its inverse. Starts transparent black.
  Frame pixels_;
  Canvas canvas_;
  Blend blend_;
};

}  // namespace pravelo
