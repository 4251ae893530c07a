#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  pravelo::MainWindow window;
  window.showMaximized();
  return app.exec();
}
