#include "ui/gerber_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "base/units.h"
#include "document/document_texts.h"
#include "manufacturing/gerber_dialog_state.h"
#include "manufacturing/gerber_export.h"
#include "manufacturing/gerber_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/gerber_dialog_texts.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

// The captions of the outputs, in the order of kGerberOutputs.
const Text* const kOutputCaptions[] = {
    &texts::gerberOutC1,  &texts::gerberOutC2,   &texts::gerberOutS1,  &texts::gerberOutS2,
    &texts::gerberOutI1,  &texts::gerberOutI2,   &texts::gerberOutO,   &texts::gerberOutLS1,
    &texts::gerberOutLS2, &texts::gerberOutSMD1, &texts::gerberOutSMD2};

// The settings key of each output names its controls.
const char* const kOutputKeys[] = {"K1", "K2",  "B1",  "B2",   "I1",  "I2",
                                   "U",  "LS1", "LS2", "SMD1", "SMD2"};

QCheckBox* checkBox(const Text& caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(qtr(caption), parent);
  box->setObjectName(name);
  return box;
}

// A mask offset in millimetres, two decimals; the settings keep hundredths.
TPvbSpinEdit* offsetField(const char* name, bool mil, double low, QWidget* parent) {
  auto* field = new TPvbSpinEdit(parent);
  field->setObjectName(name);
  field->setMIL(mil);
  field->setNachkommaStellen(mil ? 1 : 2);
  const double toShown = mil ? 1000 / 25.4 : 1;
  field->setMin(static_cast<float>(low * toShown));
  field->setMax(static_cast<float>(9.99 * toShown));
  field->setStep(mil ? 1.0f : 0.01f);
  field->setMitEinheit(true);
  return field;
}

int hundredths(const TPvbSpinEdit* field) {
  return static_cast<int>(roundHalfEven(field->value() * 100));
}

std::int32_t units(int hundredthsOfMm) {
  return static_cast<std::int32_t>(mmToUnits(hundredthsOfMm / 100.0));
}

}  // namespace

TGerberDateinamenDlg::TGerberDateinamenDlg(Host& host, GerberSettings& names, SettingsStore& store,
                                           QWidget* parent)
    : QDialog(parent), host_(host), names_(names), store_(store) {
  setObjectName("TGerberDateinamenDlg");
  setWindowTitle(qtr(texts::gerberNamesCaption));
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QString("E_") + kOutputKeys[i]);
    form->addRow(qtr(*kOutputCaptions[i]), fields_[i]);
  }
  auto* defaults = new QPushButton(qtr(texts::gerberNamesDefault), this);
  defaults->setObjectName("B_Default");
  auto* buttons = dialogButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(defaults);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      names_.*kGerberOutputs[i].extension = fields_[i]->text().toStdString();
    }
    writeGerberExtensions(store_, names_);
    accept();
  });
  connect(defaults, &QPushButton::clicked, this, [this] {
    if (host_.ask(pravelo::tr(texts::gerberResetNames), pravelo::tr(texts::productName),
                  Buttons::OkCancel, MessageIcon::Question) != Answer::Ok) {
      return;
    }
    store_.eraseSection("Gerber");
    const GerberSettings standard;
    for (const GerberOutput& output : kGerberOutputs) {
      names_.*output.extension = standard.*output.extension;
    }
    show(names_);
  });
}

void TGerberDateinamenDlg::show(const GerberSettings& names) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->setText(QString::fromStdString(names.*kGerberOutputs[i].extension));
  }
}

void TGerberDateinamenDlg::execute() {
  show(names_);
  exec();
}

