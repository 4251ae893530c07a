#include "app/layout_folder.h"

#include <filesystem>
#include <system_error>

namespace pravelo {

std::string existingFolderOr(const std::string& lastFolder, const std::string& fallback) {
  std::error_code ec;
  if (!lastFolder.empty() && std::filesystem::is_directory(lastFolder, ec)) return lastFolder;
  return fallback;
}

std::string layoutStartFolder(const FolderSettings& folders, const std::string& lastFolder,
                              const std::string& documents) {
  if (!folders.Layout.empty()) return folders.Layout;
  return existingFolderOr(lastFolder, documents);
}

}  // namespace pravelo
