#pragma once

#include <string>
#include <vector>

#include "base/host.h"
#include "document/document.h"
#include "manufacturing/gerber_layers.h"
#include "settings/settings.h"

namespace pravelo {

// What one export run writes: the outputs (indices into kGerberOutputs, written in table order),
// the folder and the file-name prefix in front of each output's extension.
struct GerberJob {
  std::string folder;
  std::string prefix;
  std::vector<int> outputs;
  GerberOptions options;
};

// "Create Gerber files": checks the folder, builds every chosen file, and writes them only when
// all of them fit the number format; an existing file is replaced only after the host agrees.
// Appends the run to `log` (a blank line, the time, a rule, one "-> path" per file and the count)
// and returns the number of files written. The board is only read.
int exportGerber(const Board& board, const GerberSettings& names, const GerberJob& job, Host& host,
                 std::vector<std::string>& log);

// The file path of an output: folder, prefix and the output's extension from the settings.
std::string gerberPath(const std::string& folder, const std::string& prefix,
                       const GerberSettings& names, const GerberOutput& output);

}  // namespace pravelo
