#pragma once

#include <QDialog>
#include <array>

#include "base/host.h"
#include "project/new_board.h"

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolButton;

namespace pravelo {

// The new-board dialog: an empty working area, or one with a rectangular or a round outline.
// Created once; its fields keep their values for the whole run.
class TNeuDlg : public QDialog {
  Q_OBJECT

 public:
  TNeuDlg(Host& host, QWidget* parent = nullptr);

  // Shows the dialog modally; true on OK. `originAtTop` turns the mode pictures so that their
  // origin marker sits where new boards get their origin.
  bool execute(bool originAtTop);
  const NewBoardValues& values() const { return values_; }

 signals:
  void helpRequested(int topic);

 private:
  void chooseMode(NewBoardMode mode);
  void readFields();
  void showResultingSizes();
  void showPictures(bool originAtTop);
  void okClick();

  Host& host_;
  NewBoardValues values_;
  std::array<QToolButton*, 3> modeButtons_{};
  std::array<QLabel*, 3> modeCaptions_{};
  QStackedWidget* pages_;
  QDoubleSpinBox* emptyX_;
  QDoubleSpinBox* emptyY_;
  QDoubleSpinBox* rectX_;
  QDoubleSpinBox* rectY_;
  QDoubleSpinBox* rectMargin_;
  QDoubleSpinBox* roundDiameter_;
  QDoubleSpinBox* roundMargin_;
  QLabel* rectResultX_;
  QLabel* rectResultY_;
  QLabel* roundResultX_;
  QLabel* roundResultY_;
  QLineEdit* name_;
};

}  // namespace pravelo
