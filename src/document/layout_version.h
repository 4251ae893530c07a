#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"

namespace pravelo {

// A layout file starts with 0xFFAA3300 + its format version as a little-endian word.
inline constexpr std::uint32_t kLayoutVersionBase = 0xFFAA3300;
inline constexpr int kLayoutVersion = 6;

enum class VersionVerdict {
  Current,  // version 6
  Older,    // versions 0 to 5: read and converted to the current model
  Newer,    // versions 7 to 11: written by a newer program
  Foreign,  // anything else: not a layout file
};

struct VersionCheck {
  VersionVerdict verdict = VersionVerdict::Foreign;
  std::int64_t version = -1;
  std::string message;  // UTF-8; empty for a file that can be read

  bool readable() const {
    return verdict == VersionVerdict::Current || verdict == VersionVerdict::Older;
  }
};

// Checks the first bytes of the file at `path`; the message names the file without its folder.
VersionCheck checkLayoutVersion(const std::string& path, std::string_view fileStart,
                                Language language);

}  // namespace pravelo
