// The autorouter panel: shown while the Autoroute tool is active, the route's progress and
// Escape, and "Route all".
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "document/document_texts.h"
#include "editing/autoroute_commands.h"
#include "editing/tool_machine.h"
#include "editing/tools/autoroute_tool.h"
#include "ui/autorouter_panel.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/run_input.h"
#include "view/autoroute_texts.h"

namespace pravelo {

// While a route runs the window handles its events in between: Escape is noted, every other
// input waits out the route.
class RouteInputGuard : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (armed && holdInputDuringRun(*event, escape, true)) return true;
    return QObject::eventFilter(watched, event);
  }
  // Lets the window breathe at most every 50 ms; true once Escape was pressed.
  bool poll() {
    if (!armed) {
      armed = true;
      escape = false;
      clock.start();
      QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (clock.elapsed() >= 50) {
      QApplication::processEvents();
      clock.restart();
    }
    return escape;
  }
  void disarm() {
    if (!armed) return;
    armed = false;
    escape = false;
    QApplication::restoreOverrideCursor();
  }

  bool armed = false;
  bool escape = false;
  QElapsedTimer clock;
};

void MainWindow::createAutorouterPanel() {
  autorouter_ = new TAutoRouter(start_.settings.autorouter, this);
  addDockWidget(Qt::RightDockWidgetArea, autorouter_);
  autorouter_->hide();
  routeGuard_ = new RouteInputGuard;
  routeGuard_->setParent(this);
  qApp->installEventFilter(routeGuard_);
  connect(autorouter_, &TAutoRouter::closeRequested, this, [this] {
    machine_->chooseTool(ToolId::Edit);
    objectsChanged();
    showEditorState();
  });
  connect(autorouter_, &TAutoRouter::helpRequested, this, [this] { openHelp(25); });
  connect(autorouter_, &TAutoRouter::routeAllRequested, this, &MainWindow::routeAllClick);
}

void MainWindow::showAutorouter() {
  if (autorouter_ == nullptr) return;
  routeGuard_->disarm();
  auto* tool = dynamic_cast<AutorouteTool*>(&machine_->currentTool());
  autorouter_->setVisible(tool != nullptr);
  if (tool == nullptr) return;
  autorouter_->showGrid(activeBoard(doc_).header.grid, lengthUnit() == LengthUnit::Mil);
  autorouter_->setStatus(tool->status());
  if (!tool->monitor.escape) {
    tool->monitor.escape = [this] { return routeGuard_->poll(); };
    tool->monitor.progress = [this](int percent) {
      routeGuard_->poll();
      autorouter_->setStatusText(QString::number(percent) + "%");
      autorouter_->setProgress(percent);
    };
  }
}

void MainWindow::routeAllClick() {
  RouteAllMonitor monitor;
  monitor.escape = [this] { return routeGuard_->poll(); };
  monitor.progress = [this](int done, int total) {
    autorouter_->setProgress(total > 0 ? done * 100 / total : 100);
    autorouter_->setStatusText(QString::number(done) + " / " + QString::number(total));
    routeGuard_->poll();
  };
  const std::vector<ConnectionRoute> routes = autorouteAll(*editor_, monitor);
  routeGuard_->disarm();
  autorouter_->setProgress(100);
  view_->refresh();
  objectsChanged();
  showEditorState();
  host_->showMessage(routeAllSummary(activeBoard(doc_), routes, currentLanguage()),
                     pravelo::tr(texts::productName), MessageIcon::Information);
}

}  // namespace pravelo
