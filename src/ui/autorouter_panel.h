#pragma once

#include <QDockWidget>

#include "base/text.h"
#include "settings/settings.h"

class QCheckBox;
class QLabel;
class QProgressBar;

namespace pravelo {

class TPvbSpinEdit;

// The autorouter panel, docked while the Autoroute tool is active: track width, minimum
// distance, the grid switch with the resulting routing grid, status and progress, "Route all".
// Its values live in the settings record it is given.
class TAutoRouter : public QDockWidget {
  Q_OBJECT

 public:
  // `settings` must outlive the panel.
  explicit TAutoRouter(AutorouterSettings& settings, QWidget* parent = nullptr);

  // The editor's grid (units) and the unit switch the grid label depends on.
  void showGrid(double editorGrid, bool mil);
  void setStatus(const Text& status);
  void setStatusText(const QString& text);
  void setProgress(int percent);

 signals:
  void routeAllRequested();
  void helpRequested();
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void refreshGrid();

  AutorouterSettings& settings_;
  TPvbSpinEdit* width_ = nullptr;
  TPvbSpinEdit* distance_ = nullptr;
  QCheckBox* onGrid_ = nullptr;
  QLabel* grid_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  double editorGrid_ = 12700;
  bool mil_ = false;
};

}  // namespace pravelo
