#pragma once

#include <QDialog>

#include "editing/component_dialog.h"
#include "view/colour_scheme.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace pravelo {

class TPvbSpinEdit;

// The component dialog: the two labels of a component, which follow every change at once, and
// its pick-and-place data. The session does the work; this shows its fields and reports each
// change.
class TBezWertDlg : public QDialog {
  Q_OBJECT

 public:
  TBezWertDlg(ComponentSession& session, const ColourScheme& scheme, bool mil,
              QWidget* parent = nullptr);

  ComponentDialogEnd end() const { return end_; }

 private:
  void fill();
  void changed(ComponentField field);
  void tint();
  void showPickPlace(bool shown);
  void enablePickPlace();
  QComboBox* layerBox(const char* name, const ColourScheme& scheme);

  ComponentSession& session_;
  ComponentDialogEnd end_ = ComponentDialogEnd::Cancel;
  bool filling_ = false;
  QLineEdit* id_;
  QComboBox* idLayer_;
  QCheckBox* idVisible_;
  QLineEdit* value_;
  QComboBox* valueLayer_;
  QCheckBox* valueVisible_;
  TPvbSpinEdit* height_;
  QComboBox* style_;
  QComboBox* thickness_;
  QPushButton* align_;
  QPushButton* breakUp_;
  QPushButton* expand_;
  QGroupBox* pickPlace_;
  QCheckBox* usePickPlace_;
  QDoubleSpinBox* rotation_;
  QComboBox* centre_;
  QDoubleSpinBox* offsetX_;
  QDoubleSpinBox* offsetY_;
  QLineEdit* package_;
  QLineEdit* comment_;
  std::vector<QPushButton*> quickButtons_;
};

// The window's answer to the editor's request for the component dialog.
ComponentDialogEnd runComponentDialog(QWidget* parent, ComponentSession& session,
                                      const ColourScheme& scheme, bool mil);

}  // namespace pravelo
