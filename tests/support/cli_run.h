#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace pravelo::testing {

// One run of pravelo-cli: exit status and what it wrote.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs `pravelo-cli COMMAND ARGS...` in this process.
inline CliRun runCliCommand(const std::string& command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  std::vector<std::string> all{command};
  all.insert(all.end(), args.begin(), args.end());
  const int status = runCli(all, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace pravelo::testing
