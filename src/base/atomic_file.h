#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace pravelo {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so that a failed write never destroys the previous file. When `path` is a symbolic
// link, the file it points to is replaced that way and the link stays. On failure returns false,
// removes the temporary file and, when `error` is given, tells the system's reason.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::error_code* error = nullptr);

}  // namespace pravelo
