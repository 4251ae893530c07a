#include "ui/print_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "manufacturing/bmp_file.h"
#include "project/save_commands.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/print_preview.h"
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
    // A red scan of 4 mm x 2 mm, 10 mm right of and 5 mm below the board's top-left corner.
    ImageRaster scan{40, 20, true, 254, 40 * 3, {}};
    for (int i = 0; i < 40 * 20; ++i) scan.data.insert(scan.data.end(), {255, 0, 0});
    testing::writeBytes((config.root() / "Layouts" / "scan.bmp").string(), bmpFileBytes(scan));
    board->header.templateFile[0] = (config.root() / "Layouts" / "scan.bmp").string();
    board->header.templateDpi[0] = 254;
    board->header.templateOffsetX[0] = 100;
    board->header.templateOffsetY[0] = 50;
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

// A colour panel beside each enabled box; its colour comes from the chooser, is drawn in the
// preview and goes back to the settings with the grid when the dialog closes.
TEST_F(PrintCommands, ColourPanelsChooseTheLayerColoursKeptInTheSettings) {
  std::vector<Rgb> asked;
  dialog->setColourChooser([&asked](Rgb current, QWidget*) -> std::optional<Rgb> {
    asked.push_back(current);
    return Rgb{0x12, 0x34, 0x56};
  });
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    for (const char* name : {"P_K1", "P_B1"}) {
      EXPECT_TRUE(child<QWidget>(d, name)->isVisibleTo(&d)) << name;
    }
    for (const char* name : {"P_K2", "P_B2", "P_I1", "P_I2", "P_U", "P_LS1", "P_LS2", "P_BP"}) {
      EXPECT_FALSE(child<QWidget>(d, name)->isVisibleTo(&d)) << name;
    }
    QWidget* panel = child<QWidget>(d, "P_B1");
    child<QCheckBox>(d, "CB_SW")->setChecked(true);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(d.options().colours[kLayerS1 - 1], (Rgb{255, 0, 0})) << "not in black and white";
    child<QCheckBox>(d, "CB_SW")->setChecked(false);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(d.options().colours[kLayerS1 - 1], (Rgb{0x12, 0x34, 0x56}));
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    child<QCheckBox>(d, "CB_Gitter")->setChecked(false);
    d.reject();
  });
  testing::trigger(*window, "TB_Print");
  EXPECT_EQ(asked, std::vector<Rgb>{(Rgb{255, 0, 0})}) << "once, with the colour of S1";
  EXPECT_EQ(window->settings().print.B1, 0x563412);
  EXPECT_EQ(window->settings().print.K1, 0);
  EXPECT_FALSE(window->settings().print.Gitter);
}

// Dragging with the left button moves the image by the mouse movement on the sheet.
TEST_F(PrintCommands, DraggingThePreviewMovesThePageOffset) {
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    auto* preview = child<PrintPreview>(d, "PB_Vorschau");
    EXPECT_EQ(preview->cursor().shape(), Qt::SizeAllCursor);
    const double fit = preview->pixelsPerMm();
    ASSERT_GT(fit, 0);
    const double x = d.options().offsetXMm;
    const double y = d.options().offsetYMm;
    QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 80), preview->mapToGlobal(QPointF(130, 80)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(preview, &move);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(130, 80));
    EXPECT_NEAR(d.options().offsetXMm, x + 30 / fit, 1e-9);
    EXPECT_NEAR(d.options().offsetYMm, y - 20 / fit, 1e-9);
    QMouseEvent hover(QEvent::MouseMove, QPointF(160, 90), preview->mapToGlobal(QPointF(160, 90)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(preview, &hover);
    EXPECT_NEAR(d.options().offsetXMm, x + 30 / fit, 1e-9) << "moving without the button";
    d.reject();
  });
  testing::trigger(*window, "TB_Print");
}

