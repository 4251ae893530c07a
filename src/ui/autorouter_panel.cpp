#include "ui/autorouter_panel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/units.h"
#include "editing/autoroute_commands.h"
#include "ui/autorouter_panel_texts.h"
#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "view/autoroute_texts.h"
#include "view/route_grid.h"

namespace pravelo {

TAutoRouter::TAutoRouter(AutorouterSettings& settings, QWidget* parent)
    : QDockWidget(qtr(texts::autorouterCaption), parent), settings_(settings) {
  setObjectName("TAutoRouter");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  auto* fields = new QGridLayout;
  const auto lengthField = [&](int row, const Text& caption, const char* name, int value) {
    fields->addWidget(new QLabel(qtr(caption), body), row, 0);
    auto* field = new TPvbSpinEdit(body);
    field->setObjectName(name);
    field->setMin(0.05f);
    field->setMax(9.99f);
    field->setStep(0.01f);
    field->setValue(unitsToMm(value));
    fields->addWidget(field, row, 1);
    return field;
  };
  width_ = lengthField(0, texts::autorouterWidth, "SE_AutoWidth", settings_.Width);
  distance_ = lengthField(1, texts::autorouterDistance, "SE_AutoAbstand", settings_.Abstand);
  layout->addLayout(fields);
  connect(width_, &TPvbSpinEdit::OnEditChange, this, [this] {
    settings_.Width = static_cast<int>(mmToUnits(width_->value()));
    refreshGrid();
  });
  connect(distance_, &TPvbSpinEdit::OnEditChange, this, [this] {
    settings_.Abstand = static_cast<int>(mmToUnits(distance_->value()));
    refreshGrid();
  });

  onGrid_ = new QCheckBox(qtr(texts::autorouterOnGrid), body);
  onGrid_->setObjectName("CB_Raster");
  onGrid_->setChecked(settings_.Raster);
  layout->addWidget(onGrid_);
  connect(onGrid_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.Raster = on;
    refreshGrid();
  });
  auto* gridRow = new QHBoxLayout;
  gridRow->addWidget(new QLabel(qtr(texts::autorouterGrid), body));
  grid_ = new QLabel(body);
  grid_->setObjectName("L_Raster");
  gridRow->addWidget(grid_, 1);
  layout->addLayout(gridRow);

  auto* statusRow = new QHBoxLayout;
  statusRow->addWidget(new QLabel(qtr(texts::autorouterStatus), body));
  status_ = new QLabel(body);
  status_->setObjectName("L_Status");
  statusRow->addWidget(status_, 1);
  layout->addLayout(statusRow);
  progress_ = new QProgressBar(body);
  progress_->setObjectName("Progress1");
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  layout->addWidget(progress_);

  auto* routeAll = new QPushButton(qtr(texts::autorouterRouteAll), body);
  routeAll->setObjectName("TB_RouteAll");
  layout->addWidget(routeAll);
  connect(routeAll, &QPushButton::clicked, this, &TAutoRouter::routeAllRequested);
  auto* buttons = new QHBoxLayout;
  auto* help = new QPushButton("?", body);
  help->setObjectName("B_Help");
  auto* close = new QPushButton(qtr(texts::autorouterClose), body);
  close->setObjectName("B_Close");
  buttons->addWidget(help);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  layout->addStretch(1);
  connect(help, &QPushButton::clicked, this, &TAutoRouter::helpRequested);
  connect(close, &QPushButton::clicked, this, &TAutoRouter::closeRequested);
  setWidget(body);
  setStatus(texts::routeReady);
  refreshGrid();
}

void TAutoRouter::showGrid(double editorGrid, bool mil) {
  editorGrid_ = editorGrid;
  mil_ = mil;
  width_->setMIL(mil);
  distance_->setMIL(mil);
  refreshGrid();
}

void TAutoRouter::refreshGrid() {
  const double pitch =
      routingPitch(settings_.Width, settings_.Abstand, settings_.Raster, editorGrid_);
  const QString point = QLocale().decimalPoint();
  grid_->setText(QString::fromStdString(
      routeGridLabel(pitch, mil_, point.isEmpty() ? '.' : point.at(0).toLatin1())));
}

// Every status text is shown with one leading blank.
void TAutoRouter::setStatus(const Text& status) { setStatusText(qtr(status)); }
void TAutoRouter::setStatusText(const QString& text) { status_->setText(" " + text); }

void TAutoRouter::setProgress(int percent) { progress_->setValue(percent); }

void TAutoRouter::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

}  // namespace pravelo
