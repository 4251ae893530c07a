#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "document/document.h"
#include "manufacturing/gerber_import.h"
#include "manufacturing/gerber_import_run.h"
#include "view/colour_scheme.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pravelo {

// The Gerber import: seven Gerber files by layer and a drill file, read into private object
// lists as they are chosen and shown together in a preview; "Import..." hands the request to
// `run`, and the dialog closes once the import is done.
class TGerberImport_Dlg : public QDialog {
  Q_OBJECT

 public:
  using Run = std::function<ImportOutcome(const GerberImportRequest&, bool newBoard)>;
  // The Gerber rows come first, the drill file after them.
  static constexpr int kDrillSlot = 7;
  TGerberImport_Dlg(Run run, QWidget* parent = nullptr);

  void execute(const ColourScheme& scheme);
  // A file for slot 0 ... 6 (the Gerber rows in the dialog's order) or 7 (the drill file);
  // empty clears the slot. The slot is read again and the preview redrawn.
  void setSlotFile(int slot, const std::string& path);
  GerberImportRequest request() const;
  bool newBoard() const;
  // Whether the slot gave objects (its field is then shown in black).
  bool slotFilled(int slot) const {
    return slot == kDrillSlot ? !hits_.empty() : !slots_[slot].empty();
  }
  // "Auto..." of the unit and of the number format; `silent` leaves out the message that the
  // suppression could not be detected.
  void detectUnit();
  void detectSuppression(bool silent);
  void import();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  void chooseFile(int slot);
  void readSlot(int slot);
  void readDrillSlot();
  void drillFormatChanged();
  void showFormatExample();
  void redrawPreview();
  ExcellonReadSettings drillSettings() const;

  Run run_;
  ColourScheme scheme_;
  std::array<QLineEdit*, kDrillSlot + 1> files_{};
  std::array<QLabel*, kDrillSlot> swatches_{};
  std::array<ObjectList, kDrillSlot> slots_;
  std::vector<DrillHit> hits_;
  QRadioButton* inch_;
  QRadioButton* mm_;
  QSpinBox* integerDigits_;
  QSpinBox* decimalDigits_;
  QComboBox* suppression_;
  QLabel* formatExample_;
  QRadioButton* newBoard_;
  QRadioButton* currentBoard_;
  QCheckBox* createVias_;
  QCheckBox* optimize_;
  QLabel* preview_;
  bool reading_ = false;
};

}  // namespace pravelo
