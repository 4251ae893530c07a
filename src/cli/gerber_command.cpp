#include "cli/gerber_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "base/units.h"
#include "cli/cli.h"
#include "cli/cli_host.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/gerber_texts.h"
#include "cli/outlines_texts.h"
#include "manufacturing/gerber_export.h"
#include "settings/app_folders.h"
#include "settings/settings.h"

namespace pravelo {
namespace {

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The output named by its short name, or by the German layer letters of the settings keys.
int outputNamed(const std::string& name) {
  const std::string n = upper(name);
  static const std::pair<const char*, const char*> kGerman[] = {
      {"K1", "C1"}, {"K2", "C2"}, {"B1", "S1"}, {"B2", "S2"}, {"U", "O"}};
  std::string wanted = n;
  for (const auto& [german, english] : kGerman) {
    if (n == german) wanted = english;
  }
  for (std::size_t i = 0; i < kGerberOutputs.size(); ++i) {
    if (wanted == kGerberOutputs[i].name) return static_cast<int>(i);
  }
  return -1;
}

GerberOptions optionsFrom(const AppSettings& settings, const GerberRequest& request) {
  GerberOptions o;
  const GerberSettings& g = settings.gerber;
  // The settings keep the offsets in hundredths of a millimetre.
  o.maskPadOffset = static_cast<std::int32_t>(mmToUnits(g.LS_Offset_LA / 100.0));
  o.maskSmdOffset = static_cast<std::int32_t>(mmToUnits(g.LS_Offset_SMD / 100.0));
  o.maskOthersOffset = static_cast<std::int32_t>(mmToUnits(g.LS_Offset_Sonstige / 100.0));
  o.smdMaskOffset = static_cast<std::int32_t>(mmToUnits(g.SMD_Maske_Offset / 100.0));
  o.camOrigin =
      request.camOrigin.empty() ? settings.optionen.CAM_Nullpunkt : request.camOrigin == "on";
  o.mirror = request.mirror;
  o.x2Attributes = request.x2;
  o.frame = request.frame;
  o.punchHoles = !request.punch.empty();
  o.centrePunch = request.punch == "center";
  return o;
}

}  // namespace

CLI::App* addGerberCommand(CLI::App& app, GerberRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("gerber", tr(texts::cliGerberHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.folder, tr(texts::cliGerberFolderHelp, language))
      ->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--layers", request.layers, tr(texts::cliGerberLayersHelp, language));
  command->add_flag("--mirror", request.mirror, tr(texts::cliGerberMirrorHelp, language));
  command->add_option("--cam-origin", request.camOrigin, tr(texts::cliGerberOriginHelp, language))
      ->check(CLI::IsMember({"on", "off"}));
  command->add_flag("--x2", request.x2, tr(texts::cliGerberX2Help, language));
  command->add_flag("--frame", request.frame, tr(texts::cliGerberFrameHelp, language));
  command->add_option("--punch", request.punch, tr(texts::cliGerberPunchHelp, language))
      ->check(CLI::IsMember({"holes", "center"}));
  command->add_option("--settings", request.settingsFile,
                      tr(texts::cliGerberSettingsHelp, language));
  return command;
}

int runGerber(const Document& doc, const GerberRequest& request, std::ostream& out,
              std::ostream& err, Language language) {
  const Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  const Board& board = *chosen;
  AppSettings settings = defaultSettings(AppFolders{}, language);
  if (!request.settingsFile.empty()) readSettings(SettingsStore(request.settingsFile), settings);

  GerberJob job;
  job.folder = request.folder;
  job.prefix = std::filesystem::path(request.file).stem().string();
  job.options = optionsFrom(settings, request);
  if (request.layers.empty()) {
    for (std::size_t i = 0; i < kGerberOutputs.size(); ++i) {
      if (gerberOutputAvailable(board, kGerberOutputs[i])) job.outputs.push_back(int(i));
    }
  } else {
    std::istringstream names(request.layers);
    for (std::string name; std::getline(names, name, ',');) {
      const int output = outputNamed(name);
      if (output < 0) {
        err << tr(texts::cliGerberUnknownOutput, language) << name << "\n";
        return kExitUsage;
      }
      if (!gerberOutputAvailable(board, kGerberOutputs[output])) {
        err << tr(texts::cliGerberEmptyOutput, language) << kGerberOutputs[output].name << ".\n";
        return kExitUsage;
      }
      job.outputs.push_back(output);
    }
  }
  // The export's messages and log come in the language of the run, for this command only.
  struct RunLanguage {
    Language before = currentLanguage();
    explicit RunLanguage(Language language) { setLanguage(language); }
    ~RunLanguage() { setLanguage(before); }
  } runLanguage(language);
  CliHost host(err);
  std::vector<std::string> log;
  exportGerber(board, settings.gerber, job, host, log);
  for (const std::string& line : log) out << line << "\n";
  return host.failed ? kExitBadInput : kExitOk;
}

}  // namespace pravelo
