#include "ui/drc_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/units.h"
#include "copper/drc_texts.h"
#include "ui/drc_panel_texts.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/run_input.h"
#include "view/design_rule_check.h"

namespace pravelo {
namespace {

QColor qcolour(Rgb c) { return QColor(c.r, c.g, c.b); }

// The square at the left of an entry: white, with the finding's layer colour inside.
QIcon layerSquare(const ColourScheme& scheme, int layer) {
  QPixmap square(13, 13);
  square.fill(Qt::white);
  QPainter painter(&square);
  painter.setPen(qcolour(scheme.background()));
  if (layer >= 1 && layer <= kLayerCount) painter.setBrush(qcolour(scheme.layer(layer)));
  painter.drawRect(2, 2, 8, 8);
  return QIcon(square);
}

// While a run lasts, the keyboard and the mouse do nothing but Escape, which stops it.
class EscapeWatch : public QObject {
 public:
  bool pressed = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return holdInputDuringRun(*event, pressed) || QObject::eventFilter(watched, event);
  }
};

}  // namespace

TDRC_Dlg::TDRC_Dlg(DrcSettings& settings, QWidget* parent)
    : QDockWidget(qtr(texts::drcCaption), parent), settings_(settings) {
  setObjectName("P_DRC");
  auto* body = new QWidget(this);
  body->setObjectName("TDRC_Dlg");
  auto* layout = new QVBoxLayout(body);

  auto* distance = new QGroupBox(qtr(texts::drcMinimumDistance), body);
  auto* distanceGrid = new QGridLayout(distance);
  addCheck(distanceGrid, 0, texts::drcCopper, &DrcSettings::Kupfer, &DrcSettings::WKupfer);
  addCheck(distanceGrid, 1, texts::drcDrillings, &DrcSettings::Bohrungen, &DrcSettings::WBohrungen);
  layout->addWidget(distance);

  auto* minMax = new QGroupBox(qtr(texts::drcMinMax), body);
  auto* minMaxGrid = new QGridLayout(minMax);
  addCheck(minMaxGrid, 0, texts::drcDrillMin, &DrcSettings::BohrMin, &DrcSettings::WBohrMin);
  addCheck(minMaxGrid, 1, texts::drcDrillMax, &DrcSettings::BohrMax, &DrcSettings::WBohrMax);
  addCheck(minMaxGrid, 2, texts::drcTrackMin, &DrcSettings::TrackMin, &DrcSettings::WTrackMin);
  addCheck(minMaxGrid, 3, texts::drcRingMin, &DrcSettings::RingMin, &DrcSettings::WRingMin);
  addCheck(minMaxGrid, 4, texts::drcSilkMin, &DrcSettings::BestMin, &DrcSettings::WBestMin);
  layout->addWidget(minMax);

  auto* misc = new QGroupBox(qtr(texts::drcMiscellaneous), body);
  auto* miscGrid = new QGridLayout(misc);
  addCheck(miscGrid, 0, texts::drcSilkOverPads, &DrcSettings::SilkOnPad, nullptr);
  addCheck(miscGrid, 1, texts::drcDrillingOnSmd, &DrcSettings::HoleOnSMD, nullptr);
  addCheck(miscGrid, 2, texts::drcPadsWithoutMask, &DrcSettings::PadOhneLS, nullptr);
  addCheck(miscGrid, 3, texts::drcMaskOutOfPads, &DrcSettings::LSFremd, nullptr);
  layout->addWidget(misc);

  auto* buttons = new QHBoxLayout;
  auto* complete = new QPushButton(qtr(texts::drcComplete), body);
  complete->setObjectName("B_Komplett");
  auto* window = new QPushButton(qtr(texts::drcWindow), body);
  window->setObjectName("B_Fenster");
  buttons->addWidget(complete);
  buttons->addWidget(window);
  layout->addLayout(buttons);
  connect(complete, &QPushButton::clicked, this, &TDRC_Dlg::completeRequested);
  connect(window, &QPushButton::clicked, this, &TDRC_Dlg::windowRequested);

  progress_ = new QProgressBar(body);
  progress_->setObjectName("PB_Fortschritt");
  progress_->setTextVisible(false);
  layout->addWidget(progress_);
  count_ = new QLabel(body);
  count_->setObjectName("L_Count");
  layout->addWidget(count_);

  list_ = new QListWidget(body);
  list_->setObjectName("LB_Errors");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  layout->addWidget(list_, 1);
  connect(list_, &QListWidget::itemSelectionChanged, this, &TDRC_Dlg::markersChanged);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row >= 0 && row < static_cast<int>(findings_.size()))
      emit entryChosen(findings_[row].marker);
  });

  selectAll_ = new QPushButton(qtr(texts::drcSelectAll), body);
  selectAll_->setObjectName("B_SelectAll");
  selectAll_->setEnabled(false);
  layout->addWidget(selectAll_);
  connect(selectAll_, &QPushButton::clicked, list_, &QListWidget::selectAll);
  setWidget(body);
}

