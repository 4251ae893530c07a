#include "ui/milling_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "manufacturing/milling_texts.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

constexpr int kMillingStageCount = 6;
// Pending window messages run at most this often; the window is modal meanwhile.
constexpr int kMillingEventInterval = 500;

const Text& millingStageText(MillingStage stage) {
  static const Text* const kStages[kMillingStageCount] = {
      &texts::millStageSegments, &texts::millStageVectors,  &texts::millStageVectorList,
      &texts::millStageOutlines, &texts::millStageOptimize, &texts::millStageSort};
  return *kStages[static_cast<int>(stage)];
}

}  // namespace

MillingProgressWindow::MillingProgressWindow(QWidget* parent)
    : dialog_(new QProgressDialog(parent)) {
  dialog_->setObjectName("MillingProgress");
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setCancelButton(nullptr);
  dialog_->setMinimumDuration(0);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  sinceEvents_.start();
}

MillingProgressWindow::~MillingProgressWindow() { delete dialog_; }

void MillingProgressWindow::report(int pass, int passes, MillingStage stage) {
  QString title = qtr(texts::millProgressTitle);
  if (passes > 1) title += QString(" (%1/%2)").arg(pass + 1).arg(passes);
  dialog_->setWindowTitle(title);
  dialog_->setLabelText(qtr(millingStageText(stage)));
  dialog_->setRange(0, passes * kMillingStageCount);
  dialog_->setValue(pass * kMillingStageCount + static_cast<int>(stage));
  if (!dialog_->isVisible()) dialog_->show();
  if (sinceEvents_.elapsed() >= kMillingEventInterval) {
    QCoreApplication::processEvents();
    sinceEvents_.restart();
  }
}

}  // namespace pravelo
