#include "document/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pravelo {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Paths are UTF-8; a caption counts characters, not bytes.
std::size_t characterCount(const std::string& s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char c) { return !isContinuationByte(c); }));
}

// The last `count` characters of `s`.
std::string lastCharacters(const std::string& s, std::size_t count) {
  std::size_t start = s.size();
  for (std::size_t seen = 0; start > 0 && seen < count;) {
    --start;
    if (!isContinuationByte(s[start])) ++seen;
  }
  return s.substr(start);
}

}  // namespace

void addRecentFile(RecentFiles& recent, const std::string& path) {
  std::erase(recent.entries, path);
  recent.entries.insert(recent.entries.begin(), path);
  if (recent.entries.size() > RecentFiles::kCapacity) recent.entries.resize(RecentFiles::kCapacity);
}

void dropMissingRecentFiles(RecentFiles& recent) {
  std::erase_if(recent.entries, [](const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error);
  });
}

std::string recentFileCaption(const std::string& path, std::size_t maxChars) {
  if (characterCount(path) <= maxChars) return path;
  const std::string ellipsis = "...";
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string tail = path.substr(slash);
    if (ellipsis.size() + characterCount(tail) <= maxChars) return ellipsis + tail;
  }
  return ellipsis + lastCharacters(path, maxChars - std::min(maxChars, ellipsis.size()));
}

}  // namespace pravelo
