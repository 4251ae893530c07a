#pragma once

#include <string>

#include "manufacturing/image_export.h"

namespace pravelo {

// A GIF picture of the raster. Colour pictures keep their own colours when there are at most
// 256 of them, else they are mapped to a fixed 6 x 7 x 6 colour cube. Throws
// std::runtime_error with the library's reason when encoding fails.
std::string gifFileBytes(const ImageRaster& raster);

}  // namespace pravelo
