#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>

#include "editing/tile_values.h"

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pravelo {

class TPvbSpinEdit;

// The preview area: the objects the dialog's builder makes, scaled to fit.
class TilePreview : public QWidget {
  Q_OBJECT

 public:
  explicit TilePreview(QWidget* parent = nullptr);
  void show(ObjectList objects);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ObjectList objects_;
};

// The tile dialog: copies of the selection in rows and columns or around a circle, with a live
// preview. The field rules live in the core; this only shows and reads the fields.
class TKachel2Dlg : public QDialog {
  Q_OBJECT

 public:
  explicit TKachel2Dlg(const TileDialog& dialog, QWidget* parent = nullptr);

  TileValues values() const;

 private:
  void fill(const TileValues& v);
  void countChanged(QSpinBox* changed, QSpinBox* other);
  void stepPad(int step);
  void refresh();

  const TileDialog& dialog_;
  int padIndex_ = 0;
  bool filling_ = false;
  QRadioButton* tileMode_;
  QRadioButton* circularMode_;
  QGroupBox* tileGroup_;
  QGroupBox* circleGroup_;
  QSpinBox* columns_;
  QSpinBox* rows_;
  TPvbSpinEdit* columnDistance_;
  TPvbSpinEdit* rowDistance_;
  QLabel* maximum_;
  QSpinBox* count_;
  QDoubleSpinBox* radius_;
  QDoubleSpinBox* angle_;
  QCheckBox* rotate_;
  QDoubleSpinBox* startX_;
  QDoubleSpinBox* startY_;
  QPushButton* centre_;
  QPushButton* padMinus_;
  QPushButton* padPlus_;
  QLabel* pads_;
  QLabel* angleRange_;
  TilePreview* preview_;
};

// The window's answer to the editor's request for the tile dialog.
std::optional<TileValues> runTileDialog(QWidget* parent, const TileDialog& dialog);

}  // namespace pravelo
