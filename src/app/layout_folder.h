#pragma once

#include <string>

#include "settings/settings.h"

namespace pravelo {

// `lastFolder` when it is a folder that still exists, else `fallback`.
std::string existingFolderOr(const std::string& lastFolder, const std::string& fallback);

// The folder the layout file choosers start in: the fixed layout folder when one is set, else
// the last folder used when it still exists, else the documents folder.
std::string layoutStartFolder(const FolderSettings& folders, const std::string& lastFolder,
                              const std::string& documents);

}  // namespace pravelo
