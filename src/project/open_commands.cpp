#include "project/open_commands.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "document/document_texts.h"
#include "project/boards.h"
#include "project/layout_load.h"
#include "settings/recent_files.h"

namespace pravelo {
namespace {

// The file's contents, or nothing after reporting why it cannot be read.
std::optional<LoadedLayout> readForOpening(Host& host, const std::string& path, OpenedFrom from) {
  LoadedLayout loaded = loadLayoutFile(path, currentLanguage());
  if (loaded.failure == LoadFailure::None) return loaded;
  if (loaded.failure == LoadFailure::NotFound && from == OpenedFrom::RecentList) {
    loaded.message = tr(texts::fileNotFoundRecent);
  }
  host.showMessage(loaded.message, tr(texts::openTitle), MessageIcon::Error);
  return std::nullopt;
}

// Told once the boards are in place, as the last step of loading.
OpenOutcome reportOpened(Host& host, const std::string& notice, int formatVersion) {
  if (!notice.empty()) host.showMessage(notice, tr(texts::productName), MessageIcon::Warning);
  return {true, !storesBoardView(formatVersion)};
}

}  // namespace

OpenOutcome openLayoutFile(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                           const std::string& path, OpenedFrom from,
                           const std::function<bool()>& save) {
  // Reading before discarding keeps the document when the file turns out to be damaged.
  std::optional<LoadedLayout> loaded = readForOpening(host, path, from);
  if (!loaded) return {};
  if (!discardDocument(doc, host, save)) return {};
  const int version = loaded->contents.formatVersion;
  installLayout(doc, std::move(loaded->contents));
  doc.fileName = path;
  doc.lastFolder = std::filesystem::path(path).parent_path().string();
  addRecentFile(recentFiles, path);
  return reportOpened(host, loaded->notice, version);
}

OpenOutcome importBoardsFromFile(Document& doc, Host& host, const std::string& path) {
  std::optional<LoadedLayout> loaded = readForOpening(host, path, OpenedFrom::Dialog);
  if (!loaded) return {};
  const int version = loaded->contents.formatVersion;
  appendLayout(doc, std::move(loaded->contents));
  return reportOpened(host, loaded->notice, version);
}

}  // namespace pravelo
