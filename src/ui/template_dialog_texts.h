#pragma once

#include "base/text.h"

// User texts of the scanned-copy dialog and the scanned copy's status-bar buttons.
// clang-format off
#define PRAVELO_TEMPLATE_DIALOG_TEXTS(X) \
  X(templateCaption, "Vorlage", "Scanned copy", "Copie scannée") \
  X(templateExplanation, "Eine eingescannte Vorlage in den Hintergrund laden, um sie nachzuzeichnen.", "Load a scanned copy to the background to trace it.", "Charger une copie scannée en arrière-plan pour la décalquer.") \
  X(templatePage1, "Seite 1 (Oberseite)", "Board side 1 (Top)", "Carte face 1") \
  X(templatePage2, "Seite 2 (Unterseite)", "Board side 2 (Bottom)", "Carte face 2") \
  X(templateLoad, "Bitmap &laden...", "&Load bitmap...", "&Charger l'image...") \
  X(templateDelete, "Bitmap entfernen", "Delete bitmap", "Supprimer l'image") \
  X(templateShow, "Bitmap &anzeigen", "&Show bitmap", "&Afficher l'image") \
  X(templateResolution, "Auflösung:", "Resolution:", "Résolution :") \
  X(templateDpiUnit, "[dpi]", "[dpi]", "[dpi]") \
  X(templateOffsetX, "X-Versatz:", "X-Offset:", "Décalage X :") \
  X(templateOffsetY, "Y-Versatz:", "Y-Offset:", "Décalage Y :") \
  X(templateOffsetUnit, "[1/10 mm]", "[1/10 mm]", "[1/10 mm]") \
  X(templateColour, "Farbe:", "Color:", "Couleur :") \
  X(templateOk, "&OK", "&OK", "&OK") \
  X(templateFileFilter, "Vorlagen (*.jpg *.jpeg *.bmp)", "Scanned copies (*.jpg *.jpeg *.bmp)", "Copies scannées (*.jpg *.jpeg *.bmp)") \
  X(templateExclusive, "Exklusiv", "Exclusive", "Exclusif") \
  X(templateExclusiveHint, "Exklusiv anzeigen|Nur die Vorlage anzeigen", "Show exclusive|Display only the scanned copy", "Afficher seule|N'afficher que la copie scannée") \
  X(templateHide, "Ausblenden", "Hide", "Masquer") \
  X(templateHideHint, "Vorlage ausblenden|Das Layout ohne die Vorlage zeigen", "Hide scanned copy|Show the layout without the scanned copy", "Masquer la copie scannée|Afficher le layout sans la copie scannée")
// clang-format on

namespace pravelo::texts {
PRAVELO_TEMPLATE_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
