#pragma once

#include <QDialog>
#include <vector>

#include "manufacturing/pick_place_file.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace pravelo {

// The component data export: columns and their order, separator, unit, decimals, side texts and
// filters, with a preview rebuilt on every change. "Export..." accepts; the format is kept in
// the settings record it is given, the filters for the rest of the run.
class TBT_ExportDlg : public QDialog {
  Q_OBJECT

 public:
  // `settings` must outlive the dialog.
  explicit TBT_ExportDlg(ComponentExportSettings& settings, QWidget* parent = nullptr);

  // Previews `rows` of a board with `header`; true when the user chose to export.
  bool execute(std::vector<PickPlaceRow> rows, const BoardHeader& header, bool camOrigin);
  void showRows(std::vector<PickPlaceRow> rows, const BoardHeader& header, bool camOrigin);
  PickPlaceOptions options() const;
  QString previewText() const;

 private:
  void columnSwitched(int code, bool on);
  void rebuild();

  ComponentExportSettings& settings_;
  std::vector<PickPlaceRow> rows_;
  BoardHeader header_;
  bool camOrigin_ = true;
  QListWidget* order_;
  QRadioButton* comma_;
  QRadioButton* semicolon_;
  QRadioButton* tab_;
  QComboBox* unit_;
  QSpinBox* decimals_;
  QCheckBox* stripZeros_;
  QLineEdit* topText_;
  QLineEdit* bottomText_;
  QCheckBox* rotationPrefix_;
  QCheckBox* smd_;
  QCheckBox* throughHole_;
  QCheckBox* top_;
  QCheckBox* bottom_;
  QCheckBox* pickPlaceOnly_;
  QPlainTextEdit* preview_;
};

}  // namespace pravelo
