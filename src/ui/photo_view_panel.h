#pragma once

#include <QGroupBox>

#include "view/photo_options.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace pravelo {

// The photo view's options, docked above the drawing area while the view is on: the side, the
// silkscreen and X-ray switches, the board colour and the finish of exposed copper. Every change
// is reported at once.
class TRealAnsichtDlg : public QGroupBox {
  Q_OBJECT

 public:
  explicit TRealAnsichtDlg(QWidget* parent = nullptr);

  // Shows `options` without reporting a change.
  void showOptions(const PhotoOptions& options);
  PhotoOptions options() const;

 signals:
  void optionsChanged(const PhotoOptions& options);

 private:
  void report();

  QRadioButton* top_;
  QRadioButton* bottom_;
  QCheckBox* silkscreen_;
  QCheckBox* xRay_;
  QComboBox* board_;
  QComboBox* finish_;
  bool showing_ = false;
};

}  // namespace pravelo
