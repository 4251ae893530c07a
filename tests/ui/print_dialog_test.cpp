#include "ui/print_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "project/save_commands.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace pravelo {
namespace {

using testing::child;
using testing::ScriptedHost;

// Runs `handle` on the modal dialog of that object name once it is shown.
void onNamedDialog(const char* name, std::function<void(QDialog&)> handle) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, name, handle] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != name) return;
    timer->stop();
    timer->deleteLater();
    handle(*dialog);
  });
  timer->start(5);
}

std::string printTestTool(const std::string& command) {
  return testing::runExternalTool(command).first;
}

class PrintCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(config.root() / "Layouts");
    Document doc;
    auto board = std::make_unique<Board>();
    board->name = "Main";
    board->header = newBoardHeader(1000000, 600000);  // 100 mm x 60 mm
    testing::add(*board, testing::strokeTrack(200000, -300000, 800000, -300000, kLayerC1));
    testing::add(*board, testing::strokeTrack(200000, -100000, 800000, -100000, kLayerS1));
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    ASSERT_TRUE(writeDocumentFile(doc, layout));
    before = testing::fileBytes(layout);
    window = std::make_unique<MainWindow>(config.start(), &host);
    window->start(layout);
    dialog = window->findChild<TPrint_Dlg*>("TPrint_Dlg");
    ASSERT_NE(dialog, nullptr);
    dialog->setPrinterChooser([this](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf));
      return true;
    });
  }

  testing::TempConfig config;
  ScriptedHost host;
  std::string layout = (config.root() / "Layouts" / "board.pvb6").string();
  std::string pdf = (config.root() / "board.pdf").string();
  std::string before;
  std::unique_ptr<MainWindow> window;
  TPrint_Dlg* dialog = nullptr;
};

TEST_F(PrintCommands, TheBoardEnablesItsLayersAndCalibrationRefusesFactorsOutOfRange) {
  testing::onNextDialog<TPrint_Dlg>([this](TPrint_Dlg& d) {
    EXPECT_EQ(d.windowTitle().isEmpty(), false);
    for (const char* name : {"CB_K1", "CB_B1"}) {
      EXPECT_TRUE(child<QCheckBox>(d, name)->isEnabled() && child<QCheckBox>(d, name)->isChecked())
          << name;
    }
    for (const char* name : {"CB_K2", "CB_B2", "CB_I1", "CB_U", "CB_LS2", "CB_BP"}) {
      EXPECT_FALSE(child<QCheckBox>(d, name)->isEnabled()) << name;
    }
    onNamedDialog("TKorrekturDlg", [this](QDialog& calibration) {
      child<QLineEdit>(calibration, "E_X")->setText("1.3");
      child<QPushButton>(calibration, "B_OK")->click();
      EXPECT_TRUE(calibration.isVisible()) << "stays open";
      EXPECT_EQ(host.messages.size(), 1u);
      child<QLineEdit>(calibration, "E_X")->setText("1,1");
      child<QPushButton>(calibration, "B_OK")->click();
    });
    child<QPushButton>(d, "KorrekturBtn")->click();
    EXPECT_DOUBLE_EQ(d.options().factorX, 1.1);
    child<QRadioButton>(d, "SB_Untereinander")->setChecked(true);
    EXPECT_TRUE(child<QCheckBox>(d, "CB_UntenSpiegeln")->isVisibleTo(&d));
    child<QPushButton>(d, "CancelBtn")->click();
  });
  testing::trigger(*window, "TB_Print");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Bitte Werte von 0,8 bis 1,2 eingeben");
  EXPECT_EQ(dialog->options().arrangement, PrintArrangement::BelowEachOther);
}

TEST_F(PrintCommands, MaskOffsetsAndTheInfoLineAreKeptForTheSettingsFile) {
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    onNamedDialog("TPrintOptionsDlg", [](QDialog& options) {
      EXPECT_DOUBLE_EQ(child<QDoubleSpinBox>(options, "SE_Sonstige")->value(), 0.1);
      child<QDoubleSpinBox>(options, "SE_Pads")->setValue(0.25);
      child<QPushButton>(options, "B_OK")->click();
    });
    child<QPushButton>(d, "B_Options")->click();
    child<QCheckBox>(d, "CB_Infozeile")->setChecked(false);
    d.reject();
  });
  testing::trigger(*window, "TB_Print");
  EXPECT_EQ(window->settings().print.LS_LA, 2500);
  EXPECT_FALSE(window->settings().print.Infozeile);
}

TEST_F(PrintCommands, ClipboardGetsA300DpiPictureOfTheBoard) {
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    child<QPushButton>(d, "B_Clipboard")->click();
    d.reject();
  });
  testing::trigger(*window, "TB_Print");
  const QImage image = QGuiApplication::clipboard()->image();
  EXPECT_EQ(image.width(), 1181);  // 100 mm at 300 dpi
  EXPECT_EQ(image.height(), 709);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Die Bitmap der Vorschau wurde in die Zwischenablage kopiert.");
}

// The printout through Qt's PDF printer measures what it should when poppler reads it back.
TEST_F(PrintCommands, PrintsToPdfAtTrueScaleAndLeavesTheDocumentAlone) {
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    child<QCheckBox>(d, "Rahmen")->setChecked(true);
    child<QCheckBox>(d, "CB_Infozeile")->setChecked(false);
    child<QPushButton>(d, "B_Print")->click();
    d.reject();
  });
  testing::trigger(*window, "Drucken1");
  ASSERT_EQ(testing::fileBytes(pdf).substr(0, 5), "%PDF-");
  EXPECT_EQ(testing::fileBytes(layout), before);
  EXPECT_FALSE(window->document().modified);
  if (!testing::hasExternalTool("pdftoppm")) return;
  const std::string pgm = (config.root() / "page.pgm").string();
  printTestTool("pdftoppm -r 254 -gray -aa no -aaVector no '" + pdf + "' > '" + pgm + "'");
  // The board's outline: its rightmost dark column minus its leftmost one.
  const std::string bytes = testing::fileBytes(pgm);
  std::istringstream in(bytes);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();
  const std::size_t start = static_cast<std::size_t>(in.tellg());
  int left = width;
  int right = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (static_cast<unsigned char>(bytes[start + static_cast<std::size_t>(y) * width + x]) <
          128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  EXPECT_NEAR(right - left, 1000, 3);

  // With the info line, the title and the scale are on the page.
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    child<QCheckBox>(d, "CB_Infozeile")->setChecked(true);
    child<QPushButton>(d, "B_Print")->click();
    d.reject();
  });
  testing::trigger(*window, "Drucken1");
  if (!testing::hasExternalTool("pdftotext")) return;
  EXPECT_NE(printTestTool("pdftotext '" + pdf + "' -").find("board.pvb6 [Main] - 100 %"),
            std::string::npos);
}

}  // namespace
}  // namespace pravelo
