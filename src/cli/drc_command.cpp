#include "cli/drc_command.h"

#include <charconv>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/drc_command_texts.h"
#include "cli/outlines_texts.h"
#include "copper/drc_texts.h"
#include "settings/settings_keys.h"
#include "view/design_rule_check.h"

namespace pravelo {
namespace {

using Json = nlohmann::ordered_json;

#define KEY(member) PRAVELO_SETTINGS_KEY(DrcSettings, member)
constexpr SettingsKey<DrcSettings> kRuleKeys[] = {
    KEY(Kupfer),  KEY(WKupfer),  KEY(Bohrungen), KEY(WBohrungen), KEY(BohrMin),   KEY(WBohrMin),
    KEY(BohrMax), KEY(WBohrMax), KEY(TrackMin),  KEY(WTrackMin),  KEY(RingMin),   KEY(WRingMin),
    KEY(BestMin), KEY(WBestMin), KEY(SilkOnPad), KEY(HoleOnSMD),  KEY(PadOhneLS), KEY(LSFremd),
};
#undef KEY

}  // namespace

bool applyRule(const std::string& rule, DrcSettings& settings) {
  const std::size_t equals = rule.find('=');
  if (equals == std::string::npos) return false;
  const std::string key = rule.substr(0, equals);
  const std::string text = rule.substr(equals + 1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < 0) return false;
  for (const SettingsKey<DrcSettings>& k : kRuleKeys) {
    if (key != k.name) continue;
    if (const auto* flag = std::get_if<bool DrcSettings::*>(&k.member)) {
      if (value > 1) return false;
      settings.** flag = value != 0;
    } else {
      settings.*std::get<int DrcSettings::*>(k.member) = value;
    }
    return true;
  }
  return false;
}

namespace {

void printText(const Json& result, std::ostream& out, Language language) {
  for (const Json& f : result["findings"]) {
    const Json& m = f["marker"];
    out << f["text"].get<std::string>() << tr(texts::cliLayerWord, language) << f["layer"].dump()
        << tr(texts::cliMarkerWord, language) << m[0].dump() << "," << m[1].dump() << " "
        << m[2].dump() << "," << m[3].dump() << tr(texts::cliObjectsWord, language);
    for (const Json& o : f["objects"]) out << " " << o.dump();
    out << "\n";
  }
  out << result["count"].dump() << tr(texts::drcEntries, language);
  if (result["cancelled"].get<bool>()) out << tr(texts::cliCancelledWord, language);
  out << "\n";
}

}  // namespace

CLI::App* addDrcCommand(CLI::App& app, DrcRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("drc", tr(texts::cliDrcHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_flag("--json", request.json, tr(texts::cliDrcJsonHelp, language));
  command->add_option("--rules", request.rules, tr(texts::cliRulesHelp, language));
  return command;
}

Json drcJson(const DrcResult& result, int boardIndex, Language language) {
  Json findings = Json::array();
  for (const DrcFinding& f : result.findings) {
    Json outlines = Json::array();
    for (const DrcOutline& outline : f.outlines) {
      Json points = Json::array();
      for (const FPoint& p : outline) points.push_back({p.x, p.y});
      outlines.push_back(std::move(points));
    }
    findings.push_back({{"kind", static_cast<int>(f.kind)},
                        {"text", tr(*f.text, language)},
                        {"layer", f.layer},
                        {"marker", {f.marker.left, f.marker.top, f.marker.right, f.marker.bottom}},
                        {"objects", f.objects},
                        {"outlines", std::move(outlines)}});
  }
  return {{"board", boardIndex},
          {"findings", std::move(findings)},
          {"count", result.findings.size()},
          {"cancelled", result.cancelled}};
}

int runDrcCommand(const Document& doc, const DrcRequest& request, std::ostream& out,
                  std::ostream& err, Language language) {
  const int boardIndex = request.board >= 0 ? request.board : doc.activeBoard;
  if (boardIndex < 0 || boardIndex >= static_cast<int>(doc.boards.size())) {
    err << tr(texts::cliNoSuchBoard, language) << request.board << ".\n";
    return kExitBadInput;
  }
  DrcSettings rules;
  for (const std::string& rule : request.rules) {
    if (!applyRule(rule, rules)) {
      err << tr(texts::cliUnknownRule, language) << rule << "\n";
      return kExitBadInput;
    }
  }
  const DrcResult result = runDrc(*doc.boards[boardIndex], rules, completeDrcArea());
  const Json json = drcJson(result, boardIndex, language);
  if (request.json) {
    out << json.dump() << "\n";
  } else {
    printText(json, out, language);
  }
  return kExitOk;
}

}  // namespace pravelo
