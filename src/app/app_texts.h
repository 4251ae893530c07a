#pragma once

#include "base/text.h"

// User texts of the application shell.
// clang-format off
#define PRAVELO_APP_TEXTS(X) \
  X(languageCaption, "Sprache", "Language", "Langue") \
  X(languageGerman, "Deutsch", "Deutsch", "Deutsch") \
  X(languageEnglish, "English", "English", "English") \
  X(languageFrench, "Francaise", "Francaise", "Francaise") \
  X(languageAtNextStart, "Die gewählte Sprache wird beim nächsten Start von Pravelo-Board verwendet.", "The chosen language will be used the next time Pravelo-Board starts.", "La langue choisie sera utilisée au prochain démarrage de Pravelo-Board.")
// clang-format on

namespace pravelo::texts {
PRAVELO_APP_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
