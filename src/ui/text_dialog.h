#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "editing/text_dialog_values.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pravelo {

// The text dialog: content, height, thickness, orientation, style, mirroring and automatic
// numbering of a stroke text.
class TLinienText : public QDialog {
  Q_OBJECT

 public:
  explicit TLinienText(QWidget* parent = nullptr);

  // Shows the dialog filled with `values` modally; the edited values on OK.
  std::optional<TextDialogValues> execute(const TextDialogValues& values);

 private:
  void fill(const TextDialogValues& values);
  TextDialogValues read() const;
  int thickness() const;
  void heightLeft();

  TextDialogValues shown_;
  double heightAsShown_ = 0;  // the height field rounds to its decimals
  QLineEdit* text_;
  QDoubleSpinBox* height_;
  std::array<QRadioButton*, 3> thickness_{};
  QSpinBox* rotation_;
  std::array<QRadioButton*, 3> style_{};
  QCheckBox* mirrorHorizontal_;
  QCheckBox* mirrorVertical_;
  QCheckBox* addNumber_;
  QSpinBox* start_;
};

// The window's answer to the editor's request for the text dialog.
std::optional<TextDialogValues> runTextDialog(QWidget* parent, const TextDialogValues& initial);

}  // namespace pravelo
