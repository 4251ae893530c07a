#pragma once

#include <cstdint>
#include <string>

#include "manufacturing/image_export.h"

namespace pravelo {

// The size of a Windows bitmap file of this many pixels: 24 bits a colour pixel or 1 bit a
// black-and-white one, rows padded to 4 bytes.
std::uint64_t bmpFileSize(std::int64_t width, std::int64_t height, bool colour);

// A Windows bitmap (BITMAPINFOHEADER, uncompressed, rows bottom up) with the raster's
// resolution as pixels per metre; black and white with a two-entry palette, white first.
std::string bmpFileBytes(const ImageRaster& raster);

}  // namespace pravelo
