#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pravelo {

// The most recently used layout files, newest first, without duplicates.
struct RecentFiles {
  static constexpr std::size_t kCapacity = 4;
  std::vector<std::string> entries;

  friend bool operator==(const RecentFiles&, const RecentFiles&) = default;
};

// Puts `path` at the top, removing an older entry of the same file and the oldest beyond four.
void addRecentFile(RecentFiles& recent, const std::string& path);

// Drops the entries whose file no longer exists (done when the File menu opens).
void dropMissingRecentFiles(RecentFiles& recent);

// A menu caption of at most `maxChars` characters: the file name with as many of its last
// folders as fit behind ".../".
std::string recentFileCaption(const std::string& path, std::size_t maxChars = 35);

}  // namespace pravelo
