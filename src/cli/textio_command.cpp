#include "cli/textio_command.h"

#include <ostream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/outlines_texts.h"
#include "cli/textio_texts.h"
#include "project/text_io_commands.h"

namespace pravelo {

namespace {

// The board `requested` (the active one when negative), or -1 after reporting that the file
// has none of that number.
int boardIndex(const Document& doc, int requested, std::ostream& err, Language language) {
  const int index = requested >= 0 ? requested : doc.activeBoard;
  if (index < 0 || index >= static_cast<int>(doc.boards.size())) {
    err << tr(texts::cliNoSuchBoard, language) << requested << ".\n";
    return -1;
  }
  return index;
}

}  // namespace

CLI::App* addTextIoCommand(CLI::App& app, TextIoExportRequest& exportRequest,
                           TextIoCommands& commands, Language language) {
  CLI::App* textio = app.add_subcommand("textio", tr(texts::cliTextIoHelp, language));
  textio->fallthrough();
  textio->require_subcommand(1);

  CLI::App* exporting = textio->add_subcommand("export", tr(texts::cliTextIoExportHelp, language));
  exporting->fallthrough();
  exporting->add_option("FILE", exportRequest.file, tr(texts::cliFileHelp, language))->required();
  exporting->add_option("-o", exportRequest.output, tr(texts::cliTextIoOutHelp, language))
      ->required();
  exporting->add_option("--board", exportRequest.board, tr(texts::cliBoardNumberHelp, language));
  commands.exportCommand = exporting;
  return textio;
}

int runTextIoExport(const Document& doc, const TextIoExportRequest& request, std::ostream& err,
                    Language language) {
  const int index = boardIndex(doc, request.board, err, language);
  if (index < 0) return kExitBadInput;
  // A loaded board has nothing selected, so the whole board is written.
  if (const auto problem = writeTextIoFile(doc.boards[index]->objects, request.output, language)) {
    err << *problem << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace pravelo
