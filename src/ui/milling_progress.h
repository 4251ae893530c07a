#pragma once

#include <QElapsedTimer>

#include "manufacturing/isolation_loops.h"

class QProgressDialog;
class QWidget;

namespace pravelo {

// The progress window of the contour computation. It is modal for the whole application: while
// it lets pending window messages run, no edit, save or close can reach the board being milled.
class MillingProgressWindow {
 public:
  explicit MillingProgressWindow(QWidget* parent);
  ~MillingProgressWindow();
  MillingProgressWindow(const MillingProgressWindow&) = delete;
  MillingProgressWindow& operator=(const MillingProgressWindow&) = delete;

  void report(int pass, int passes, MillingStage stage);
  MillingProgress callback() {
    return [this](int pass, int passes, MillingStage stage) { report(pass, passes, stage); };
  }
  QProgressDialog* window() const { return dialog_; }

 private:
  QProgressDialog* dialog_;
  QElapsedTimer sinceEvents_;
};

}  // namespace pravelo
