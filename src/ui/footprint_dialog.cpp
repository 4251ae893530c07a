#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/units.h"
#include "document/object_list.h"
#include "ui/dialog_buttons.h"
#include "ui/generator_dialog_texts.h"
#include "ui/generator_dialogs.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/tile_dialog.h"

namespace pravelo {

namespace {

TPvbSpinEdit* footprintLengthField(const char* name, double maxMm, bool mil, QWidget* parent) {
  auto* field = new TPvbSpinEdit(parent);
  field->setObjectName(name);
  field->setMIL(mil);
  field->setNachkommaStellen(mil ? 1 : 2);
  field->setMin(0);
  field->setMax(static_cast<float>(mil ? mmToFieldMilLimit(maxMm) : maxMm));
  field->setStep(mil ? 1.0f : 0.01f);
  field->setMitEinheit(true);
  return field;
}

QSpinBox* footprintCountField(const char* name, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(1, kMaxFootprintCount);
  return field;
}

// The footprint wizard: every change refreshes the pattern in the clipboard and the preview.
class TBTWizardDlg : public QDialog {
 public:
  TBTWizardDlg(FootprintDialog& dialog, const HelpOpener& openHelp, QWidget* parent)
      : QDialog(parent),
        dialog_(dialog),
        type_(new QComboBox(this)),
        round_(new QRadioButton(qtr(texts::footprintRound), this)),
        smd_(new QRadioButton(qtr(texts::footprintSmd), this)),
        pad_(footprintLengthField("SE_XPad", kMaxFootprintPadMm, dialog.mil, this)),
        drill_(footprintLengthField("SE_YPad", kMaxFootprintPadMm, dialog.mil, this)),
        smdX_(footprintLengthField("SE_SMDX", kMaxFootprintPadMm, dialog.mil, this)),
        smdY_(footprintLengthField("SE_SMDY", kMaxFootprintPadMm, dialog.mil, this)),
        d_(footprintLengthField("SE_D", kMaxFootprintPitchMm, dialog.mil, this)),
        y_(footprintLengthField("SE_Y", kMaxFootprintDistanceMm, dialog.mil, this)),
        x_(footprintLengthField("SE_X", kMaxFootprintDistanceMm, dialog.mil, this)),
        horizontal_(footprintCountField("SE_HAnz", this)),
        vertical_(footprintCountField("SE_VAnz", this)),
        total_(new QLabel(this)),
        preview_(new TilePreview(this)) {
    setObjectName("TBTWizardDlg");
    setWindowTitle(qtr(texts::footprintCaption));
    type_->setObjectName("CB_Typ");
    for (const Text* t :
         {&texts::footprintSingleRow, &texts::footprintDualRow, &texts::footprintSquare,
          &texts::footprintSingleCircular, &texts::footprintDualCircular}) {
      type_->addItem(qtr(*t));
    }
    round_->setObjectName("SB_Rund");
    smd_->setObjectName("SB_SMD");
    total_->setObjectName("L_Total");
    auto* defaults = new QPushButton(qtr(texts::footprintDefault), this);
    defaults->setObjectName("B_Default");
    defaults->setAutoDefault(false);

    auto* padsBox = new QGroupBox(qtr(texts::footprintPadsGroup), this);
    auto* pads = new QFormLayout(padsBox);
    auto* kind = new QHBoxLayout;
    kind->addWidget(round_);
    kind->addWidget(smd_);
    pads->addRow(kind);
    pads->addRow(qtr(texts::footprintPadDiameter), pad_);
    pads->addRow(qtr(texts::footprintDrill), drill_);
    pads->addRow(qtr(texts::footprintSmdX), smdX_);
    pads->addRow(qtr(texts::footprintSmdY), smdY_);
    auto* countBox = new QGroupBox(qtr(texts::footprintCountGroup), this);
    auto* counts = new QFormLayout(countBox);
    counts->addRow(qtr(texts::footprintHorizontal), horizontal_);
    counts->addRow(qtr(texts::footprintVertical), vertical_);
    counts->addRow(total_);
    auto* parameterBox = new QGroupBox(qtr(texts::footprintParameters), this);
    auto* parameters = new QFormLayout(parameterBox);
    parameters->addRow("d:", d_);
    parameters->addRow("Y:", y_);
    parameters->addRow("X:", x_);

    auto* fields = new QVBoxLayout;
    fields->addWidget(type_);
    fields->addWidget(padsBox);
    fields->addWidget(countBox);
    fields->addWidget(parameterBox);
    fields->addWidget(defaults);
    auto* body = new QHBoxLayout;
    body->addLayout(fields);
    body->addWidget(preview_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    QDialogButtonBox* buttons = dialogButtons(this, true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [openHelp] { openHelp(kFootprintHelpTopic); });

    fill(dialog.values);
    connect(type_, &QComboBox::currentIndexChanged, this, &TBTWizardDlg::refresh);
    for (QRadioButton* b : {round_, smd_})
      connect(b, &QRadioButton::toggled, this, &TBTWizardDlg::refresh);
    for (TPvbSpinEdit* f : {pad_, drill_, smdX_, smdY_, d_, y_, x_}) {
      connect(f, &TPvbSpinEdit::OnEditChange, this, &TBTWizardDlg::refresh);
    }
    for (QSpinBox* f : {horizontal_, vertical_}) {
      connect(f, &QSpinBox::valueChanged, this, &TBTWizardDlg::refresh);
    }
    connect(defaults, &QPushButton::clicked, this, [this] {
      FootprintValues v = values();
      setFootprintDefaults(v);
      fill(v);
      refresh();
    });
    refresh();
  }

 private:
  void fill(const FootprintValues& v) {
    filling_ = true;
    type_->setCurrentIndex(static_cast<int>(v.type));
    (v.pads == FootprintPads::Round ? round_ : smd_)->setChecked(true);
    pad_->setValue(v.padMm);
    drill_->setValue(v.drillMm);
    smdX_->setValue(v.smdXMm);
    smdY_->setValue(v.smdYMm);
    d_->setValue(v.dMm);
    y_->setValue(v.yMm);
    x_->setValue(v.xMm);
    horizontal_->setValue(v.horizontal);
    vertical_->setValue(v.vertical);
    filling_ = false;
  }

  FootprintValues values() const {
    FootprintValues v;
    v.type = static_cast<FootprintType>(type_->currentIndex());
    v.pads = round_->isChecked() ? FootprintPads::Round : FootprintPads::Smd;
    v.padMm = pad_->value();
    v.drillMm = drill_->value();
    v.smdXMm = smdX_->value();
    v.smdYMm = smdY_->value();
    v.dMm = d_->value();
    v.yMm = y_->value();
    v.xMm = x_->value();
    v.horizontal = horizontal_->value();
    v.vertical = vertical_->value();
    return v;
  }

  void refresh() {
    if (filling_) return;
    dialog_.values = values();
    const FootprintValues& v = dialog_.values;
    const bool square = v.type == FootprintType::Square;
    vertical_->setEnabled(square);
    x_->setEnabled(square);
    y_->setEnabled(v.type == FootprintType::DualRow || square ||
                   v.type == FootprintType::DualCircular);
    const bool round = v.pads == FootprintPads::Round;
    pad_->setEnabled(round);
    drill_->setEnabled(round);
    smdX_->setEnabled(!round);
    smdY_->setEnabled(!round);
    total_->setText(QString::fromStdString(
        fillIn(texts::footprintTotal, {std::to_string(footprintPadCount(v))})));
    if (!dialog_.refresh) return;
    ObjectList shown;
    copyObjectList(objectPointers(dialog_.refresh(v)), shown);
    preview_->show(std::move(shown));
  }

  FootprintDialog& dialog_;
  bool filling_ = false;
  QComboBox* type_;
  QRadioButton* round_;
  QRadioButton* smd_;
  TPvbSpinEdit* pad_;
  TPvbSpinEdit* drill_;
  TPvbSpinEdit* smdX_;
  TPvbSpinEdit* smdY_;
  TPvbSpinEdit* d_;
  TPvbSpinEdit* y_;
  TPvbSpinEdit* x_;
  QSpinBox* horizontal_;
  QSpinBox* vertical_;
  QLabel* total_;
  TilePreview* preview_;
};

}  // namespace

bool runFootprintDialog(QWidget* parent, FootprintDialog& dialog, const HelpOpener& openHelp) {
  TBTWizardDlg window(dialog, openHelp, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace pravelo
