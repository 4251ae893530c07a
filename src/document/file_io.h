#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/text.h"

namespace pravelo {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over
// `path` only when all of it was written, so a failure leaves any previous file intact.
// Returns the step that failed, or nothing when the file was written completely.
std::optional<Text> writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace pravelo
