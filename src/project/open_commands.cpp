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
std::optional<LayoutContents> readForOpening(Host& host, const std::string& path, OpenedFrom from) {
  LoadedLayout loaded = loadLayoutFile(path, currentLanguage());
  if (loaded.failure == LoadFailure::None) return std::move(loaded.contents);
  if (loaded.failure == LoadFailure::NotFound && from == OpenedFrom::RecentList) {
    loaded.message = tr(texts::fileNotFoundRecent);
  }
  host.showMessage(loaded.message, tr(texts::openTitle), MessageIcon::Error);
  return std::nullopt;
}

}  // namespace

bool openLayoutFile(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                    const std::string& path, OpenedFrom from, const std::function<bool()>& save) {
  // Reading before discarding keeps the document when the file turns out to be damaged.
  std::optional<LayoutContents> contents = readForOpening(host, path, from);
  if (!contents) return false;
  if (!discardDocument(doc, host, save)) return false;
  installLayout(doc, std::move(*contents));
  doc.fileName = path;
  doc.lastFolder = std::filesystem::path(path).parent_path().string();
  addRecentFile(recentFiles, path);
  return true;
}

bool importBoardsFromFile(Document& doc, Host& host, const std::string& path) {
  std::optional<LayoutContents> contents = readForOpening(host, path, OpenedFrom::Dialog);
  if (!contents) return false;
  appendLayout(doc, std::move(*contents));
  return true;
}

}  // namespace pravelo
