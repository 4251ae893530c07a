#pragma once

#include <QDialog>
#include <optional>

#include "base/host.h"
#include "document/board_header.h"
#include "manufacturing/image_export.h"

class QLabel;
class QRadioButton;
class QSlider;

namespace pravelo {

// The raster image export: resolution step and colour, with the picture's size and memory need
// shown before anything is drawn. Asks before a large picture.
class TExportDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TExportDlg(Host& host, QWidget* parent = nullptr);

  // Shows the dialog for a board of `header`'s size, starting from `choice`; the choice the
  // user accepted, or nothing.
  std::optional<ImageChoice> execute(const BoardHeader& header, const ImageChoice& choice);

 signals:
  void helpRequested(int topic);

 private:
  ImageChoice choice() const;
  void refresh();
  void confirm();

  Host& host_;
  BoardHeader header_;
  ImageFormat format_ = ImageFormat::Bitmap;
  QLabel* size_;
  QLabel* pixels_;
  QLabel* resolution_;
  QLabel* memory_;
  QSlider* step_;
  QRadioButton* colour_;
  QRadioButton* blackWhite_;
};

}  // namespace pravelo
