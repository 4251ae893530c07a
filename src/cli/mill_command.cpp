#include "cli/mill_command.h"

#include <ostream>
#include <sstream>

#include "base/units.h"
#include "cli/cli.h"
#include "cli/cli_host.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/mill_texts.h"
#include "cli/outlines_texts.h"
#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_dialog_state.h"
#include "manufacturing/milling_export.h"
#include "manufacturing/milling_texts.h"

namespace pravelo {
namespace {

MillMirror millMirrorNamed(const std::string& name) {
  if (name == "h") return MillMirror::Horizontal;
  if (name == "v") return MillMirror::Vertical;
  return MillMirror::None;
}

MillSide millSideNamed(const std::string& name) {
  if (name == "top") return MillSide::Top;
  if (name == "bottom") return MillSide::Bottom;
  return MillSide::None;
}

std::vector<std::string> commaItems(const std::string& list) {
  std::vector<std::string> items;
  std::stringstream in(list);
  for (std::string item; std::getline(in, item, ',');) {
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

// The options the request names; a bad layer or place is reported and gives nothing.
std::optional<MillingOptions> millOptionsOf(const MillRequest& r, std::ostream& err,
                                            Language language) {
  MillingOptions o;
  for (const std::string& layer : commaItems(r.layers)) {
    if (layer == "c1") {
      o.millC1 = true;
    } else if (layer == "c2") {
      o.millC2 = true;
    } else {
      err << tr(texts::cliMillBadLayers, language) << layer << "\n";
      return std::nullopt;
    }
  }
  for (const std::string& place : commaItems(r.references)) {
    const int n = place.size() == 1 ? place[0] - '0' : 0;
    if (n < 1 || n > 8) {
      err << tr(texts::cliMillBadReference, language) << place << "\n";
      return std::nullopt;
    }
    o.referenceHoles[n - 1] = true;
  }
  o.width = static_cast<std::int32_t>(mmToUnits(r.width));
  o.passes = r.passes;
  o.overlap = r.overlap;
  o.mirrorC1 = millMirrorNamed(r.mirrorC1);
  o.mirrorC2 = millMirrorNamed(r.mirrorC2);
  o.drill = millSideNamed(r.drill);
  o.holes = r.holes == "ci"         ? HoleMethod::Circles
            : r.holes == "separate" ? HoleMethod::DrillPerDiameter
                                    : HoleMethod::SameDrill;
  o.circleWidth = static_cast<std::int32_t>(mmToUnits(r.circleWidth));
  o.punchC1 = r.punch == "top";
  o.punchC2 = r.punch == "bottom";
  o.outline = millSideNamed(r.outline);
  o.unit = r.units == "mil" ? HpglUnit::Mil : HpglUnit::Fortieth;
  o.referenceDistance = static_cast<std::int32_t>(mmToUnits(r.distance));
  o.minimumFeed = r.minimumFeed;
  o.selectedOnly = r.selectedOnly;
  o.singleLineTexts = r.textStrokes == "normal" || r.textStrokes == "all";
  o.singleLineSelectedTexts = r.textStrokes == "selected" || r.textStrokes == "all";
  o.separateFiles = r.separate;
  o.jobList = false;  // the job list goes where --jobs says
  o.camOrigin = !r.noOrigin;
  return o;
}

}  // namespace

CLI::App* addMillCommand(CLI::App& app, MillRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("mill", tr(texts::cliMillHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.output, tr(texts::cliMillOutputHelp, language))
      ->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--layers", request.layers, tr(texts::cliMillLayersHelp, language));
  command->add_option("--width", request.width, tr(texts::cliMillWidthHelp, language))
      ->check(CLI::Range(0.0, 5.0));
  command->add_option("--passes", request.passes, tr(texts::cliMillPassesHelp, language))
      ->check(CLI::Range(1, 10));
  command->add_option("--overlap", request.overlap, tr(texts::cliMillOverlapHelp, language))
      ->check(CLI::Range(0, 99));
  for (auto [name, value] :
       {std::pair{"--mirror-c1", &request.mirrorC1}, std::pair{"--mirror-c2", &request.mirrorC2}}) {
    command->add_option(name, *value, tr(texts::cliMillMirrorHelp, language))
        ->check(CLI::IsMember({"none", "h", "v"}));
  }
  command->add_option("--drill", request.drill, tr(texts::cliMillDrillHelp, language))
      ->check(CLI::IsMember({"none", "top", "bottom"}));
  command->add_option("--holes", request.holes, tr(texts::cliMillHolesHelp, language))
      ->check(CLI::IsMember({"ci", "same", "separate"}));
  command
      ->add_option("--ci-width", request.circleWidth, tr(texts::cliMillCircleWidthHelp, language))
      ->check(CLI::Range(0.0, 5.0));
  command->add_option("--punch", request.punch, tr(texts::cliMillPunchHelp, language))
      ->check(CLI::IsMember({"top", "bottom"}));
  command->add_option("--outline", request.outline, tr(texts::cliMillOutlineHelp, language))
      ->check(CLI::IsMember({"none", "top", "bottom"}));
  command->add_option("--units", request.units, tr(texts::cliMillUnitsHelp, language))
      ->check(CLI::IsMember({"40", "mil"}));
  command->add_flag("--separate", request.separate, tr(texts::cliMillSeparateHelp, language));
  command->add_option("--jobs", request.jobs, tr(texts::cliMillJobsHelp, language));
  command->add_option("--reference", request.references,
                      tr(texts::cliMillReferencesHelp, language));
  command->add_option("--distance", request.distance, tr(texts::cliMillDistanceHelp, language))
      ->check(CLI::Range(0.0, 30.0));
  command->add_flag("--min-feed", request.minimumFeed, tr(texts::cliMillFeedHelp, language));
  command->add_flag("--selected-only", request.selectedOnly,
                    tr(texts::cliMillSelectedHelp, language));
  command
      ->add_option("--text-strokes", request.textStrokes,
                   tr(texts::cliMillTextStrokesHelp, language))
      ->check(CLI::IsMember({"none", "normal", "selected", "all"}));
  command->add_flag("--no-origin", request.noOrigin, tr(texts::cliMillNoOriginHelp, language));
  return command;
}

int runMillCommand(const Document& doc, const MillRequest& request, std::ostream& out,
                   std::ostream& err, Language language) {
  const Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  const std::optional<MillingOptions> requested = millOptionsOf(request, err, language);
  if (!requested) return kExitUsage;
  const Board& board = *chosen;
  // The dialog's rules decide what can be milled, so both write the same files.
  const MillingOptions options = millingDialogState(board, *requested).options;
  const std::vector<MillingJob> jobs = millingJobs(board, options, LengthUnit::Mm, language);
  if (jobs.empty()) {
    err << tr(texts::cliMillNothing, language) << "\n";
    return kExitBadInput;
  }
  if (millingIgnoresGroundPlane(board, options)) {
    err << tr(texts::millPlaneWarning, language) << "\n";
  }
  CliHost host(err);
  std::vector<std::string> written;
  if (options.separateFiles) {
    written = writeSeparateMillingFiles(board, options, jobs, request.output, host, LengthUnit::Mm,
                                        language)
                  .written;
  } else {
    std::vector<int> pens;
    for (const MillingJob& job : jobs) pens.push_back(job.pen);
    if (saveMillingText(request.output, millingFile(board, options, pens).text, host, language)) {
      written.push_back(request.output);
    }
  }
  if (!request.jobs.empty() &&
      saveMillingText(request.jobs, jobListText(jobs, options, LengthUnit::Mm, language), host,
                      language)) {
    written.push_back(request.jobs);
  }
  for (const std::string& path : written)
    out << tr(texts::cliMillWritten, language) << path << "\n";
  return host.failed ? kExitBadInput : kExitOk;
}

}  // namespace pravelo
