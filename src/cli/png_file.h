#pragma once

#include <filesystem>
#include <system_error>

#include "view/frame.h"

namespace pravelo {

// Writes the frame as an 8-bit RGB PNG file, atomically: on failure nothing is written and
// `error` (when given) tells the system's reason, if the system gave one.
bool writePngFile(const std::filesystem::path& file, const Frame& frame,
                  std::error_code* error = nullptr);

}  // namespace pravelo
