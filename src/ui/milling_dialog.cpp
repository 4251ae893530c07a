#include "ui/milling_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/units.h"
#include "manufacturing/milling_dialog_state.h"
#include "manufacturing/milling_texts.h"
#include "ui/dialog_buttons.h"
#include "ui/milling_dialog_texts.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

constexpr int kMillingHelpTopic = 32;

template <class Widget>
Widget* millNamed(Widget* w, const char* name) {
  w->setObjectName(name);
  return w;
}

QComboBox* millCombo(const char* name, std::initializer_list<const Text*> items, QWidget* parent) {
  auto* box = millNamed(new QComboBox(parent), name);
  for (const Text* t : items) box->addItem(qtr(*t));
  return box;
}

TPvbSpinEdit* millLength(const char* name, float max, float step, int decimals, QWidget* parent) {
  auto* field = millNamed(new TPvbSpinEdit(parent), name);
  field->setMin(0);
  field->setMax(max);
  field->setStep(step);
  field->setNachkommaStellen(decimals);
  field->setMitEinheit(true);
  return field;
}

QWidget* millRow(std::initializer_list<QWidget*> members, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : members) layout->addWidget(w);
  layout->addStretch();
  return row;
}

std::int32_t millUnits(const TPvbSpinEdit* field) {
  return static_cast<std::int32_t>(mmToUnits(field->value()));
}

// Where the eight reference-hole buttons sit around the board picture, clockwise from the
// upper left corner.
constexpr int kReferenceCells[8][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 2},
                                       {2, 2}, {2, 1}, {2, 0}, {1, 0}};

}  // namespace

