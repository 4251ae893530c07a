#include "settings/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

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

void addRecentFile(std::vector<std::string>& recentFiles, const std::string& file) {
  // `file` may be one of the entries; erasing shifts the entries under such a reference.
  std::string entry = file;
  std::erase(recentFiles, entry);
  recentFiles.insert(recentFiles.begin(), std::move(entry));
  if (recentFiles.size() > kRecentFilesMax) recentFiles.resize(kRecentFilesMax);
}

void dropMissingRecentFiles(std::vector<std::string>& recentFiles) {
  std::erase_if(recentFiles, [](const std::string& file) {
    std::error_code error;
    return !std::filesystem::exists(file, error);
  });
}

std::string recentFileCaption(const std::string& file, std::size_t maxChars) {
  if (characterCount(file) <= maxChars) return file;
  const std::string ellipsis = "...";
  for (std::size_t slash = file.find('/', 1); slash != std::string::npos;
       slash = file.find('/', slash + 1)) {
    const std::string tail = file.substr(slash);
    if (ellipsis.size() + characterCount(tail) <= maxChars) return ellipsis + tail;
  }
  return ellipsis + lastCharacters(file, maxChars - std::min(maxChars, ellipsis.size()));
}

}  // namespace pravelo
