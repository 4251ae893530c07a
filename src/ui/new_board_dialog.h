#pragma once

#include <QDialog>
#include <array>

#include "base/host.h"
#include "geometry/length_text.h"
#include "project/new_board.h"

class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolButton;

namespace pravelo {

class TPvbSpinEdit;

// The new-board dialog: an empty working area, or one with a rectangular or a round outline.
// Created once; its fields keep their values for the whole run.
class TNeuDlg : public QDialog {
  Q_OBJECT

 public:
  TNeuDlg(Host& host, QWidget* parent = nullptr);

  // Shows the dialog modally with its length fields in `unit`; true on OK. `originAtTop` turns
  // the mode pictures so that their origin marker sits where new boards get their origin.
  bool execute(bool originAtTop, LengthUnit unit = LengthUnit::Mm);
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
  LengthUnit unit_ = LengthUnit::Mm;
  std::array<QToolButton*, 3> modeButtons_{};
  std::array<QLabel*, 3> modeCaptions_{};
  QStackedWidget* pages_;
  TPvbSpinEdit* emptyX_;
  TPvbSpinEdit* emptyY_;
  TPvbSpinEdit* rectX_;
  TPvbSpinEdit* rectY_;
  TPvbSpinEdit* rectMargin_;
  TPvbSpinEdit* roundDiameter_;
  TPvbSpinEdit* roundMargin_;
  QLabel* rectResultX_;
  QLabel* rectResultY_;
  QLabel* roundResultX_;
  QLabel* roundResultY_;
  QLineEdit* name_;
};

}  // namespace pravelo