// "Grid": three silver lines each way at the quarters of the printable area, in the preview.
TEST_F(PrintCommands, TheGridDividesThePrintableAreaInQuarters) {
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    auto* preview = child<PrintPreview>(d, "PB_Vorschau");
    const QRectF area =
        QPrinter(QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Millimeter);
    const double fit = preview->pixelsPerMm();
    const QPointF corner = preview->sheetCorner();
    // Silver columns along a row below the board, near where the quarters should be.
    const auto silverAt = [&](const QImage& image, double mm) {
      const int x = static_cast<int>(corner.x() + mm * fit);
      const int y = static_cast<int>(corner.y() + (area.top() + area.height() * 0.9) * fit);
      for (int dx = -1; dx <= 1; ++dx) {
        if (image.pixelColor(x + dx, y) == QColor(192, 192, 192)) return true;
      }
      return false;
    };
    const QImage withGrid = preview->grab().toImage();
    for (int quarter = 1; quarter <= 3; ++quarter) {
      EXPECT_TRUE(silverAt(withGrid, area.left() + area.width() * quarter / 4)) << quarter;
    }
    EXPECT_FALSE(silverAt(withGrid, area.left() + area.width() * 3 / 8));
    child<QCheckBox>(d, "CB_Gitter")->setChecked(false);
    EXPECT_FALSE(silverAt(preview->grab().toImage(), area.left() + area.width() / 4));
    d.reject();
  });
  testing::trigger(*window, "TB_Print");
}

// "Scanned copy" puts the board's scan under the layers at its real size: 4 mm x 2 mm at
// 10 mm, 5 mm from the board's corner, which the 300 dpi clipboard picture shows.
TEST_F(PrintCommands, TheScannedCopyIsPrintedWhereTheBoardPutsIt) {
  const auto pixelOfClipboard = [this](bool scannedCopy, int x, int y) {
    testing::onNextDialog<TPrint_Dlg>([scannedCopy](TPrint_Dlg& d) {
      child<QCheckBox>(d, "CB_Vorlage")->setChecked(scannedCopy);
      child<QPushButton>(d, "B_Clipboard")->click();
      d.reject();
    });
    testing::trigger(*window, "TB_Print");
    return QGuiApplication::clipboard()->image().pixelColor(x, y);
  };
  constexpr double kDotsPerMm = 300 / 25.4;
  const int inside = static_cast<int>(12 * kDotsPerMm);  // 12 mm, 6 mm
  const int row = static_cast<int>(6 * kDotsPerMm);
  EXPECT_EQ(pixelOfClipboard(false, inside, row), QColor(Qt::white));
  EXPECT_EQ(pixelOfClipboard(true, inside, row), QColor(Qt::red));
  EXPECT_EQ(pixelOfClipboard(true, static_cast<int>(9.5 * kDotsPerMm), row), QColor(Qt::white));
  EXPECT_EQ(pixelOfClipboard(true, static_cast<int>(14.5 * kDotsPerMm), row), QColor(Qt::white));
  EXPECT_EQ(pixelOfClipboard(true, inside, static_cast<int>(7.5 * kDotsPerMm)), QColor(Qt::white));
}

// "&Setup...": the page setup of the dialog's printer; the orientation buttons follow it.
TEST_F(PrintCommands, SetupChangesThePrintersOrientation) {
  testing::onNextDialog<TPrint_Dlg>([](TPrint_Dlg& d) {
    EXPECT_TRUE(child<QRadioButton>(d, "RB_Hochformat")->isChecked());
    onNamedDialog("QPageSetupDialog", [](QDialog& setup) {
      auto* landscape = setup.findChild<QRadioButton*>("landscape");
      ASSERT_NE(landscape, nullptr);
      landscape->click();
      setup.accept();
    });
    child<QPushButton>(d, "SetupBtn")->click();
    EXPECT_TRUE(child<QRadioButton>(d, "RB_Querformat")->isChecked());
    EXPECT_NEAR(d.options().pageWidthMm, 297, 0.5);
    d.reject();
  });
  testing::trigger(*window, "TB_Print");
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
