#include "ui/excellon_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/drill_dialog_texts.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

constexpr int kExcellonHelpTopic = 46;

template <class Button>
Button* button(const char* name, const Text& caption, QWidget* parent) {
  auto* b = new Button(qtr(caption), parent);
  b->setObjectName(name);
  return b;
}

QGroupBox* group(const Text& caption, std::initializer_list<QWidget*> members, QWidget* parent) {
  auto* box = new QGroupBox(qtr(caption), parent);
  auto* layout = new QVBoxLayout(box);
  for (QWidget* w : members) layout->addWidget(w);
  return box;
}

}  // namespace

TLochDlg::TLochDlg(const ExcellonSettings& stored, QWidget* parent)
    : QDialog(parent),
      simple_(button<QCheckBox>("CB_Bohrungen", texts::lochSimpleDrillings, this)),
      vias_(button<QCheckBox>("CB_Vias", texts::lochThroughHoles, this)),
      mm32_(button<QRadioButton>("RB_MM32", texts::lochMm32, this)),
      mm33_(button<QRadioButton>("RB_MM33", texts::lochMm33, this)),
      inch_(button<QRadioButton>("RB_Zoll", texts::lochInch, this)),
      deleteZeros_(button<QCheckBox>("CB_LeadingZero", texts::lochDeleteLeadingZeros, this)),
      decimalPoint_(button<QCheckBox>("cb_MitKomma", texts::lochDecimalPoint, this)),
      top_(button<QRadioButton>("RB_Best", texts::lochTop, this)),
      bottomGerber_(button<QRadioButton>("RB_Kupfer", texts::lochBottomGerber, this)),
      bottomMilling_(button<QRadioButton>("RB_Kupfer_HPGL", texts::lochBottomHpgl, this)),
      sort_(button<QCheckBox>("CB_Sortieren", texts::lochSort, this)),
      m71_(button<QCheckBox>("CB_M71", texts::lochM71, this)),
      noG90_(button<QCheckBox>("CB_NoG90", texts::lochNoG90, this)),
      noComments_(button<QCheckBox>("CB_NoComments", texts::lochNoComments, this)) {
  setObjectName("TLochDlg");
  setWindowTitle(qtr(texts::lochCaption));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(qtr(texts::buttonOk), QDialogButtonBox::AcceptRole)->setObjectName("B_OK");
  buttons->addButton(qtr(texts::lochCancel), QDialogButtonBox::RejectRole)
      ->setObjectName("B_Cancel");
  buttons->addButton(qtr(texts::buttonHelp), QDialogButtonBox::HelpRole)->setObjectName("B_Help");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kExcellonHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(qtr(texts::lochHeading), this));
  layout->addWidget(group(texts::lochHoles, {simple_, vias_}, this));
  layout->addWidget(
      group(texts::lochFormat, {mm32_, mm33_, inch_, deleteZeros_, decimalPoint_}, this));
  layout->addWidget(group(texts::lochSide, {top_, bottomGerber_, bottomMilling_}, this));
  layout->addWidget(group(texts::lochOptions, {sort_, m71_, noG90_, noComments_}, this));
  layout->addWidget(buttons);

  // Radio buttons exclude each other within their group box, so they are set once placed.
  simple_->setChecked(true);
  vias_->setChecked(true);
  mm32_->setChecked(stored.MM32);
  mm33_->setChecked(!stored.MM32 && stored.MM33);
  inch_->setChecked(!stored.MM32 && !stored.MM33);
  deleteZeros_->setChecked(stored.Zero);
  decimalPoint_->setChecked(stored.Komma);
  top_->setChecked(true);
  sort_->setChecked(true);
  m71_->setChecked(stored.M71);
  noG90_->setChecked(stored.G90);
  noComments_->setChecked(stored.Kommentare);
}

ExcellonOptions TLochDlg::options() const {
  ExcellonOptions o;
  o.selection.simpleHoles = simple_->isChecked();
  o.selection.vias = vias_->isChecked();
  o.selection.sorted = sort_->isChecked();
  o.format = mm32_->isChecked()   ? ExcellonFormat::Mm32
             : mm33_->isChecked() ? ExcellonFormat::Mm33
                                  : ExcellonFormat::Inch24;
  o.deleteLeadingZeros = deleteZeros_->isChecked();
  o.decimalPoint = decimalPoint_->isChecked();
  o.side = bottomGerber_->isChecked()    ? DrillSide::BottomGerber
           : bottomMilling_->isChecked() ? DrillSide::BottomMilling
                                         : DrillSide::Top;
  o.m71 = m71_->isChecked();
  o.noG90 = noG90_->isChecked();
  o.noComments = noComments_->isChecked();
  return o;
}

std::optional<ExcellonOptions> TLochDlg::execute() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return options();
}

}  // namespace pravelo
