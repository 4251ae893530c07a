#pragma once

#include "base/text.h"

// User texts of the component dialog.
// clang-format off
#define PRAVELO_COMPONENT_DIALOG_TEXTS(X) \
  X(componentCaption, "Bauteil", "Component", "Composant") \
  X(componentId, "Bezeichner:", "ID:", "Identifiant :") \
  X(componentValue, "Wert:", "Value:", "Valeur :") \
  X(componentLayer, "Layer:", "Layer:", "Couche :") \
  X(componentVisible, "Sichtbar", "Visible", "Visible") \
  X(componentTextProperties, "Texteigenschaften:", "Text properties:", "Propriétés du texte :") \
  X(componentNarrow, "Schmal", "Narrow", "Étroit") \
  X(componentNormal, "Normal", "Normal", "Normal") \
  X(componentWide, "Breit", "Wide", "Large") \
  X(componentThin, "Dünn", "Thin", "Fin") \
  X(componentBold, "Fett", "Bold", "Gras") \
  X(componentAlign, "Texte automatisch ausrichten", "Align text automatically", "Aligner les textes automatiquement") \
  X(componentBreakUp, "Bauteil auflösen", "Disintegrate Component", "Dissocier le composant") \
  X(componentShowPickPlace, "Pick+ Place Daten anzeigen", "Show Pick+ Place Data", "Afficher les données Pick+ Place") \
  X(componentHidePickPlace, "Pick+ Place Daten ausblenden", "Hide Pick+ Place Data", "Masquer les données Pick+ Place") \
  X(componentUsePickPlace, "Pick+ Place Daten verwenden", "Use Pick+ Place Data", "Utiliser les données Pick+ Place") \
  X(componentRotation, "Rotation:", "Rotation:", "Rotation :") \
  X(componentCentreCopper, "Zentrum Kupfer", "Center Copper", "Centre cuivre") \
  X(componentCentreSilk, "Zentrum Bestückung", "Center Silkscreen", "Centre sérigraphie") \
  X(componentCentreBoth, "Zentrum Kupfer+ Best.", "Center Copper+ Silk", "Centre cuivre+ sérigr.") \
  X(componentOffsetX, "X-Versatz:", "X-Offset:", "Décalage X :") \
  X(componentOffsetY, "Y-Versatz:", "Y-Offset:", "Décalage Y :") \
  X(componentPackage, "Gehäuse:", "Package:", "Boîtier :") \
  X(componentComment, "Kommentar", "Comment", "Commentaire")
// clang-format on

namespace pravelo::texts {
PRAVELO_COMPONENT_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
