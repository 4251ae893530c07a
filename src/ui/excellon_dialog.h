#pragma once

#include <QDialog>
#include <optional>

#include "manufacturing/excellon_file.h"
#include "settings/settings.h"

class QCheckBox;
class QRadioButton;

namespace pravelo {

// The Excellon export options. The format, zeros and header switches start from the settings;
// every control keeps its value between uses.
class TLochDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TLochDlg(const ExcellonSettings& stored, QWidget* parent = nullptr);

  // The options the controls show now.
  ExcellonOptions options() const;
  // Shows the dialog; the chosen options on OK.
  std::optional<ExcellonOptions> execute();

 signals:
  void helpRequested(int topic);

 private:
  QCheckBox* simple_;
  QCheckBox* vias_;
  QRadioButton* mm32_;
  QRadioButton* mm33_;
  QRadioButton* inch_;
  QCheckBox* deleteZeros_;
  QCheckBox* decimalPoint_;
  QRadioButton* top_;
  QRadioButton* bottomGerber_;
  QRadioButton* bottomMilling_;
  QCheckBox* sort_;
  QCheckBox* m71_;
  QCheckBox* noG90_;
  QCheckBox* noComments_;
};

}  // namespace pravelo
