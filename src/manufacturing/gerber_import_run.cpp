#include "manufacturing/gerber_import_run.h"

#include <filesystem>

#include "document/object_list.h"
#include "document/undo_history.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/gerber_read.h"
#include "project/boards.h"

namespace pravelo {
namespace {

bool doubtfulFileAccepted(const std::string& path, const Text& doubt, Host& host) {
  const std::string question = path + "\n\n" + tr(doubt) + "\n" + tr(texts::importContinueAnyway);
  return host.ask(question, tr(texts::importCaption), Buttons::YesNo, MessageIcon::Question) ==
         Answer::Yes;
}

// False (after telling the user) when the file is missing or the user declines a doubtful one.
bool fileAccepted(const std::string& path, bool drill, Host& host) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    host.showMessage(tr(texts::importFileMissing), tr(texts::importCaption), MessageIcon::Warning);
    return false;
  }
  if (drill) {
    const std::string head = importFileStart(path, kExcellonFileLimit);
    return isValidExcellon(head) || doubtfulFileAccepted(path, texts::importNotExcellon, host);
  }
  const std::string head = importFileStart(path, kGerberFileLimit);
  return hasGerberFormatStatement(head) || doubtfulFileAccepted(path, texts::importNotGerber, host);
}

}  // namespace

ImportOutcome runGerberImport(Document& doc, const GerberImportRequest& request, bool newBoard,
                              Host& host, int undoDepth, const std::function<bool()>& cancelled) {
  for (const std::string& path : request.gerberFiles) {
    if (!path.empty() && !fileAccepted(path, false, host)) return ImportOutcome::KeepDialogOpen;
  }
  if (!request.drillFile.empty() && !fileAccepted(request.drillFile, true, host)) {
    return ImportOutcome::KeepDialogOpen;
  }
  if (!newBoard && !activeBoard(doc).objects.empty()) {
    const std::string question =
        std::string(tr(texts::importDeleteAll)) + "\n\n" + tr(texts::importContinue);
    if (host.ask(question, tr(texts::importCaption), Buttons::OkCancel, MessageIcon::Warning) !=
        Answer::Ok) {
      return ImportOutcome::Stopped;
    }
  }
  ImportedData data;
  if (const auto failed = readImport(request, data, currentLanguage(), cancelled)) {
    host.showMessage(failed->message, tr(texts::importCaption), MessageIcon::Error);
    return ImportOutcome::KeepDialogOpen;
  }
  if (newBoard) {
    Board& board = addBoard(doc, tr(texts::importBoardName), 1600000, 1000000);
    placeImport(board, std::move(data));
  } else {
    UndoStep step(doc, undoDepth);
    Board& board = activeBoard(doc);
    removeObjectsIf(board.objects, [](const TObjekt&) { return true; });
    placeImport(board, std::move(data));
    step.commit();
  }
  doc.modified = true;
  return ImportOutcome::Imported;
}

}  // namespace pravelo
