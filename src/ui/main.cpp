#include <QApplication>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <filesystem>

#include "app/command_line.h"
#include "app/startup.h"
#include "ui/main_window.h"

namespace {

std::filesystem::path userDocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

// Qt's own texts (standard buttons, file choosers) in the run's language.
void installQtTranslations(QApplication& app, pravelo::Language language) {
  static QTranslator translator;
  const char* names[] = {"qtbase_de", "qtbase_en", "qtbase_fr"};
  if (translator.load(names[static_cast<int>(language)],
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&translator);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  pravelo::AppStart start = pravelo::startApplication(userDocumentsFolder());
  installQtTranslations(app, start.language);
  // Qt has taken its own options out of the arguments by now.
  const std::string commandLine = pravelo::joinArguments(argc, argv);
  pravelo::MainWindow window(std::move(start));
  window.start(commandLine);
  return app.exec();
}
