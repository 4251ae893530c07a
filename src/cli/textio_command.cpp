#include "cli/textio_command.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/outlines_texts.h"
#include "cli/textio_texts.h"
#include "editing/text_io_defaults.h"
#include "project/clipboard.h"
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

std::optional<std::int32_t> wholeNumber(std::string_view s) {
  std::int32_t v = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

// "X,Y" in units.
std::optional<DPoint> offsetOf(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto x = wholeNumber(std::string_view(text).substr(0, comma));
  const auto y = wholeNumber(std::string_view(text).substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return DPoint{static_cast<double>(*x), static_cast<double>(*y)};
}

}  // namespace

CLI::App* addTextIoCommand(CLI::App& app, TextIoExportRequest& exportRequest,
                           TextIoImportRequest& importRequest, TextIoCommands& commands,
                           Language language) {
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

  CLI::App* importing = textio->add_subcommand("import", tr(texts::cliTextIoImportHelp, language));
  importing->fallthrough();
  importing->add_option("FILE", importRequest.file, tr(texts::cliFileHelp, language))->required();
  importing->add_option("IN", importRequest.text, tr(texts::cliTextIoFileHelp, language))
      ->required();
  importing->add_option("-o", importRequest.output, tr(texts::cliTextIoLayoutOutHelp, language))
      ->required();
  importing->add_option("--board", importRequest.board, tr(texts::cliBoardNumberHelp, language));
  importing->add_option("--at", importRequest.at, tr(texts::cliTextIoAtHelp, language));
  commands.importCommand = importing;
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

int runTextIoImport(Document& doc, const TextIoImportRequest& request, std::ostream& err,
                    Language language) {
  const std::optional<DPoint> offset = offsetOf(request.at);
  if (!offset) {
    err << tr(texts::cliTextIoBadOffset, language) << request.at << ".\n";
    return kExitUsage;
  }
  const int index = boardIndex(doc, request.board, err, language);
  if (index < 0) return kExitBadInput;
  Board& board = *doc.boards[index];
  const TextIoImport imported = readTextIoFile(
      request.text, textIoDefaults(initialSizeFields(SizeSettings{}), board.header), language);
  if (!imported.problem.empty()) {
    err << imported.problem << "\n";
    return kExitBadInput;
  }
  if (placeClipboard(board.objects, imported.objects, *offset, true) != PlaceResult::Placed) {
    err << tr(texts::cliTextIoTooManyComponents, language) << "\n";
    return kExitBadInput;
  }
  return writeLayoutOutput(doc, request.output, err, language);
}

}  // namespace pravelo