TGerberDlg::TGerberDlg(Host& host, AppSettings& settings, SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      host_(host),
      settings_(settings),
      prefix_(new QLineEdit(this)),
      folder_(new QLineEdit(this)),
      mirror_(checkBox(texts::gerberMirror, "CB_Spiegeln", this)),
      frame_(checkBox(texts::gerberFrame, "CB_Rahmen", this)),
      punch_(checkBox(texts::gerberPunch, "CB_Freistanzen", this)),
      centrePunch_(checkBox(texts::gerberCentrePunch, "CB_Ankoernen", this)),
      x2_(checkBox(texts::gerberX2, "CB_X2", this)),
      solderMask_(new QGroupBox(qtr(texts::gerberSolderMask), this)),
      maskPads_(checkBox(texts::gerberMaskPads, "CB_LS_Pads", this)),
      maskSmd_(checkBox(texts::gerberMaskSmd, "CB_LS_SMD", this)),
      maskOthers_(checkBox(texts::gerberMaskOthers, "CB_LS_Sonstige", this)),
      maskInverted_(checkBox(texts::gerberInverted, "CB_LS_Invertiert", this)),
      padOffset_(offsetField("SE_LS_Offset_LA", settings.optionen.MIL, 0, this)),
      smdOffset_(offsetField("SE_LS_Offset_SMD", settings.optionen.MIL, 0, this)),
      othersOffset_(offsetField("SE_LS_Offset_Sonstige", settings.optionen.MIL, 0, this)),
      smdMask_(new QGroupBox(qtr(texts::gerberSmdMask), this)),
      smdInverted_(checkBox(texts::gerberInverted, "CB_SMD_Invertiert", this)),
      smdMaskOffset_(offsetField("SE_SMD_Maske_Offset", settings.optionen.MIL, -9.99, this)),
      create_(new QPushButton(qtr(texts::gerberCreate), this)),
      log_(new QPlainTextEdit(this)),
      namesDlg_(new TGerberDateinamenDlg(host, settings.gerber, store, this)) {
  setObjectName("TGerberDlg");
  setWindowTitle(qtr(texts::gerberCaption));
  prefix_->setObjectName("E_Prefix");
  folder_->setObjectName("E_Ordner");
  solderMask_->setObjectName("GB_Loetstopp");
  smdMask_->setObjectName("GB_SMDMaske");
  create_->setObjectName("B_Erzeugen");
  log_->setObjectName("M_Log");
  log_->setReadOnly(true);
  maskPads_->setChecked(true);
  maskSmd_->setChecked(true);
  maskOthers_->setChecked(true);
  padOffset_->setValue(settings.gerber.LS_Offset_LA / 100.0);
  smdOffset_->setValue(settings.gerber.LS_Offset_SMD / 100.0);
  othersOffset_->setValue(settings.gerber.LS_Offset_Sonstige / 100.0);
  smdMaskOffset_->setValue(settings.gerber.SMD_Maske_Offset / 100.0);

  auto* layerBox = new QGroupBox(qtr(texts::gerberLayers), this);
  auto* grid = new QGridLayout(layerBox);
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    layers_[i] =
        checkBox(*kOutputCaptions[i], (std::string("CB_") + kOutputKeys[i]).c_str(), layerBox);
    names_[i] = new QLabel(layerBox);
    names_[i]->setObjectName(QString("L_") + kOutputKeys[i]);
    grid->addWidget(layers_[i], static_cast<int>(i), 0);
    grid->addWidget(names_[i], static_cast<int>(i), 1);
    connect(layers_[i], &QCheckBox::toggled, this, &TGerberDlg::refresh);
  }
  auto* files = new QFormLayout;
  files->addRow(qtr(texts::gerberPrefix), prefix_);
  auto* folderRow = new QHBoxLayout;
  auto* change = new QPushButton(qtr(texts::gerberChange), this);
  change->setObjectName("B_Aendern");
  folderRow->addWidget(folder_);
  folderRow->addWidget(change);
  files->addRow(qtr(texts::gerberFolder), folderRow);
  auto* extensions = new QPushButton(qtr(texts::gerberExtensions), this);
  extensions->setObjectName("B_Dateiendungen");

  auto* maskForm = new QFormLayout(solderMask_);
  maskForm->addRow(maskPads_, padOffset_);
  maskForm->addRow(maskSmd_, smdOffset_);
  maskForm->addRow(maskOthers_, othersOffset_);
  maskForm->addRow(maskInverted_);
  auto* smdForm = new QFormLayout(smdMask_);
  smdForm->addRow(qtr(texts::gerberOffset), smdMaskOffset_);
  smdForm->addRow(smdInverted_);

  auto* options = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{mirror_, frame_, punch_, centrePunch_, x2_,
                                                    solderMask_, smdMask_}) {
    options->addWidget(w);
  }
  options->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(layerBox);
  columns->addLayout(options);
  auto* explanation = new QLabel(qtr(texts::gerberExplanation), this);
  explanation->setObjectName("L_Erklaerung");
  auto* close = new QPushButton(qtr(texts::gerberClose), this);
  close->setObjectName("B_Schliessen");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(extensions);
  buttons->addStretch();
  buttons->addWidget(create_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(explanation);
  layout->addLayout(columns);
  layout->addLayout(files);
  layout->addLayout(buttons);
  layout->addWidget(log_);

  connect(punch_, &QCheckBox::toggled, this, &TGerberDlg::refresh);
  connect(prefix_, &QLineEdit::textChanged, this, &TGerberDlg::refresh);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(create_, &QPushButton::clicked, this, &TGerberDlg::create);
  connect(extensions, &QPushButton::clicked, this, [this] {
    namesDlg_->execute();
    refresh();
  });
  connect(change, &QPushButton::clicked, this, [this] {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, qtr(texts::gerberChooseFolder), folder_->text());
    if (!chosen.isEmpty()) folder_->setText(chosen);
  });
  for (TPvbSpinEdit* field : {padOffset_, smdOffset_, othersOffset_, smdMaskOffset_}) {
    connect(field, &TPvbSpinEdit::OnEditChange, this, [this] {
      settings_.gerber.LS_Offset_LA = hundredths(padOffset_);
      settings_.gerber.LS_Offset_SMD = hundredths(smdOffset_);
      settings_.gerber.LS_Offset_Sonstige = hundredths(othersOffset_);
      settings_.gerber.SMD_Maske_Offset = hundredths(smdMaskOffset_);
    });
  }
  log_->appendPlainText(qtr(texts::gerberLogStart));
}

