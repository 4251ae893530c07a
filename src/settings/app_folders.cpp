#include "settings/app_folders.h"

#include <cstdlib>
#include <system_error>

namespace pravelo {
namespace fs = std::filesystem;

namespace {

bool isSet(const char* variable) { return variable && *variable; }

}  // namespace

fs::path programFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.has_parent_path()) return exe.parent_path();
  const fs::path current = fs::current_path(ec);
  return ec ? fs::path(".") : current;
}

fs::path settingsFolderFor(const char* xdgConfigHome, const char* home, const fs::path& program) {
  if (isSet(xdgConfigHome) && fs::path(xdgConfigHome).is_absolute()) {
    return fs::path(xdgConfigHome) / "Pravel60";
  }
  if (isSet(home)) return fs::path(home) / ".config" / "Pravel60";
  return program;
}

fs::path documentsFolderFor(const fs::path& userDocuments, const char* home,
                            const fs::path& program) {
  if (!userDocuments.empty()) return userDocuments;
  if (isSet(home)) return fs::path(home);
  return program;
}

AppFolders findAppFolders(const fs::path& userDocuments) {
  AppFolders folders;
  folders.program = programFolder();
  const char* home = std::getenv("HOME");
  folders.settings = settingsFolderFor(std::getenv("XDG_CONFIG_HOME"), home, folders.program);
  folders.documents = documentsFolderFor(userDocuments, home, folders.program);
  // A folder that cannot be created leaves the defaults in force and the settings unsaved.
  std::error_code ec;
  fs::create_directories(folders.settings, ec);
  return folders;
}

fs::path settingsFile(const AppFolders& folders) { return folders.settings / kSettingsFileName; }

fs::path defaultMacroFolder(const fs::path& settingsFolder) { return settingsFolder / "Makros"; }

fs::path macroFolder(const std::string& configured, const fs::path& settingsFolder) {
  std::error_code ec;
  if (!configured.empty() && fs::is_directory(configured, ec)) return configured;
  return defaultMacroFolder(settingsFolder);
}

}  // namespace pravelo