TUmrissDlg::TUmrissDlg(MillingSettings& stored, QWidget* parent)
    : QDialog(parent),
      stored_(stored),
      width_(millLength("SE_Breite", 5, 0.01F, 2, this)),
      millC1_(millNamed(new QCheckBox(qtr(texts::millLayerC1), this), "CB_K1")),
      millC2_(millNamed(new QCheckBox(qtr(texts::millLayerC2), this), "CB_K2")),
      mirrorC1_(millCombo("CB_Spiegeln_K1",
                          {&texts::millNoMirror, &texts::millMirrorH, &texts::millMirrorV}, this)),
      mirrorC2_(millCombo("CB_Spiegeln_K2",
                          {&texts::millNoMirror, &texts::millMirrorH, &texts::millMirrorV}, this)),
      punchC1_(millNamed(new QCheckBox(qtr(texts::millPunch), this), "CB_Koernen_K1")),
      punchC2_(millNamed(new QCheckBox(qtr(texts::millPunch), this), "CB_Koernen_K2")),
      passes_(millNamed(new QSpinBox(this), "SE_Anzahl")),
      overlap_(millNamed(new QSpinBox(this), "SE_Overlap")),
      drill_(millCombo("CB_Bohrungen",
                       {&texts::millNoOutput, &texts::millDrillTop, &texts::millDrillBottom},
                       this)),
      holesCircles_(
          millNamed(new QRadioButton(qtr(texts::millHolesCircles), this), "RB_Bohrungen_CI")),
      holesSame_(
          millNamed(new QRadioButton(qtr(texts::millHolesSame), this), "RB_Bohrungen_Equal")),
      holesSeparate_(
          millNamed(new QRadioButton(qtr(texts::millHolesSeparate), this), "RB_Bohrungen_Separat")),
      circleWidth_(millLength("SE_CI_Breite", 5, 0.01F, 2, this)),
      drillGroup_(new QGroupBox(qtr(texts::millDrillGroup), this)),
      noDrillings_(new QLabel(qtr(texts::millNoDrillings), this)),
      outline_(millCombo("CB_Platinenkontur",
                         {&texts::millNoOutput, &texts::millOutlineTop, &texts::millOutlineBottom},
                         this)),
      outlineGroup_(new QGroupBox(qtr(texts::millOutlineGroup), this)),
      noOutline_(new QLabel(qtr(texts::millNoOutlineObjects), this)),
      referenceDistance_(millLength("SE_Passbohrungen_Abstand", 30, 0.1F, 1, this)),
      textOutline_(
          millNamed(new QRadioButton(qtr(texts::millTextOutline), this), "RB_Text_Outline_Normal")),
      textSingleLine_(millNamed(new QRadioButton(qtr(texts::millTextSingleline), this),
                                "RB_Text_Singleline_Normal")),
      selectedTextOutline_(millNamed(new QRadioButton(qtr(texts::millTextOutline), this),
                                     "RB_Text_Outline_Markiert")),
      selectedTextSingleLine_(millNamed(new QRadioButton(qtr(texts::millTextSingleline), this),
                                        "RB_Text_Singleline_Markiert")),
      selectedOnly_(
          millNamed(new QCheckBox(qtr(texts::millSelectedOnly), this), "CB_NurMarkierte")),
      minimumFeed_(
          millNamed(new QCheckBox(qtr(texts::millMinimumFeed), this), "CB_Bohrungen_Vorschub")),
      hpglUnit_(millCombo("CB_Skalierung", {&texts::millUnitMil, &texts::millUnitFortieth}, this)),
      jobList_(millNamed(new QCheckBox(qtr(texts::millJobListFile), this), "CB_JobListe")),
      separateFiles_(
          millNamed(new QCheckBox(qtr(texts::millSeparateFiles), this), "CB_GetrennteDateien")),
      jobs_(millNamed(new QTreeWidget(this), "LB_Jobs")) {
  setObjectName("TUmrissDlg");
  setWindowTitle(qtr(texts::millCaption));
  passes_->setRange(1, 10);
  overlap_->setRange(0, 99);
  overlap_->setSuffix(" %");

  auto* layers = new QGroupBox(qtr(texts::millLayers), this);
  auto* layerGrid = new QGridLayout(layers);
  layerGrid->addWidget(millC1_, 0, 0);
  layerGrid->addWidget(mirrorC1_, 0, 1);
  layerGrid->addWidget(punchC1_, 0, 2);
  layerGrid->addWidget(millC2_, 1, 0);
  layerGrid->addWidget(mirrorC2_, 1, 1);
  layerGrid->addWidget(punchC2_, 1, 2);
  layerGrid->addWidget(millRow({new QLabel(qtr(texts::millWidth), this), width_,
                                new QLabel(qtr(texts::millPasses), this), passes_,
                                new QLabel(qtr(texts::millOverlap), this), overlap_},
                               this),
                       2, 0, 1, 3);

  auto* drillLayout = new QVBoxLayout(drillGroup_);
  drillLayout->addWidget(noDrillings_);
  drillLayout->addWidget(drill_);
  drillLayout->addWidget(holesCircles_);
  drillLayout->addWidget(millRow({new QLabel(qtr(texts::millWidth), this), circleWidth_}, this));
  drillLayout->addWidget(holesSame_);
  drillLayout->addWidget(holesSeparate_);
  drillLayout->addWidget(minimumFeed_);

  auto* outlineLayout = new QVBoxLayout(outlineGroup_);
  outlineLayout->addWidget(noOutline_);
  outlineLayout->addWidget(outline_);

  auto* referenceGroup = new QGroupBox(qtr(texts::millReferenceGroup), this);
  auto* referenceGrid = new QGridLayout(referenceGroup);
  for (int i = 0; i < 8; ++i) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString("IM_Passbohrung%1").arg(i + 1));
    b->setText(QString::number(i + 1));
    b->setCheckable(true);
    referenceGrid->addWidget(b, kReferenceCells[i][0], kReferenceCells[i][1]);
    references_[i] = b;
  }
  auto* boardPicture = new QLabel(qtr(texts::millBoardPicture), this);
  boardPicture->setAlignment(Qt::AlignCenter);
  boardPicture->setFrameShape(QFrame::Box);
  referenceGrid->addWidget(boardPicture, 1, 1);
  referenceGrid->addWidget(
      millRow({new QLabel(qtr(texts::millReferenceDistance), this), referenceDistance_}, this), 3,
      0, 1, 3);

  auto* texts = new QGroupBox(qtr(texts::millTextsNormal), this);
  auto* textRow = new QHBoxLayout(texts);
  textRow->addWidget(textOutline_);
  textRow->addWidget(textSingleLine_);
  auto* selectedTexts = new QGroupBox(qtr(texts::millTextsSelected), this);
  auto* selectedRow = new QHBoxLayout(selectedTexts);
  selectedRow->addWidget(selectedTextOutline_);
  selectedRow->addWidget(selectedTextSingleLine_);

  jobs_->setHeaderLabels({qtr(texts::millPen), qtr(texts::millJob), qtr(texts::millSide)});
  jobs_->setRootIsDecorated(false);
  jobs_->setDragDropMode(QAbstractItemView::InternalMove);
  jobs_->setSelectionMode(QAbstractItemView::SingleSelection);
  jobs_->header()->setStretchLastSection(true);

  auto* buttons = dialogButtons(this, true);
  ok_ = buttons->findChild<QPushButton*>("B_OK");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kMillingHelpTopic); });

  auto* left = new QVBoxLayout;
  left->addWidget(layers);
  left->addWidget(drillGroup_);
  left->addWidget(outlineGroup_);
  left->addWidget(texts);
  left->addWidget(selectedTexts);
  auto* right = new QVBoxLayout;
  right->addWidget(referenceGroup);
  right->addWidget(selectedOnly_);
  right->addWidget(hpglUnit_);
  right->addWidget(jobList_);
  right->addWidget(separateFiles_);
  right->addWidget(new QLabel(qtr(texts::millSortJobs), this));
  right->addWidget(jobs_);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);

  // The stored choices; the others start at their defaults once per run.
  const MillingOptions o = millingOptions(stored, true);
  width_->setValue(unitsToMm(o.width));
  circleWidth_->setValue(unitsToMm(o.circleWidth));
  referenceDistance_->setValue(unitsToMm(o.referenceDistance));
  for (int i = 0; i < 8; ++i) references_[i]->setChecked(o.referenceHoles[i]);
  holesCircles_->setChecked(o.holes == HoleMethod::Circles);
  holesSame_->setChecked(o.holes == HoleMethod::SameDrill);
  holesSeparate_->setChecked(o.holes == HoleMethod::DrillPerDiameter);
  minimumFeed_->setChecked(o.minimumFeed);
  hpglUnit_->setCurrentIndex(static_cast<int>(o.unit));
  jobList_->setChecked(o.jobList);
  separateFiles_->setChecked(o.separateFiles);
  mirrorC1_->setCurrentIndex(static_cast<int>(o.mirrorC1));
  mirrorC2_->setCurrentIndex(static_cast<int>(o.mirrorC2));
  passes_->setValue(o.passes);
  overlap_->setValue(o.overlap);
  textOutline_->setChecked(true);
  selectedTextOutline_->setChecked(true);

  for (QCheckBox* box : {millC1_, millC2_, selectedOnly_, jobList_, separateFiles_}) {
    connect(box, &QCheckBox::toggled, this, &TUmrissDlg::refresh);
  }
  connect(punchC1_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) punchC2_->setChecked(false);
    refresh();
  });
  connect(punchC2_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) punchC1_->setChecked(false);
    refresh();
  });
  for (QComboBox* box : {drill_, outline_, mirrorC1_, mirrorC2_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &TUmrissDlg::refresh);
  }
  for (QRadioButton* b : {holesCircles_, holesSame_, holesSeparate_}) {
    connect(b, &QRadioButton::toggled, this, &TUmrissDlg::refresh);
  }
  for (QToolButton* b : references_) connect(b, &QToolButton::toggled, this, &TUmrissDlg::refresh);
  connect(passes_, &QSpinBox::valueChanged, this, &TUmrissDlg::refresh);
  for (TPvbSpinEdit* field : {width_, circleWidth_}) {
    connect(field, &TPvbSpinEdit::OnEditChange, this, &TUmrissDlg::refresh);
  }
}

