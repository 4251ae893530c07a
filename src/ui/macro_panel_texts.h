#pragma once

#include "base/text.h"

// Texts of the macro panel.
// clang-format off
#define PRAVELO_MACRO_PANEL_TEXTS(X) \
  X(macroPanelTitle, "Makros", "Macros", "Macros") \
  X(macroPreviewHint, "Vorschau|Ziehen Sie das Makro per Drag && Drop in Ihr Layout", "Preview|Drag && drop the macro to your layout", "Aperçu|Glissez-déposez la macro dans votre layout") \
  X(macroSaveHint, "Als Makro speichern|Markierte Elemente als neues Makro speichern", "Save as macro|Save selected elements as a new macro", "Enregistrer comme macro|Enregistrer les éléments sélectionnés comme nouvelle macro") \
  X(macroDeleteHint, "Makro löschen|Makrodatei löschen", "Delete macro|Delete macro file", "Supprimer la macro|Supprimer le fichier de macro") \
  X(macroRotateHint, "Makro drehen|Das Makro um 90° im Uhrzeigersinn drehen", "Rotate macro|Rotate the macro 90° clockwise", "Tourner la macro|Tourner la macro de 90° dans le sens horaire") \
  X(macroViasHint, "Durchkontaktierte Pads|Alle Pads zu durchkontaktierten Pads machen", "Through-Pads (vias)|Change all pads to through-pads (vias)", "Pastilles traversantes (vias)|Changer toutes les pastilles en pastilles traversantes (vias)") \
  X(macroSideHint, "Platinenseite wechseln|Die Platinenseite des Makros wechseln", "Toggle board-side|Toggle the board-side for the macro", "Changer de côté|Changer le côté de la carte pour la macro") \
  X(macroAsComponent, "als Bauteil", "as component", "comme composant") \
  X(macroLoading, "Makros einlesen...", "Laoding macros...", "Charger macros...") \
  X(macroSaveFilter, "Layout-Makros (*.pvm)|*.PVM", "Layout-Macros (*.pvm)|*.PVM", "Macros-Layout (*.pvm)|*.PVM")
// clang-format on

namespace pravelo::texts {
PRAVELO_MACRO_PANEL_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
