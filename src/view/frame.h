#pragma once

#include <cstdint>
#include <vector>

#include "view/colour_scheme.h"

namespace pravelo {

// A 32-bit picture, 4 bytes per pixel in the order R, G, B, A, rows top to bottom.
struct Frame {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  Frame() = default;
  Frame(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 4, 0) {}

  std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width * 4; }
  const std::uint8_t* row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width * 4;
  }
  Rgb at(int x, int y) const {
    const std::uint8_t* p = row(y) + 4 * x;
    return {p[0], p[1], p[2]};
  }
};

}  // namespace pravelo
