#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pravelo {

inline constexpr std::size_t kRecentFilesMax = 4;

// Puts `file` at the top of the recent-files list (newest first), removing an older entry of
// the same file and the oldest entry beyond four.
void addRecentFile(std::vector<std::string>& recentFiles, const std::string& file);

}  // namespace pravelo
