#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace pravelo::testing {

// Whether an independent checking program (a Debian package) is installed.
inline bool hasExternalTool(const std::string& name) {
  return std::system(("command -v " + name + " > /dev/null 2>&1").c_str()) == 0;
}

// What a shell command printed (standard output and error) and its exit status.
inline std::pair<std::string, int> runExternalTool(const std::string& command) {
  std::string out;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return {"", -1};
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
  return {out, pclose(pipe)};
}

}  // namespace pravelo::testing