void TDRC_Dlg::addCheck(QGridLayout* grid, int row, const Text& caption, bool DrcSettings::*check,
                        int DrcSettings::*limit) {
  auto* box = new QCheckBox(qtr(caption), grid->parentWidget());
  box->setChecked(settings_.*check);
  connect(box, &QCheckBox::toggled, this, [this, check](bool on) { settings_.*check = on; });
  grid->addWidget(box, row, 0);
  if (limit == nullptr) return;
  auto* field = new TPvbSpinEdit(grid->parentWidget());
  field->setMin(0);
  field->setMax(99.99f);
  field->setStep(0.01f);
  field->setNachkommaStellen(2);
  field->setValue(static_cast<double>(settings_.*limit) / kUnitsPerMm);
  grid->addWidget(field, row, 1);
  connect(field, &TPvbSpinEdit::OnEditChange, this, &TDRC_Dlg::readFields);
  limits_.emplace_back(field, limit);
}

void TDRC_Dlg::readFields() {
  for (const auto& [field, limit] : limits_) {
    settings_.*limit = static_cast<int>(mmToUnits(field->value()));
  }
}

void TDRC_Dlg::clearList() {
  findings_.clear();
  list_->clear();
  progress_->setValue(0);
  count_->clear();
  selectAll_->setEnabled(false);
}

void TDRC_Dlg::showBoard(const Board* board, LengthUnit unit, const ColourScheme& scheme) {
  board_ = board;
  scheme_ = scheme;
  for (const auto& [field, limit] : limits_) field->setMIL(unit == LengthUnit::Mil);
  clearList();
  emit markersChanged();
}

void TDRC_Dlg::run(const TRect& area) {
  clearList();
  if (board_ == nullptr) return;
  readFields();
  count_->setText(qtr(texts::drcRunning));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  EscapeWatch escape;
  qApp->installEventFilter(&escape);
  const DrcResult result = runDrc(*board_, settings_, area, [&](int index, int count) {
    if (progress_->maximum() != count) progress_->setRange(0, count);
    if (index % 64 == 0) {
      progress_->setValue(index);
      QApplication::processEvents();
    }
    return !escape.pressed;
  });
  qApp->removeEventFilter(&escape);
  QApplication::restoreOverrideCursor();
  findings_ = result.findings;
  progress_->setRange(0, 100);
  progress_->setValue(100);
  count_->setText(QString::number(findings_.size()) + qtr(texts::drcEntries));
  const QSignalBlocker quiet(list_);
  for (const DrcFinding& f : findings_) {
    list_->addItem(new QListWidgetItem(layerSquare(scheme_, f.layer), qtr(*f.text)));
  }
  selectAll_->setEnabled(!findings_.empty());
  list_->selectAll();
  emit markersChanged();
}

std::vector<DrcFinding> TDRC_Dlg::selectedFindings() const {
  std::vector<DrcFinding> selected;
  for (int row = 0; row < list_->count(); ++row) {
    if (list_->item(row)->isSelected()) selected.push_back(findings_[row]);
  }
  return selected;
}

}  // namespace pravelo
