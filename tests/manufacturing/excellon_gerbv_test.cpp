// Reads our drill files back with gerbv, an independent Excellon reader, in every number format:
// each hole must be where gerbv finds it, drilled with the tool of its diameter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>

#include "base/units.h"
#include "manufacturing/drill_board.h"
#include "manufacturing/excellon_file.h"
#include "support/external_tool.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::DrillBoard;
using testing::TempFolder;

constexpr double kUnitsPerInch = 254000;

struct Flash {
  double diameter;  // units
  double x;
  double y;
};

// gerbv's RS-274X export: inches with six decimals, leading zeros kept.
std::vector<Flash> flashesOf(const std::string& gerber) {
  std::map<int, double> apertures;
  std::vector<Flash> flashes;
  static const std::regex aperture(R"(%ADD(\d+)C,([0-9.]+)\*%)");
  static const std::regex flash(R"((?:G01)?X(-?\d+)Y(-?\d+)D03\*)");
  static const std::regex select(R"(G54D(\d+)\*)");
  std::istringstream lines(gerber);
  std::string line;
  double current = -1;
  std::smatch m;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (std::regex_match(line, m, aperture)) {
      apertures[std::stoi(m[1])] = std::stod(m[2]) * kUnitsPerInch;
    } else if (std::regex_match(line, m, select)) {
      current = apertures.at(std::stoi(m[1]));
    } else if (std::regex_match(line, m, flash)) {
      flashes.push_back(
          {current, std::stod(m[1]) / 1e6 * kUnitsPerInch, std::stod(m[2]) / 1e6 * kUnitsPerInch});
    }
  }
  return flashes;
}

struct FormatCase {
  ExcellonFormat format;
  bool deleteLeadingZeros;
  bool decimalPoint;
  bool bare;  // M71/M72, no comments, no G90
};

class ExcellonReadByGerbv : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ExcellonReadByGerbv, HolesAreWhereGerbvFindsThem) {
  if (!testing::hasExternalTool("gerbv")) GTEST_SKIP() << "gerbv is not installed";
  const FormatCase& c = GetParam();
  DrillBoard b(2000000, 1500000);
  b.board.header.originX = 300000;  // holes left of and below the origin get negative numbers
  b.board.header.originY = -1000000;
  const float positions[][2] = {{12345, -1400000}, {1999000, -10},    {300000, -1000000},
                                {777777, -333333}, {50500, -1234567}, {1500001, -750000}};
  const float holes[] = {4000, 6350, 4000, 5000, 6350, 4000};
  for (int i = 0; i < 6; ++i) b.pad({positions[i][0], positions[i][1]}, 9000, holes[i]);

  ExcellonOptions o;
  o.format = c.format;
  o.deleteLeadingZeros = c.deleteLeadingZeros;
  o.decimalPoint = c.decimalPoint;
  o.m71 = o.noComments = o.noG90 = c.bare;
  const TempFolder folder;
  const std::string drl = folder.file("board.drl");
  testing::writeBytes(drl, drillFileText(b.board, o, "2026-12-10 10:00:00"));
  const std::string command = "gerbv -x rs274x -o '" + folder.file("out.gbr") + "' '" + drl +
                              "' > '" + folder.file("err.txt") + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  // gerbv exits 0 after a parse error too; its messages are the only sign.
  const std::string messages = testing::fileBytes(folder.file("err.txt"));
  EXPECT_EQ(std::regex_search(messages, std::regex("error|warning", std::regex::icase)), false)
      << messages;

  const std::vector<Flash> flashes = flashesOf(testing::fileBytes(folder.file("out.gbr")));
  ASSERT_EQ(flashes.size(), 6u);
  const double step = (c.format == ExcellonFormat::Inch24 ? kUnitsPerInch : kUnitsPerMm) /
                      std::pow(10.0, decimalDigits(c.format));
  const DrillTransform t = drillTransform(b.board, o.side, o.camOrigin);
  int matched = 0;
  for (int i = 0; i < 6; ++i) {
    const FilePoint p = toFile(t, {positions[i][0], positions[i][1]});
    const double x = static_cast<double>(roundHalfEven(p.x / step)) * step;
    const double y = static_cast<double>(roundHalfEven(p.y / step)) * step;
    for (const Flash& f : flashes) {
      if (std::abs(f.x - x) < 1 && std::abs(f.y - y) < 1) {
        EXPECT_NEAR(f.diameter, 2 * holes[i], 26) << "hole " << i;  // 0.0001 inch
        ++matched;
      }
    }
  }
  EXPECT_EQ(matched, 6) << testing::fileBytes(drl);
}

std::string caseName(const ::testing::TestParamInfo<FormatCase>& info) {
  const FormatCase& c = info.param;
  const char* format = c.format == ExcellonFormat::Mm32   ? "Mm32"
                       : c.format == ExcellonFormat::Mm33 ? "Mm33"
                                                          : "Inch24";
  return std::string(format) + (c.deleteLeadingZeros ? "NoLeadingZeros" : "Padded") +
         (c.decimalPoint ? "Decimal" : "") + (c.bare ? "Bare" : "");
}

using F = ExcellonFormat;
// Only the FILE_FORMAT comment tells a reader the 3.2 digits; without comments the 3.2 rows
// therefore use the decimal point, which needs no digit count.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ExcellonFile, ExcellonReadByGerbv, ::testing::Values(
    FormatCase{F::Mm32, false, false, false}, FormatCase{F::Mm32, true, false, false},
    FormatCase{F::Mm32, false, true, false},  FormatCase{F::Mm33, false, false, false},
    FormatCase{F::Mm33, true, false, false},  FormatCase{F::Mm33, false, true, false},
    FormatCase{F::Mm33, true, true, false},   FormatCase{F::Inch24, false, false, false},
    FormatCase{F::Inch24, true, false, false}, FormatCase{F::Inch24, false, true, false},
    FormatCase{F::Mm32, false, true, true},   FormatCase{F::Mm33, true, false, true},
    FormatCase{F::Mm33, false, true, true},   FormatCase{F::Inch24, false, false, true},
    FormatCase{F::Inch24, true, false, true}, FormatCase{F::Inch24, true, true, true}),
    caseName);
// clang-format on

}  // namespace
}  // namespace pravelo
