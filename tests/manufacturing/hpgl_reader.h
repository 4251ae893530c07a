#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pravelo::testing {

// An independent reader of the plotter commands the milling output uses: the command lines
// without their CR LF, and every cut (the points passed with the pen down, starting where the
// pen went down) in plotter units.
struct HpglPoint {
  long x = 0;
  long y = 0;
  friend bool operator==(const HpglPoint&, const HpglPoint&) = default;
};

struct HpglCut {
  int pen = 0;
  std::vector<HpglPoint> points;
};

struct HpglProgram {
  std::vector<std::string> lines;
  std::vector<HpglCut> cuts;
  std::vector<HpglPoint> circles;  // centres of CI commands
  bool crlf = true;                // every line ended by CR LF
};

inline HpglProgram readHpgl(const std::string& text) {
  HpglProgram program;
  int pen = 0;
  bool down = false;
  HpglPoint at;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.back() != '\r') {
      program.crlf = false;
    } else {
      line.pop_back();
    }
    program.lines.push_back(line);
    long x = 0;
    long y = 0;
    int n = 0;
    if (std::sscanf(line.c_str(), "SP%d;", &n) == 1) {
      pen = n;
    } else if (line == "PD;") {
      down = true;
      program.cuts.push_back({pen, {at}});
    } else if (line == "PU;") {
      down = false;
    } else if (std::sscanf(line.c_str(), "PA%ld,%ld;", &x, &y) == 2) {
      at = {x, y};
      if (down) program.cuts.back().points.push_back(at);
    } else if (line.rfind("CI", 0) == 0) {
      program.circles.push_back(at);
    }
  }
  return program;
}

}  // namespace pravelo::testing
