#include "cli/import_gerber_command.h"

#include <ostream>

#include "base/windows1252.h"
#include "cli/cli.h"
#include "cli/command_io.h"
#include "cli/gerber_import_request.h"
#include "cli/import_gerber_texts.h"
#include "manufacturing/gerber_import.h"

namespace pravelo {

CLI::App* addImportGerberCommand(CLI::App& app, ImportGerberRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("import-gerber", tr(texts::cliImportGerberHelp, language));
  command->fallthrough();
  command->add_option("-o,--output", request.output, tr(texts::cliImportOutputHelp, language))
      ->required();
  command->add_option("SLOT", request.slots, tr(texts::cliImportSlotsHelp, language));
  command->add_option("--drill", request.drill, tr(texts::cliImportDrillHelp, language));
  command->add_option("--board-name", request.boardName,
                      tr(texts::cliImportBoardNameHelp, language));
  command->add_option("--format", request.format, tr(texts::cliImportFormatHelp, language));
  CLI::Option* inch =
      command->add_flag("--inch")->description(tr(texts::cliImportInchHelp, language));
  CLI::Option* mm = command->add_flag("--mm", request.mm, tr(texts::cliImportMmHelp, language));
  inch->excludes(mm);
  command->add_option("--zeros", request.zeros, tr(texts::cliImportZerosHelp, language))
      ->check(CLI::IsMember({"none", "leading", "trailing", "decimal"}));
  command->add_flag("--no-vias", request.noVias, tr(texts::cliImportNoViasHelp, language));
  command->add_flag("--no-optimize", request.noOptimize,
                    tr(texts::cliImportNoOptimizeHelp, language));
  return command;
}

int runImportGerber(const ImportGerberRequest& r, std::ostream&, std::ostream& err,
                    Language language) {
  GerberImportRequest request;
  if (const auto problem = gerberImportRequest(r, request, err, language)) {
    err << *problem << "\n";
    return kExitUsage;
  }
  Document doc;
  if (const auto failed =
          importToDocument(request, utf8ToWindows1252(r.boardName), doc, language)) {
    err << failed->message << "\n";
    return kExitBadInput;
  }
  return writeLayoutOutput(doc, r.output, err, language);
}

}  // namespace pravelo
