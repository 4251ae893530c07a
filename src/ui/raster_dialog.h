#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "base/host.h"
#include "view/grid_code.h"

class QLineEdit;
class QRadioButton;

namespace pravelo {

// The grid dialog: a value and its unit (mm, µm, mil), between 0.001 mm and 10 mm. A value out
// of range is refused with a message and the dialog stays open.
class TRasterDlg : public QDialog {
 public:
  TRasterDlg(Host& host, QWidget* parent = nullptr);

  // The grid value code of the entered value; none when cancelled.
  std::optional<std::int32_t> execute();

  void accept() override;

 private:
  GridUnit unit() const;

  Host& host_;
  QLineEdit* value_;
  QRadioButton* mm_;
  QRadioButton* um_;
  QRadioButton* mil_;
  std::int32_t code_ = 0;
};

}  // namespace pravelo