MillingOptions TUmrissDlg::readOptions() const {
  MillingOptions o;
  o.width = millUnits(width_);
  o.millC1 = millC1_->isChecked();
  o.millC2 = millC2_->isChecked();
  o.mirrorC1 = static_cast<MillMirror>(mirrorC1_->currentIndex());
  o.mirrorC2 = static_cast<MillMirror>(mirrorC2_->currentIndex());
  o.punchC1 = punchC1_->isChecked();
  o.punchC2 = punchC2_->isChecked();
  o.passes = passes_->value();
  o.overlap = overlap_->value();
  o.drill = static_cast<MillSide>(drill_->currentIndex());
  o.holes = holesCircles_->isChecked()    ? HoleMethod::Circles
            : holesSeparate_->isChecked() ? HoleMethod::DrillPerDiameter
                                          : HoleMethod::SameDrill;
  o.circleWidth = millUnits(circleWidth_);
  o.outline = static_cast<MillSide>(outline_->currentIndex());
  for (int i = 0; i < 8; ++i) o.referenceHoles[i] = references_[i]->isChecked();
  o.referenceDistance = millUnits(referenceDistance_);
  o.singleLineTexts = textSingleLine_->isChecked();
  o.singleLineSelectedTexts = selectedTextSingleLine_->isChecked();
  o.selectedOnly = selectedOnly_->isChecked();
  o.minimumFeed = minimumFeed_->isChecked();
  o.unit = static_cast<HpglUnit>(hpglUnit_->currentIndex());
  o.jobList = jobList_->isChecked();
  o.separateFiles = separateFiles_->isChecked();
  o.camOrigin = camOrigin_;
  return o;
}

