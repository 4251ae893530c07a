#pragma once

#include <string>

#include "manufacturing/bmp_file.h"

namespace pravelo::testing {

// A Windows bitmap of `width` x `height` pixels at `dpi`, for a scanned copy: one bit a pixel,
// every pixel black, or 24 bits a pixel in mid grey.
inline std::string scanBmp(int width, int height, int dpi, bool monochrome = true) {
  ImageRaster raster;
  raster.width = width;
  raster.height = height;
  raster.colour = !monochrome;
  raster.dpi = dpi;
  raster.stride =
      monochrome ? static_cast<std::size_t>((width + 7) / 8) : static_cast<std::size_t>(width) * 3;
  raster.data.assign(raster.stride * static_cast<std::size_t>(height), monochrome ? 0xFF : 128);
  return bmpFileBytes(raster);
}

}  // namespace pravelo::testing
