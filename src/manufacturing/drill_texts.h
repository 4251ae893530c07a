#pragma once

#include "base/text.h"

// User texts of the drill list and the drill export.
// clang-format off
#define PRAVELO_DRILL_TEXTS(X) \
  X(drillTotalWord, " Bohrungen", " drillings", " perçages") \
  X(drillSilkscreenWarning, "Es gibt %1 Bohrungen auf dem Bestückungsdruck.\nDiese Bohrungen werden ignoriert.", "There are %1 drillings on the silkscreen layer.\nThese drillings will be ignored.", "Il y a %1 perçages sur la couche de sérigraphie.\nCes perçages seront ignorés.") \
  X(drillInClipboard, "Der Text ist jetzt in der Zwischenablage", "The text is now in the clipboard", "Le texte est maintenant dans le presse-papiers") \
  X(drillOutOfRange, "%1 Bohrungen liegen außerhalb des Zahlenformats (bis %2).\nMit führenden Nullen würden ihre Koordinaten falsch gelesen: wählen Sie \"Führende Nullen löschen\" oder \"Ausgabe mit Dezimalpunkt\".", "%1 drillings lie outside the number format (up to %2).\nWith leading zeros their coordinates would be misread: choose \"Delete leading zeros\" or \"Output with decimal point\".", "%1 perçages se trouvent hors du format numérique (jusqu'à %2).\nAvec les zéros de tête, leurs coordonnées seraient mal lues : choisissez « Supprimer les zéros de tête » ou « Sortie avec point décimal ».") \
  X(drillTooManyTools, "Die Bohrdatei braucht %1 Bohrer; viele Bohrmaschinen kennen höchstens 99.\nSollen die Durchmesser auf %2 mm gerundet und so zusammengefasst werden?", "The drill file needs %1 drills; many drilling machines know at most 99.\nRound the diameters to %2 mm to merge them?", "Le fichier de perçage nécessite %1 forets ; beaucoup de perceuses n'en connaissent que 99 au plus.\nArrondir les diamètres à %2 mm pour les regrouper ?")
// clang-format on

namespace pravelo::texts {
PRAVELO_DRILL_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
