#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/text.h"

namespace pravelo {

// `pravelo-cli options [--folder DIR] NAME=VALUE...`: changes the general settings as OK in the
// dialog does and writes the settings file (and the colour scheme file of an edited scheme).
struct OptionsRequest {
  std::string folder;  // the settings folder; the user's when empty
  std::vector<std::string> values;
};

CLI::App* addOptionsCommand(CLI::App& app, OptionsRequest& request, Language language);

int runOptionsCommand(const OptionsRequest& request, std::ostream& out, std::ostream& err,
                      Language language);

}  // namespace pravelo
