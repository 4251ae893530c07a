#pragma once

#include <string>

#include "manufacturing/image_export.h"

namespace pravelo {

// A baseline JPEG of the raster at `quality` (1..100) with a JFIF header that gives its
// resolution in dots per inch; black-and-white rasters become greyscale. Throws
// std::runtime_error with the library's reason when encoding fails.
std::string jpegFileBytes(const ImageRaster& raster, int quality);

}  // namespace pravelo
