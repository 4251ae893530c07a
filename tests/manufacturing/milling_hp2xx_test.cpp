// Reads our milling files with hp2xx, an independent HPGL reader: it must know every command we
// write and find the drawing where our own reader puts it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <limits>
#include <regex>

#include "hpgl_reader.h"
#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_export.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
#include "support/gerber_boards.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

struct Hp2xxReport {
  int ignored = -1;
  double minX = 0;
  double minY = 0;
  double maxX = 0;
  double maxY = 0;
  std::string log;
};

Hp2xxReport runHp2xx(const testing::TempFolder& folder, const std::string& plt) {
  const std::string log = folder.file("hp2xx.log");
  const std::string command = "hp2xx -m hpgl -f " + folder.file("out.hpgl") + " '" + plt + "' > " +
                              log + " 2>&1 < /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  Hp2xxReport r;
  r.log = testing::fileBytes(log);
  std::smatch m;
  if (std::regex_search(r.log, m, std::regex(R"(HPGL command\(s\) ignored: (\d+))"))) {
    r.ignored = std::stoi(m[1]);
  }
  static const std::regex range(
      R"(Coordinate range: \((-?[0-9.]+), (-?[0-9.]+)\) \.\.\. \((-?[0-9.]+), (-?[0-9.]+)\))");
  if (std::regex_search(r.log, m, range)) {
    r.minX = std::stod(m[1]);
    r.minY = std::stod(m[2]);
    r.maxX = std::stod(m[3]);
    r.maxY = std::stod(m[4]);
  }
  return r;
}

void expectSameRange(const Hp2xxReport& r, const std::string& text) {
  long minX = std::numeric_limits<long>::max();
  long minY = minX;
  long maxX = std::numeric_limits<long>::min();
  long maxY = maxX;
  const auto program = testing::readHpgl(text);
  for (const auto& line : program.lines) {
    long x = 0;
    long y = 0;
    if (std::sscanf(line.c_str(), "PA%ld,%ld;", &x, &y) != 2) continue;
    minX = std::min(minX, x);
    minY = std::min(minY, y);
    maxX = std::max(maxX, x);
    maxY = std::max(maxY, y);
  }
  EXPECT_NEAR(r.minX, minX, 0.5) << r.log;
  EXPECT_NEAR(r.minY, minY, 0.5) << r.log;
  EXPECT_NEAR(r.maxX, maxX, 0.5) << r.log;
  EXPECT_NEAR(r.maxY, maxY, 0.5) << r.log;
}

MillingOptions everyJob() {
  MillingOptions o;
  o.millC1 = o.millC2 = true;
  o.width = 2000;
  o.passes = 2;
  o.punchC2 = true;
  o.drill = MillSide::Bottom;
  o.outline = MillSide::Top;
  o.referenceHoles = {true, false, true, false, true, false, true, false};
  o.referenceDistance = 30000;
  o.minimumFeed = true;
  o.singleLineTexts = true;
  return o;
}

testing::GerberBoard twoSidedBoard() {
  testing::GerberBoard b = testing::everyKindBoard();
  b.track({{20000, -30000}, {250000, -170000}}, 6000, 0, kLayerC2);
  return b;
}

TEST(MillingReadByHp2xx, OneFileWithEveryJobIsReadWithoutIgnoredCommands) {
  if (!testing::hasExternalTool("hp2xx")) GTEST_SKIP() << "hp2xx is not installed";
  const testing::TempFolder folder;
  const testing::GerberBoard b = twoSidedBoard();
  for (const HpglUnit unit : {HpglUnit::Fortieth, HpglUnit::Mil}) {
    MillingOptions o = everyJob();
    o.unit = unit;
    const std::string text = millingFile(b.board, o, {1, 2, 3, 4, 5}).text;
    const std::string plt = folder.file("board.plt");
    { std::ofstream(plt, std::ios::binary) << text; }
    const Hp2xxReport r = runHp2xx(folder, plt);
    EXPECT_EQ(r.ignored, 0) << r.log;
    expectSameRange(r, text);
  }
}

TEST(MillingReadByHp2xx, CircleHolesAndSeparateDrillFilesAreKnown) {
  if (!testing::hasExternalTool("hp2xx")) GTEST_SKIP() << "hp2xx is not installed";
  const testing::TempFolder folder;
  const testing::GerberBoard b = twoSidedBoard();
  MillingOptions o = everyJob();
  o.holes = HoleMethod::Circles;
  o.circleWidth = 2000;
  const std::string circles = folder.file("circles.plt");
  { std::ofstream(circles, std::ios::binary) << millingFile(b.board, o, {4}).text; }
  EXPECT_EQ(runHp2xx(folder, circles).ignored, 0);

  o.holes = HoleMethod::DrillPerDiameter;
  const auto jobs = millingJobs(b.board, o, LengthUnit::Mm, Language::English);
  testing::ScriptedHost host;
  const MillingRun run = writeSeparateMillingFiles(b.board, o, jobs, folder.file("sep.plt"), host,
                                                   LengthUnit::Mm, Language::English);
  ASSERT_EQ(run.written.size(), jobs.size());
  for (const std::string& file : run.written) {
    const Hp2xxReport r = runHp2xx(folder, file);
    EXPECT_EQ(r.ignored, 0) << file << "\n" << r.log;
  }
}

}  // namespace
}  // namespace pravelo
