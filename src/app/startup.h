#pragma once

#include <filesystem>

#include "app/app_folders.h"
#include "app/settings.h"
#include "app/settings_store.h"
#include "app/text.h"

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
