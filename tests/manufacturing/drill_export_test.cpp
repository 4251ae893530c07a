#include "manufacturing/drill_export.h"

#include <gtest/gtest.h>

#include "manufacturing/drill_board.h"
#include "support/scripted_host.h"

namespace pravelo {
namespace {

using testing::DrillBoard;
using testing::ScriptedHost;

TEST(DrillExport, HolesOnTheSilkscreenAreReportedInEachLanguage) {
  DrillBoard b;
  b.pad({100000, -100000}, 9000, 4000, kLayerS1);
  b.pad({200000, -100000}, 9000, 4000, kLayerS2);
  b.pad({300000, -100000}, 9000, 0, kLayerS2);  // no hole
  EXPECT_EQ(silkscreenDrillWarning(b.board, Language::English),
            "There are 2 drillings on the silkscreen layer.\nThese drillings will be ignored.");
  EXPECT_EQ(silkscreenDrillWarning(b.board, Language::German),
            "Es gibt 2 Bohrungen auf dem Bestückungsdruck.\nDiese Bohrungen werden ignoriert.");
  ScriptedHost host;
  warnAboutSilkscreenDrills(b.board, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);

  DrillBoard clean;
  clean.pad({100000, -100000}, 9000, 4000);
  EXPECT_EQ(silkscreenDrillWarning(clean.board, Language::English), "");
}

// 150 diameters from 0.601 mm in steps of 0.003 mm: 150 drills exact, five at 0.1 mm.
DrillBoard manyDiameters() {
  DrillBoard b(10000000, 1000000);
  for (int i = 0; i < 150; ++i) {
    b.pad({50000.0f + 60000.0f * i, -500000}, 9000, 3005.0f + 15.0f * i);
  }
  return b;
}

TEST(DrillExport, MoreThan99DrillsOfferACoarserStep) {
  const DrillBoard b = manyDiameters();
  ExcellonOptions options;
  ASSERT_EQ(drillToolCount(b.board, options), 150);

  ScriptedHost refuse;
  refuse.answers = {Answer::No};
  offerCoarserDrills(b.board, options, refuse);
  ASSERT_EQ(refuse.questions.size(), 1u);
  EXPECT_NE(refuse.questions[0].text.find("150"), std::string::npos);
  EXPECT_EQ(options.selection.granularity, 0);

  ScriptedHost accept;
  accept.answers = {Answer::Yes};
  offerCoarserDrills(b.board, options, accept);
  EXPECT_EQ(accept.questions.size(), 1u);
  EXPECT_EQ(options.selection.granularity, 1);
  EXPECT_LE(drillToolCount(b.board, options), kMaxExcellonTools);
}

TEST(DrillExport, NinetyNineDrillsNeedNoQuestion) {
  DrillBoard b(10000000, 1000000);
  for (int i = 0; i < 99; ++i) b.pad({50000.0f + 60000.0f * i, -500000}, 9000, 3000.0f + 10 * i);
  ExcellonOptions options;
  ScriptedHost host;
  offerCoarserDrills(b.board, options, host);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(drillToolCount(b.board, options), 99);
}

// 3.3 mm digits reach 999.999 mm and 2.4 inch digits 99.9999 inch; a padded number beyond them
// would be read from the left at a tenth of its place.
TEST(DrillExport, HolesBeyondThePaddedDigitsStopTheExport) {
  DrillBoard b(13000000, 1000000);
  b.pad({12000000, -500000}, 9000, 4000);  // 1200 mm from the corner
  b.pad({100000, -500000}, 9000, 4000);
  ExcellonOptions o;
  o.format = ExcellonFormat::Mm33;
  EXPECT_EQ(formatRangeProblem(b.board, o, Language::English),
            "1 drillings lie outside the number format (up to 999 mm).\nWith leading zeros their "
            "coordinates would be misread: choose \"Delete leading zeros\" or \"Output with "
            "decimal point\".");
  o.deleteLeadingZeros = true;
  EXPECT_EQ(formatRangeProblem(b.board, o, Language::English), "");
  o.deleteLeadingZeros = false;
  o.decimalPoint = true;
  EXPECT_EQ(formatRangeProblem(b.board, o, Language::English), "");
  o.decimalPoint = false;
  o.format = ExcellonFormat::Inch24;  // 47.2 inch fit
  EXPECT_EQ(formatRangeProblem(b.board, o, Language::English), "");
}

}  // namespace
}  // namespace pravelo
