#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "geometry/length_text.h"

class QLabel;

namespace pravelo {

class TRasterDlg;

// "Grid values for Keys 1..9": one grid value code per digit key, each changed through the
// grid dialog; OK keeps all nine.
class TRasterHotkeysDlg : public QDialog {
 public:
  using Codes = std::array<int, 9>;

  TRasterHotkeysDlg(TRasterDlg& rasterDlg, QWidget* parent = nullptr);

  std::optional<Codes> execute(const Codes& codes, LengthUnit unit);

 private:
  void change(int key);
  void showValue(int key);

  TRasterDlg& rasterDlg_;
  Codes codes_{};
  LengthUnit unit_ = LengthUnit::Mm;
  std::array<QLabel*, 9> values_{};
};

}  // namespace pravelo
