#pragma once

#include <filesystem>

#include "base/text.h"

namespace pravelo {

inline constexpr const char* kLanguageFileName = "SPRACHE.INI";

// The language of the run: the language file of the settings folder, else that of the program
// folder; the first that names a language (0, 1 or 2) decides. Without one: German.
Language readLanguage(const std::filesystem::path& settingsFolder,
                      const std::filesystem::path& programFolder);

// Stores the choice of the language dialog in the settings folder; it takes effect at the next
// start. False when the file could not be written.
bool writeLanguage(const std::filesystem::path& settingsFolder, Language language);

}  // namespace pravelo
