#include "app/recent_files.h"

#include <algorithm>

namespace pravelo {

void addRecentFile(std::vector<std::string>& recentFiles, const std::string& file) {
  std::erase(recentFiles, file);
  recentFiles.insert(recentFiles.begin(), file);
  if (recentFiles.size() > kRecentFilesMax) recentFiles.resize(kRecentFilesMax);
}

}  // namespace pravelo
