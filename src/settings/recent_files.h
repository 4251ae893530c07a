#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pravelo {

inline constexpr std::size_t kRecentFilesMax = 4;

// Puts `file` at the top of the recent-files list (newest first), removing an older entry of
// the same file and the oldest entry beyond four.
void addRecentFile(std::vector<std::string>& recentFiles, const std::string& file);

// Drops the entries whose file no longer exists (done when the File menu opens).
void dropMissingRecentFiles(std::vector<std::string>& recentFiles);

// A menu caption of at most `maxChars` characters: the file name with as many of its last
// folders as fit behind ".../".
std::string recentFileCaption(const std::string& file, std::size_t maxChars = 35);

}  // namespace pravelo
