#pragma once

#include <QDialog>
#include <optional>

#include "base/host.h"
#include "project/board_commands.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;

namespace pravelo {

// The board page of the properties: width, height, name and the multilayer switch.
class TBoardPropertiesDlg : public QDialog {
 public:
  TBoardPropertiesDlg(Host& host, QWidget* parent = nullptr);

  // Shows the board's values; the entered ones on OK.
  std::optional<BoardProperties> execute(const Board& board);

 private:
  void multilayerToggled(bool on);

  Host& host_;
  const Board* board_ = nullptr;
  QDoubleSpinBox* width_;
  QDoubleSpinBox* height_;
  QLineEdit* name_;
  QCheckBox* multilayer_;
};

}  // namespace pravelo
