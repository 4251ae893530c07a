#pragma once

#include <filesystem>
#include <string>

namespace pravelo {

struct AppFolders {
  std::filesystem::path program;    // the executable's folder: read-only program files
  std::filesystem::path settings;   // the settings file, the language file, colour schemes
  std::filesystem::path documents;  // where every file chooser starts the first time
};

inline constexpr const char* kSettingsFileName = "PRAVEL60.INI";

// The folder of the running executable, or the current folder when the system cannot tell.
std::filesystem::path programFolder();

// "$XDG_CONFIG_HOME/Pravel60", else "$HOME/.config/Pravel60", else the program folder. A
// relative XDG_CONFIG_HOME is ignored, as the base-directory rules ask. Null means unset.
std::filesystem::path settingsFolderFor(const char* xdgConfigHome, const char* home,
                                        const std::filesystem::path& program);
// The user's documents folder as the desktop reports it, else the home folder, else the program
// folder.
std::filesystem::path documentsFolderFor(const std::filesystem::path& userDocuments,
                                         const char* home, const std::filesystem::path& program);

// The folders of this run from the environment; creates the settings folder when missing.
// `userDocuments` comes from the desktop (empty when it reports none).
AppFolders findAppFolders(const std::filesystem::path& userDocuments);

std::filesystem::path settingsFile(const AppFolders& folders);

std::filesystem::path defaultMacroFolder(const std::filesystem::path& settingsFolder);
// The macro library root: the configured folder when it exists, otherwise the default.
std::filesystem::path macroFolder(const std::string& configured,
                                  const std::filesystem::path& settingsFolder);

}  // namespace pravelo
