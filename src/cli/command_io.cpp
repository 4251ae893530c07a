#include "cli/command_io.h"

#include <ostream>
#include <system_error>
#include <utility>

#include "base/atomic_file.h"
#include "cli/cli.h"
#include "cli/outlines_texts.h"
#include "project/save_commands.h"
#include "project/save_problem.h"

namespace pravelo {

const Board* chosenBoard(const Document& doc, int requested, std::ostream& err, Language language) {
  const int index = requested < 0 ? doc.activeBoard : requested;
  if (index < 0 || index >= static_cast<int>(doc.boards.size())) {
    err << tr(texts::cliNoSuchBoard, language) << index << ".\n";
    return nullptr;
  }
  return doc.boards[static_cast<std::size_t>(index)].get();
}

Board* chosenBoard(Document& doc, int requested, std::ostream& err, Language language) {
  return const_cast<Board*>(chosenBoard(std::as_const(doc), requested, err, language));
}

int writeOutput(const std::string& path, std::string_view bytes, std::ostream& err,
                Language language) {
  std::error_code error;
  if (!writeFileAtomically(path, bytes, &error)) {
    err << couldNotSaveMessage(path, error, language) << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

int writeLayoutOutput(Document& doc, const std::string& path, std::ostream& err,
                      Language language) {
  std::error_code error;
  if (!writeDocumentFile(doc, path, &error)) {
    err << couldNotSaveMessage(path, error, language) << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace pravelo
