#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pravelo {

// Writes `bytes` to a temporary file beside `target`, flushes it to disk and renames it over
// `target`, so that a failed write never destroys the previous file. On failure returns false,
// removes the temporary file and, when `error` is given, describes the failure.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace pravelo
