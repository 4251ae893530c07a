#include "ui/text_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "base/text.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::onNextDialog;

using testing::child;

class TextDialogTest : public ::testing::Test {
 protected:
  // The captions are set when the dialog is made, as at start-up.
  TextDialogTest() {
    setLanguage(Language::English);
    dialog = std::make_unique<TLinienText>();
  }
  ~TextDialogTest() override { setLanguage(Language::German); }

  std::unique_ptr<TLinienText> dialog;
};

TEST_F(TextDialogTest, ShowsTheValuesAndReturnsTheEditedOnesOnOk) {
  TextDialogValues in;
  in.text =
      "Gr\xF6\xDF"
      "e";  // Windows-1252
  in.heightMm = 3;
  in.thickness = 2;
  in.style = 0;
  in.rotation = 45;
  in.mirrorHorizontal = true;
  onNextDialog<TLinienText>([](TLinienText& d) {
    EXPECT_EQ(d.windowTitle(), "Text");
    EXPECT_EQ(child<QLineEdit>(d, "E_Text")->text(), QString::fromUtf8("Größe"));
    EXPECT_DOUBLE_EQ(child<QDoubleSpinBox>(d, "SE_Hoehe")->value(), 3);
    EXPECT_TRUE(child<QRadioButton>(d, "RB_Fett")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(d, "RB_Schmal")->isChecked());
    EXPECT_EQ(child<QSpinBox>(d, "E_Winkel")->value(), 45);
    EXPECT_TRUE(child<QCheckBox>(d, "CB_Horizontal")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(d, "CB_Vertikal")->isChecked());
    EXPECT_EQ(child<QGroupBox>(d, "GB_Automatisch")->title(), "Automatic");
    EXPECT_EQ(child<QCheckBox>(d, "CB_Nummer")->text(), "Add number");

    child<QLineEdit>(d, "E_Text")->setText(QString::fromUtf8("µ1"));
    child<QDoubleSpinBox>(d, "SE_Hoehe")->setValue(1.5);
    child<QRadioButton>(d, "RB_Duenn")->click();
    child<QRadioButton>(d, "RB_Breit")->click();
    child<QPushButton>(d, "SB_270")->click();
    child<QCheckBox>(d, "CB_Horizontal")->click();
    child<QCheckBox>(d, "CB_Vertikal")->click();
    child<QCheckBox>(d, "CB_Nummer")->click();
    child<QSpinBox>(d, "E_Start")->setValue(42);
    child<QPushButton>(d, "B_OK")->click();
  });
  const auto out = dialog->execute(in);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->text,
            "\xB5"
            "1");
  EXPECT_DOUBLE_EQ(out->heightMm, 1.5);
  EXPECT_EQ(out->thickness, 0);
  EXPECT_EQ(out->style, 2);
  EXPECT_EQ(out->rotation, 270);
  EXPECT_FALSE(out->mirrorHorizontal);
  EXPECT_TRUE(out->mirrorVertical);
  EXPECT_TRUE(out->addNumber);
  EXPECT_EQ(out->startNumber, 42);
}

TEST_F(TextDialogTest, CancelReturnsNothingAndAnUntouchedHeightKeepsItsDigits) {
  onNextDialog<TLinienText>([](TLinienText& d) { child<QPushButton>(d, "B_Cancel")->click(); });
  EXPECT_FALSE(dialog->execute(TextDialogValues{}).has_value());

  TextDialogValues in;
  in.heightMm = 1.2345;
  onNextDialog<TLinienText>([](TLinienText& d) { child<QPushButton>(d, "B_OK")->click(); });
  const auto out = dialog->execute(in);
  ASSERT_TRUE(out.has_value());
  EXPECT_DOUBLE_EQ(out->heightMm, 1.2345);
}

TEST_F(TextDialogTest, EnterInTheHeightFieldConfirmsAndLeavingItAppliesTheHeightLimit) {
  for (const bool limit : {false, true}) {
    TextDialogValues in;
    in.thickness = 0;
    in.limitHeight = limit;
    onNextDialog<TLinienText>([](TLinienText& d) {
      auto* height = child<QDoubleSpinBox>(d, "SE_Hoehe");
      height->setFocus();
      height->selectAll();
      QTest::keyClicks(height, "1");
      QTest::keyClick(height, Qt::Key_Return);
    });
    const auto out = dialog->execute(in);
    ASSERT_TRUE(out.has_value()) << limit;
    EXPECT_DOUBLE_EQ(out->heightMm, limit ? 2.5 : 1.0);
  }
}

TEST(TextDialogCaption, IsTheDesignTitleInGerman) {
  setLanguage(Language::German);
  TLinienText dialog;
  EXPECT_EQ(dialog.windowTitle(), "Texteigenschaften");
  EXPECT_EQ(dialog.findChild<QRadioButton*>("RB_Duenn")->text(), QString::fromUtf8("Dünn"));
}

}  // namespace
}  // namespace pravelo
