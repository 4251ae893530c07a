#include "ui/raster_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "base/text.h"
#include "support/scripted_host.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::onNextDialog;
using testing::ScriptedHost;

class RasterDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { setLanguage(Language::English); }
  void TearDown() override { setLanguage(Language::German); }

  ScriptedHost host;
  TRasterDlg dialog{host};
};

TEST_F(RasterDlgTest, RefusesValuesOutsideItsRangeAndStaysOpen) {
  struct Try {
    const char* typed;
    const char* unit;
    const char* message;  // empty: accepted
  };
  // clang-format off
  const Try tries[] = {
      {"10.1",   "RB_mm",  "The grid must not exceed 10 mm."},
      {"0.0009", "RB_mm",  "The grid must be at least 0.001 mm."},
      {"400",    "RB_mil", "The grid must not exceed 393.7 mil."},
      {"10",     "RB_mm",  ""},
  };
  // clang-format on
  bool stayedOpen = true;
  onNextDialog<TRasterDlg>([&](TRasterDlg& dlg) {
    auto* value = dlg.findChild<QLineEdit*>("E_Raster");
    for (const Try& t : tries) {
      value->setText(t.typed);
      dlg.findChild<QRadioButton*>(t.unit)->setChecked(true);
      dlg.findChild<QPushButton*>("B_OK")->click();
      if (*t.message == '\0') break;
      stayedOpen = stayedOpen && dlg.isVisible();
      ASSERT_FALSE(host.messages.empty());
      EXPECT_EQ(host.messages.back().text, t.message);
    }
  });
  EXPECT_EQ(dialog.execute(), 10000100);  // 10 mm keeps its digits: not 0.010 mm
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(host.messages.size(), 3u);
}

TEST_F(RasterDlgTest, TakesDigitsAndOneSeparatorAsFarAsTheCodeHoldsThem) {
  auto* value = dialog.findChild<QLineEdit*>("E_Raster");
  QTest::keyClicks(value, "1,2,5x3");
  EXPECT_EQ(value->text(), "1.253");
  value->clear();
  QTest::keyClicks(value, "1234567");
  EXPECT_EQ(value->text(), "123456");
  // A typed digit replaces the selection, so there is room for it.
  value->setSelection(0, 3);
  QTest::keyClicks(value, "9");
  EXPECT_EQ(value->text(), "9456");
}

TEST_F(RasterDlgTest, CancelGivesNothing) {
  onNextDialog<TRasterDlg>([](TRasterDlg& dlg) { dlg.reject(); });
  EXPECT_EQ(dialog.execute(), std::nullopt);
}

}  // namespace
}  // namespace pravelo