void TGerberDlg::execute(const Board& board, const std::string& layoutFile) {
  board_ = &board;
  const FolderSettings& f = settings_.ordner;
  folder_->setText(QString::fromStdString(
      !f.Gerber.empty() ? f.Gerber : (f.EqualDir ? f.Layout_Last : f.Gerber_Last)));
  prefix_->setText(QString::fromStdString(std::filesystem::path(layoutFile).stem().string()));
  refresh();
  exec();
  board_ = nullptr;
}

void TGerberDlg::refresh() {
  if (refreshing_ || !board_) return;
  refreshing_ = true;
  std::array<bool, kGerberOutputs.size()> checked{};
  for (std::size_t i = 0; i < layers_.size(); ++i) checked[i] = layers_[i]->isChecked();
  const GerberDialogState s = gerberDialogState(*board_, checked, punch_->isChecked());
  const std::string prefix = prefix_->text().toStdString();
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    layers_[i]->setEnabled(s.enabled[i]);
    layers_[i]->setChecked(s.checked[i]);
    names_[i]->setVisible(s.checked[i]);
    names_[i]->setText(
        QString::fromStdString(prefix + settings_.gerber.*kGerberOutputs[i].extension));
  }
  punch_->setEnabled(s.punchEnabled);
  centrePunch_->setEnabled(s.centrePunchEnabled);
  solderMask_->setEnabled(s.solderMaskGroupEnabled);
  smdMask_->setEnabled(s.smdMaskGroupEnabled);
  create_->setEnabled(s.createEnabled);
  refreshing_ = false;
}

GerberOptions TGerberDlg::options() const {
  GerberOptions o;
  o.mirror = mirror_->isChecked();
  o.camOrigin = settings_.optionen.CAM_Nullpunkt;
  o.frame = frame_->isChecked();
  o.punchHoles = punch_->isEnabled() && punch_->isChecked();
  o.centrePunch = centrePunch_->isEnabled() && centrePunch_->isChecked();
  o.maskPads = maskPads_->isChecked();
  o.maskSmdPads = maskSmd_->isChecked();
  o.maskOthers = maskOthers_->isChecked();
  o.maskInverted = maskInverted_->isChecked();
  o.maskPadOffset = units(hundredths(padOffset_));
  o.maskSmdOffset = units(hundredths(smdOffset_));
  o.maskOthersOffset = units(hundredths(othersOffset_));
  o.smdMaskInverted = smdInverted_->isChecked();
  o.smdMaskOffset = units(hundredths(smdMaskOffset_));
  o.x2Attributes = x2_->isChecked();
  return o;
}

void TGerberDlg::create() {
  if (!board_) return;
  GerberJob job;
  job.folder = folder_->text().toStdString();
  job.prefix = prefix_->text().toStdString();
  job.options = options();
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    if (layers_[i]->isEnabled() && layers_[i]->isChecked()) job.outputs.push_back(int(i));
  }
  std::error_code error;
  if (std::filesystem::is_directory(job.folder, error)) {
    (settings_.ordner.EqualDir ? settings_.ordner.Layout_Last : settings_.ordner.Gerber_Last) =
        job.folder;
  }
  std::vector<std::string> lines;
  exportGerber(*board_, settings_.gerber, job, host_, lines);
  for (const std::string& line : lines) log_->appendPlainText(QString::fromStdString(line));
}

}  // namespace pravelo
