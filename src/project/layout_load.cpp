#include "project/layout_load.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "base/file_io.h"
#include "document/document_texts.h"
#include "document/file_format_error.h"
#include "document/layout_version.h"
#include "document/renumber.h"
#include "project/boards.h"
#include "project/load_repairs.h"

namespace pravelo {

LayoutContents readLayout(std::string_view bytes, Language language) {
  LayoutContents contents = parseLayout(bytes, language);
  for (auto& board : contents.boards) repairLoadedBoard(*board);
  return contents;
}

std::string copperExchangeNotice(int formatVersion, Language language) {
  if (formatVersion > 3) return {};
  return std::string(tr(texts::olderLayout, language)) + "\n\n" +
         tr(texts::copperLayersExchanged, language) + "\n" + tr(texts::newLayerStructure, language);
}

void installLayout(Document& doc, LayoutContents contents) {
  const int count = static_cast<int>(contents.boards.size());
  const int active =
      contents.activeBoard >= 0 && contents.activeBoard < count ? contents.activeBoard : 0;
  doc.boards = std::move(contents.boards);
  doc.activeBoard = -1;
  activateBoard(doc, active);
  renumberGroupsAndComponents(activeBoard(doc).objects);
  doc.project = std::move(contents.project);
  doc.modified = false;
}

void appendLayout(Document& doc, LayoutContents contents) {
  for (auto& board : contents.boards) doc.boards.push_back(std::move(board));
  // Activating stores the previously active board's state first.
  activateBoard(doc, static_cast<int>(doc.boards.size()) - 1);
  renumberGroupsAndComponents(activeBoard(doc).objects);
  doc.modified = true;
}

LoadedLayout loadLayoutFile(const std::string& path, Language language) {
  LoadedLayout result;
  auto fail = [&](LoadFailure failure, std::string message) {
    result.failure = failure;
    result.message = std::move(message);
    return std::move(result);
  };
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return fail(LoadFailure::NotFound, tr(texts::fileNotFoundDialog, language));
  }
  const std::string name = quoted(std::filesystem::path(path).filename().string());
  InputFile file(path);
  if (file.status() == InputFile::Status::NotRegular) {
    return fail(LoadFailure::NotAFile, name + tr(texts::notAnOrdinaryFile, language));
  }
  const std::string couldNotRead = fillIn(texts::couldNotRead, language, {name});
  // The version word decides before the rest is read, so a foreign file is never read whole.
  std::optional<std::string> bytes = file.read(4);
  if (!bytes) return fail(LoadFailure::Unreadable, couldNotRead);
  VersionCheck check = checkLayoutVersion(path, *bytes, language);
  if (!check.readable()) return fail(LoadFailure::Version, std::move(check.message));
  const std::optional<std::string> rest = file.read(file.remaining());
  if (!rest) return fail(LoadFailure::Unreadable, couldNotRead);
  *bytes += *rest;
  try {
    result.contents = readLayout(*bytes, language);
  } catch (const FileFormatError& e) {
    return fail(LoadFailure::Damaged, couldNotRead + "\n" + e.report(language));
  }
  result.notice = copperExchangeNotice(result.contents.formatVersion, language);
  return result;
}

}  // namespace pravelo
