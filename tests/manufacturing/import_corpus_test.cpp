// Hostile and damaged input for the Gerber and drill readers: each either reads or is refused
// with an ImportError, never more. The kept fuzzing inputs in fuzz/corpus run here as well.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "manufacturing/excellon_read.h"
#include "manufacturing/gerber_read.h"
#include "manufacturing/import_error.h"
#include "manufacturing/track_join.h"
#include "support/file_bytes.h"

namespace pravelo {
namespace {

// Reads `bytes` as a Gerber file; true when it was read, false when refused.
bool gerberReads(const std::string& bytes, std::size_t& objects) {
  try {
    ObjectList read = readGerber(bytes, kLayerC1, {});
    optimizeConnectedTracks(read);
    objects = read.size();
    return true;
  } catch (const ImportError&) {
    objects = 0;
    return false;
  }
}

bool drillReads(const std::string& bytes) {
  try {
    ObjectList objects;
    ExcellonReadSettings settings;
    settings.inch = !excellonIsMetric(bytes);
    settings.suppression = detectZeroSuppression(bytes).suppression;
    drillHits(objects, readExcellon(bytes, settings), true);
    return true;
  } catch (const ImportError&) {
    return false;
  }
}

std::string repeated(const std::string& piece, std::size_t times) {
  std::string s;
  s.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) s += piece;
  return s;
}

const std::string kHostileHeader = "%FSLAX34Y34*%\n%MOMM*%\n";

struct HostileCase {
  const char* name;
  std::string bytes;
  bool reads;               // false: must be refused
  std::size_t mostObjects;  // when read
};

std::vector<HostileCase> hostileCases() {
  const std::string bigMacro = "%AMBIG*" + repeated("1,1,0.5,0,0*", 20000) + "%\n";
  return {
      {"a giant moire",
       kHostileHeader + "%AMM*6,0,0,100,0.0001,0,99999999,0.1,1,0*%\n"
                        "%ADD10M*%\nD10*\nX0Y0D03*\n",
       true, 102},
      {"a polygon of a million vertices",
       kHostileHeader + "%ADD10P,1X1000000*%\n%AMQ*5,1,1000000,0,0,1,0*%\n%ADD11Q*%\n"
                        "D10*\nX0Y0D03*\nD11*\nX0Y0D03*\n",
       true, 0},
      {"an outline that promises more points than it has",
       kHostileHeader + "%AMO*4,1,2000000000,0,0,1,0,1,1*%\n%ADD10O*%\nD10*\nX0Y0D03*\n", true, 1},
      {"deeply nested macro brackets",
       kHostileHeader + "%AMD*1,1," + std::string(50000, '(') + "1" + std::string(50000, ')') +
           ",0,0*%\n%ADD10D*%\n",
       false, 0},
      {"a large macro flashed over and over",
       kHostileHeader + bigMacro + "%ADD10BIG*%\nD10*\n" + repeated("X0Y0D03*\n", 100000), false,
       0},
      {"a large macro defined as many apertures",
       kHostileHeader + bigMacro + repeated("%ADD10BIG*%\n", 10000), false, 0},
      {"draws and flashes with undefined apertures",
       kHostileHeader + "D10*\nX0Y0D02*\nX1Y1D01*\nX2Y2D03*\nD9999*\nX3Y3D03*\nD10000*\n", true, 0},
      {"a region of too many points",
       kHostileHeader + "%ADD10C,1*%\nG36*\nX0Y0D02*\n" + repeated("X1Y0D01*\nX1Y1D01*\n", 20000) +
           "G37*\n",
       true, 1},
      {"huge aperture codes and counts",
       kHostileHeader + "%ADD99999999999C,1*%\n%ADD10C,1X2X3X4X5X6X7X8X9X10X11X12*%\n"
                        "D99999999999*\nD10*\nX0Y0D03*\n",
       true, 1},
      {"a giant aperture", kHostileHeader + "%ADD10C,99999999*%\nD10*\nX0Y0D03*\n", false, 0},
      {"an unclosed extended statement", kHostileHeader + "%ADD10C,1*\nD10*\nX0Y0D03*\n", true, 0},
      {"only percent signs", std::string(10000, '%'), true, 0},
      {"many stars", std::string(100000, '*'), true, 0},
      {"an arc of zero radius",
       kHostileHeader + "%ADD10C,1*%\nD10*\nG74*\nX0Y0D02*\nG02X0Y0I0J0D01*\n", true, 0},
  };
}

TEST(ImportCorpus, HostileGerberInputIsReadWithinBoundsOrRefused) {
  int checked = 0;
  for (const HostileCase& c : hostileCases()) {
    SCOPED_TRACE(c.name);
    std::size_t objects = 0;
    EXPECT_EQ(gerberReads(c.bytes, objects), c.reads);
    EXPECT_LE(objects, c.mostObjects);
    ++checked;
  }
  EXPECT_EQ(checked, 14);
}

TEST(ImportCorpus, HostileDrillInputIsReadOrRefused) {
  EXPECT_TRUE(drillReads("T1C0.8\nT1\n" + repeated("X0Y0\n", 50000)));
  EXPECT_TRUE(drillReads("T99999999999999999999C1\nT-5\nX1Y1\nT+3\nX2Y2\n"));
  EXPECT_TRUE(drillReads(std::string(100000, 'T')));
  EXPECT_FALSE(drillReads("T1C0.8\nT1\nX" + std::string(40, '9') + "Y0\n"));
  EXPECT_FALSE(drillReads(std::string(kExcellonFileLimit, ';')));
}

std::filesystem::path corpusFolder(const char* name) {
  return std::filesystem::path(PRAVELO_SOURCE_DIR) / "fuzz/corpus" / name;
}

TEST(ImportCorpus, KeptGerberInputsReadAndSurviveTruncationAtEveryLength) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpusFolder("gerber"))) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string bytes = testing::fileBytes(entry.path());
    std::size_t objects = 0;
    EXPECT_TRUE(gerberReads(bytes, objects));
    EXPECT_GT(objects, 0u);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      gerberReads(bytes.substr(0, length), objects);
    }
    ++files;
  }
  EXPECT_GE(files, 2);
}

TEST(ImportCorpus, KeptDrillInputsReadAndSurviveTruncationAtEveryLength) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpusFolder("excellon"))) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string bytes = testing::fileBytes(entry.path());
    EXPECT_TRUE(isValidExcellon(bytes));
    EXPECT_TRUE(drillReads(bytes));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      drillReads(bytes.substr(0, length));
    }
    ++files;
  }
  EXPECT_GE(files, 2);
}

}  // namespace
}  // namespace pravelo