void TUmrissDlg::refresh() {
  if (refreshing_ || board_ == nullptr) return;
  refreshing_ = true;
  const MillingDialogState s = millingDialogState(*board_, readOptions());
  const auto apply = [](QAbstractButton* b, bool enabled, bool checked) {
    b->setEnabled(enabled);
    b->setChecked(checked);
  };
  apply(selectedOnly_, s.selectedOnlyEnabled, s.options.selectedOnly);
  apply(millC1_, s.millC1Enabled, s.options.millC1);
  apply(millC2_, s.millC2Enabled, s.options.millC2);
  apply(punchC1_, s.punchC1Enabled, s.options.punchC1);
  apply(punchC2_, s.punchC2Enabled, s.options.punchC2);
  overlap_->setEnabled(s.overlapEnabled);
  textOutline_->setEnabled(s.normalTextsEnabled);
  textSingleLine_->setEnabled(s.normalTextsEnabled);
  selectedTextOutline_->setEnabled(s.selectedTextsEnabled);
  selectedTextSingleLine_->setEnabled(s.selectedTextsEnabled);
  // The notes stand in for the groups' controls when the board has nothing for them.
  noDrillings_->setVisible(!s.drillingsAvailable);
  for (QWidget* w : drillGroup_->findChildren<QWidget*>()) {
    if (w != noDrillings_) w->setEnabled(s.drillingsAvailable);
  }
  noOutline_->setVisible(!s.outlineAvailable);
  outline_->setEnabled(s.outlineAvailable);
  showJobs(millingJobs(*board_, s.options, unit_, currentLanguage()));
  ok_->setEnabled(s.okEnabled);
  refreshing_ = false;
}

// The user's order is kept for the jobs that stay; new jobs are added at the end.
void TUmrissDlg::showJobs(const std::vector<MillingJob>& jobs) {
  std::vector<MillingJob> ordered;
  for (const MillingJob& listed : listedJobs()) {
    const auto it = std::ranges::find(jobs, listed.pen, &MillingJob::pen);
    if (it != jobs.end()) ordered.push_back(*it);
  }
  for (const MillingJob& job : jobs) {
    if (std::ranges::find(ordered, job.pen, &MillingJob::pen) == ordered.end()) {
      ordered.push_back(job);
    }
  }
  jobs_->clear();
  for (const MillingJob& job : ordered) {
    auto* item =
        new QTreeWidgetItem(jobs_, {QString::number(job.pen), QString::fromStdString(job.job),
                                    QString::fromStdString(job.side)});
    item->setData(0, Qt::UserRole, job.pen);
    item->setData(1, Qt::UserRole, QString::fromStdString(jobRowText(job)));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
  }
}

std::vector<MillingJob> TUmrissDlg::listedJobs() const {
  std::vector<MillingJob> jobs;
  for (int i = 0; i < jobs_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = jobs_->topLevelItem(i);
    jobs.push_back({item->data(0, Qt::UserRole).toInt(), item->text(1).toStdString(),
                    item->text(2).toStdString()});
  }
  return jobs;
}

std::optional<MillingChoice> TUmrissDlg::execute(const Board& board, LengthUnit unit,
                                                 bool camOrigin) {
  board_ = &board;
  unit_ = unit;
  camOrigin_ = camOrigin;
  for (TPvbSpinEdit* field : {width_, circleWidth_, referenceDistance_}) {
    field->setMIL(unit == LengthUnit::Mil);
  }
  refresh();
  const bool accepted = exec() == QDialog::Accepted;
  const MillingOptions options = millingDialogState(board, readOptions()).options;
  board_ = nullptr;
  if (!accepted) return std::nullopt;
  storeMillingOptions(options, stored_);
  return MillingChoice{options, listedJobs()};
}

}  // namespace pravelo
