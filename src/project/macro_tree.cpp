#include "project/macro_tree.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "project/macro_names.h"
#include "project/macro_texts.h"

namespace pravelo {
namespace {

void fillMacroFolder(const std::filesystem::path& folder, std::vector<MacroNode>& nodes) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::filesystem::path& path = it->path();
    std::error_code kindError;
    if (it->is_directory(kindError)) {
      const std::string name = path.filename().string();
      if (name.starts_with(".")) continue;
      MacroNode node{name, path, false, {}};
      fillMacroFolder(path, node.children);
      nodes.push_back(std::move(node));
    } else if (it->is_regular_file(kindError) && isMacroFileName(path)) {
      nodes.push_back({path.stem().string(), path, true, {}});
    }
  }
  std::ranges::sort(
      nodes, [](const MacroNode& a, const MacroNode& b) { return naturalLess(a.name, b.name); });
}

}  // namespace

bool isMacroFileName(const std::filesystem::path& file) {
  std::string ext = file.extension().string();
  std::ranges::transform(ext, ext.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".pvm";
}

std::vector<MacroNode> buildMacroTree(const std::filesystem::path& root) {
  std::vector<MacroNode> nodes;
  fillMacroFolder(root, nodes);
  return nodes;
}

std::optional<std::string> renameMacroEntry(const std::filesystem::path& path,
                                            const std::string& newName, Language language) {
  if (auto problem = macroRenameProblem(newName, language)) return problem;
  const std::filesystem::path target = path.parent_path() / (newName + path.extension().string());
  std::error_code error;
  if (std::filesystem::exists(target, error)) {
    return fillIn(texts::macroNameExists, language, {quoted(newName)});
  }
  std::filesystem::rename(path, target, error);
  if (error) return std::string(tr(texts::macroCannotRename, language));
  return std::nullopt;
}

bool installBundledLibrary(const std::filesystem::path& bundled,
                           const std::filesystem::path& library) {
  std::error_code error;
  if (!std::filesystem::is_directory(bundled, error)) return false;
  if (std::filesystem::exists(library, error) && !std::filesystem::is_empty(library, error)) {
    return false;
  }
  std::filesystem::create_directories(library, error);
  std::filesystem::copy(bundled, library, std::filesystem::copy_options::recursive, error);
  return !error;
}

}  // namespace pravelo
