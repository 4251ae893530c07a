#include "app/language_file.h"

#include <optional>

#include "settings/settings_store.h"

namespace pravelo {
namespace {

constexpr const char* kSection = "Sprache";
constexpr const char* kKey = "Sprache";

std::optional<Language> languageIn(const std::filesystem::path& folder) {
  const SettingsStore file(folder / kLanguageFileName);
  const int number = file.readInteger(kSection, kKey, -1);
  if (number < 0 || number > 2) return std::nullopt;
  return static_cast<Language>(number);
}

}  // namespace

Language readLanguage(const std::filesystem::path& settingsFolder,
                      const std::filesystem::path& programFolder) {
  for (const auto& folder : {settingsFolder, programFolder}) {
    if (const std::optional<Language> language = languageIn(folder)) return *language;
  }
  return Language::German;
}

bool writeLanguage(const std::filesystem::path& settingsFolder, Language language) {
  SettingsStore file(settingsFolder / kLanguageFileName);
  return file.writeInteger(kSection, kKey, static_cast<int>(language));
}

}  // namespace pravelo
