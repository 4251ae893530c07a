#pragma once

#include <filesystem>

#include "base/text.h"
#include "settings/app_folders.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace pravelo {

// What the program knows after the first steps of its start.
struct AppStart {
  AppFolders folders;
  Language language = Language::German;
  SettingsStore store;
  AppSettings settings;
};

// Reads the language (and makes it the run's language), finds the folders, creating the
// settings folder, opens the settings file and reads every setting. `userDocuments` is the
// desktop's documents folder, empty when it reports none.
AppStart startApplication(const std::filesystem::path& userDocuments);

}  // namespace pravelo
