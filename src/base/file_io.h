#pragma once

#include <optional>
#include <string>

namespace pravelo {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace pravelo
