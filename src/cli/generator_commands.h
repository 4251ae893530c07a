#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli footprint TYPE KEY=VALUE … -o OUT.pvm` and `pravelo-cli shape TYPE KEY=VALUE …
// -o OUT.pvm`: what the footprint wizard or the special shapes dialog generates, written as a
// macro file. The fields start from the dialog's defaults (for a footprint: of its type).
struct GeneratorRequest {
  std::string type;
  std::vector<std::string> fields;
  std::string output;
  int layer = kLayerC1;
  double clearanceMm = 0.4;
};

CLI::App* addFootprintCommand(CLI::App& app, GeneratorRequest& request, Language language);
CLI::App* addShapeCommand(CLI::App& app, GeneratorRequest& request, Language language);

int runFootprintCommand(const GeneratorRequest& request, std::ostream& out, std::ostream& err,
                        Language language);
int runShapeCommand(const GeneratorRequest& request, std::ostream& out, std::ostream& err,
                    Language language);

}  // namespace pravelo
