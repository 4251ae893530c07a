#pragma once

#include "base/text.h"

// User texts of loading a scanned copy behind the board.
// clang-format off
#define PRAVELO_BACKGROUND_TEMPLATE_TEXTS(X) \
  X(templateMissing, "Die Vorlagen-Datei \"%1\" existiert nicht.", "Can not find the scanned-copy-bitmap: %1", "Erreur de chargement de l´image de la copie scannée: %1") \
  X(templateUnreadable, "Die Vorlagen-Datei \"%1\" kann nicht geladen werden.", "Error loading scanned-copy-bitmap: %1", "Erreur de chargement de l´image de la copie scannée: %1") \
  X(templateNameTooLong, "Der Name der Vorlagen-Datei \"%1\" ist länger als 200 Zeichen.", "The name of the scanned-copy-bitmap is longer than 200 characters: %1", "Le nom de l´image de la copie scannée dépasse 200 caractères : %1")
// clang-format on

namespace pravelo::texts {
PRAVELO_BACKGROUND_TEMPLATE_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
