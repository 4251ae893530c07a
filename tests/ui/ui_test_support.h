#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "app/startup.h"

namespace pravelo::testing {

// A configuration folder of its own for a test; the settings folder is created in it.
class TempConfig {
 public:
  TempConfig() { qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8()); }
  ~TempConfig() { qunsetenv("XDG_CONFIG_HOME"); }

  std::filesystem::path root() const { return dir_.path().toStdString(); }
  std::filesystem::path settingsFolder() const { return root() / "Pravel60"; }
  // The first steps of the start: language, folders and settings.
  AppStart start() const { return startApplication(root() / "Documents"); }

 private:
  QTemporaryDir dir_;
};

// Runs `handle` on the modal dialog that the next action opens, once it is shown.
template <class Dialog>
void onNextDialog(std::function<void(Dialog&)> handle) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, handle] {
    auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    timer->stop();
    timer->deleteLater();
    handle(*dialog);
  });
  timer->start(5);
}

// The child widget of that object name; a test fails when it is missing.
template <class W>
W* child(QWidget& parent, const char* name) {
  auto* w = parent.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

inline void trigger(QWidget& window, const char* actionName) {
  auto* action = window.findChild<QAction*>(actionName);
  ASSERT_NE(action, nullptr) << actionName;
  ASSERT_TRUE(action->isEnabled()) << actionName;
  action->trigger();
}

inline QStringList tabCaptions(QWidget& window) {
  auto* tabs = window.findChild<QTabBar*>("TabSet");
  QStringList captions;
  for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
  return captions;
}

}  // namespace pravelo::testing
