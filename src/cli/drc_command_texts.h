#pragma once

#include "base/text.h"

// User texts of the `drc` command of the command-line tool.
// clang-format off
#define PRAVELO_DRC_COMMAND_TEXTS(X) \
  X(cliDrcHelp, "Prüft eine Platine nach den Design-Regeln und listet die Funde", "Check a board against the design rules and list the findings", "Vérifie une carte selon les règles de conception et liste les résultats") \
  X(cliDrcJsonHelp, "Ausgabe als JSON", "Print as JSON", "Sortie au format JSON") \
  X(cliRulesHelp, "Regeln SCHLÜSSEL=WERT wie im Abschnitt DRC der Einstellungsdatei (Schalter 0 oder 1, Längen in Einheiten zu 0,1 µm)", "Rules KEY=VALUE as in the DRC section of the settings file (switches 0 or 1, lengths in units of 0.1 µm)", "Règles CLÉ=VALEUR comme dans la section DRC du fichier de paramètres (interrupteurs 0 ou 1, longueurs en unités de 0,1 µm)") \
  X(cliUnknownRule, "Unbekannte oder ungültige Regel: ", "Unknown or invalid rule: ", "Règle inconnue ou invalide : ") \
  X(cliMarkerWord, ", Markierung ", ", marker ", ", marque ") \
  X(cliObjectsWord, ", Objekte", ", objects", ", objets") \
  X(cliCancelledWord, " (abgebrochen)", " (cancelled)", " (interrompu)")
// clang-format on

namespace pravelo::texts {
PRAVELO_DRC_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
