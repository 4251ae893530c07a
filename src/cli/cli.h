#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pravelo {

// Exit statuses of pravelo-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;  // missing, rejected or damaged input; failed write
inline constexpr int kExitUsage = 2;

// Runs pravelo-cli with `args` (without the program name): `info [--json] FILE` and
// `resave IN OUT`, messages in English unless `--lang de|fr` asks for another language.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pravelo
