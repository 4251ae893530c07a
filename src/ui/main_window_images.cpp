// The picture export of the active board: BMP, GIF and JPEG through the export dialog, EMF and
// SVG straight to the file chooser.
#include <QApplication>
#include <filesystem>

#include "app/layout_folder.h"
#include "document/document_texts.h"
#include "manufacturing/image_export.h"
#include "ui/export_dialog.h"
#include "ui/main_window.h"

namespace pravelo {

void MainWindow::createImageDialogs() {
  exportDlg_ = new TExportDlg(*host_, this);
  connect(exportDlg_, &TExportDlg::helpRequested, this, &MainWindow::openHelp);
}

void MainWindow::N1Click() { exportImage(ImageFormat::Bitmap); }
void MainWindow::GIFExport1Click() { exportImage(ImageFormat::Gif); }
void MainWindow::JPGjpg1Click() { exportImage(ImageFormat::Jpeg); }
void MainWindow::EMFExport1Click() { exportImage(ImageFormat::Emf); }
void MainWindow::SVGExport1Click() { exportImage(ImageFormat::Svg); }

void MainWindow::exportImage(ImageFormat format) {
  const Board& board = activeBoard(doc_);
  OptionenSettings& stored = start_.settings.optionen;
  ImageChoice choice{format, stored.ExportBitmapDPI, stored.ExportBitmapFarbe};
  if (isRasterFormat(format)) {
    const std::optional<ImageChoice> chosen = exportDlg_->execute(board.header, choice);
    if (!chosen) return;
    choice = *chosen;
    stored.ExportBitmapDPI = choice.step;
    stored.ExportBitmapFarbe = choice.colour;
    const std::string problem = imageSizeProblem(format, imagePixels(board.header, choice.step),
                                                 choice.colour, physicalMemoryBytes());
    if (!problem.empty()) {
      host_->showMessage(problem, pravelo::tr(texts::productName), MessageIcon::Warning);
      return;
    }
  } else {
    choice.colour = true;  // vector pictures keep the colour scheme
  }
  FolderSettings& folders = start_.settings.ordner;
  std::string& last = folders.EqualDir ? folders.Layout_Last : folders.Bitmap_Last;
  const std::string folder =
      !folders.Bitmap.empty() ? folders.Bitmap : existingFolderOr(last, layoutFolder());
  const std::string preset =
      (doc_.fileName.empty() ? std::string("Board")
                             : std::filesystem::path(doc_.fileName).stem().string()) +
      "." + imageFileSuffix(format);
  const auto path = choosers_.saveImage(folder, preset, format);
  if (!path) return;
  last = std::filesystem::path(*path).parent_path().string();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const ImageFile picture = imageFile(board, scheme_, renderOptions_, choice);
  QApplication::restoreOverrideCursor();
  if (!picture.problem.empty()) {
    host_->showMessage(picture.problem, pravelo::tr(texts::productName), MessageIcon::Warning);
    return;
  }
  writeOutputFile(*path, picture.bytes);
}

}  // namespace pravelo
