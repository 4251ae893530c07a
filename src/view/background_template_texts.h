#pragma once

#include "base/text.h"

// User texts of loading and adjusting a scanned copy behind the board.
// clang-format off
#define PRAVELO_BACKGROUND_TEMPLATE_TEXTS(X) \
  X(templateMissing, "Die Vorlagen-Datei \"%1\" existiert nicht.", "Can not find the scanned-copy-bitmap: %1", "Erreur de chargement de l´image de la copie scannée: %1") \
  X(templateUnreadable, "Die Vorlagen-Datei \"%1\" kann nicht geladen werden.", "Error loading scanned-copy-bitmap: %1", "Erreur de chargement de l´image de la copie scannée: %1") \
  X(templateNameTooLong, "Der Name der Vorlagen-Datei \"%1\" ist länger als 200 Zeichen.", "The name of the scanned-copy-bitmap is longer than 200 characters: %1", "Le nom de l´image de la copie scannée dépasse 200 caractères : %1") \
  X(templateNameNotStorable, "Der Name der Vorlagen-Datei \"%1\" enthält Zeichen, die die Layout-Datei nicht speichern kann.", "The name of the scanned-copy-bitmap holds characters the layout file cannot store: %1", "Le nom de l´image de la copie scannée contient des caractères que le fichier layout ne peut pas enregistrer : %1") \
  X(templateNotLoaded, "Auf Seite %1 ist keine Vorlage geladen.", "No scanned copy is loaded on side %1.", "Aucune copie scannée n'est chargée sur la face %1.") \
  X(templateDpiRange, "Die Auflösung liegt zwischen 20 und 2400 dpi: %1", "The resolution lies between 20 and 2400 dpi: %1", "La résolution est comprise entre 20 et 2400 dpi : %1") \
  X(templateOffsetRange, "Der Versatz liegt zwischen -3000 und 3000 (1/10 mm): %1", "The offset lies between -3000 and 3000 (1/10 mm): %1", "Le décalage est compris entre -3000 et 3000 (1/10 mm) : %1") \
  X(templateTintRange, "Die Farbe liegt zwischen 000000 und FFFFFF: %1", "The colour lies between 000000 and FFFFFF: %1", "La couleur est comprise entre 000000 et FFFFFF : %1")
// clang-format on

namespace pravelo::texts {
PRAVELO_BACKGROUND_TEMPLATE_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
