#pragma once

#include <filesystem>

#include "view/frame.h"

namespace pravelo {

// Writes the frame as an 8-bit RGB PNG file, atomically: on failure nothing is written.
bool writePngFile(const std::filesystem::path& file, const Frame& frame);

}  // namespace pravelo
