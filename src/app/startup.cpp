#include "app/startup.h"

#include "app/language_file.h"

namespace pravelo {

AppStart startApplication(const std::filesystem::path& userDocuments) {
  AppFolders folders = findAppFolders(userDocuments);
  const Language language = readLanguage(folders.settings, folders.program);
  setLanguage(language);
  SettingsStore store(settingsFile(folders));
  AppSettings settings = defaultSettings(folders, language);
  readSettings(store, settings);
  return {std::move(folders), language, std::move(store), std::move(settings)};
}

}  // namespace pravelo
