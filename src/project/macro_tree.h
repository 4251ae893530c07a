#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"

namespace pravelo {

// One folder or macro file of the library, named without the ".pvm" extension.
struct MacroNode {
  std::string name;
  std::filesystem::path path;
  bool isMacro = false;
  std::vector<MacroNode> children;  // folders only, in natural order
};

// Whether the file's extension is ".pvm" in any case.
bool isMacroFileName(const std::filesystem::path& file);

// The library below `root`: every folder (except those starting with ".") and every file with
// the extension ".pvm" in any case; each level sorted by natural order. A missing root gives
// no nodes.
std::vector<MacroNode> buildMacroTree(const std::filesystem::path& root);

// Renames the macro file or folder at `path` to `newName` (plus the old extension) in the same
// folder. Returns the message when refused or failed.
std::optional<std::string> renameMacroEntry(const std::filesystem::path& path,
                                            const std::string& newName, Language language);

// Copies the bundled library into `library` when that folder is missing or empty; true when
// it copied.
bool installBundledLibrary(const std::filesystem::path& bundled,
                           const std::filesystem::path& library);

}  // namespace pravelo
