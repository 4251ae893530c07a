#pragma once

#include "base/text.h"

// User texts of the text dialog.
// clang-format off
#define PRAVELO_TEXT_DIALOG_TEXTS(X) \
  X(textDialogCaption, "Texteigenschaften", "Text", "Texte") \
  X(textContentLabel, "Text", "Text", "Texte") \
  X(textHeightLabel, "Höhe (mm)", "Height (mm)", "Hauteur (mm)") \
  X(textThicknessGroup, "Strichbreite", "Width", "Épaisseur") \
  X(textThin, "Dünn", "Thin", "Fin") \
  X(textNormalThickness, "Normal", "Normal", "Normal") \
  X(textBold, "Fett", "Bold", "Gras") \
  X(textOrientationGroup, "Ausrichtung", "Orientation", "Orientation") \
  X(textStyleGroup, "Stil", "Style", "Style") \
  X(textNarrow, "Schmal", "Narrow", "Étroit") \
  X(textNormalStyle, "Normal", "Normal", "Normal") \
  X(textWide, "Breit", "Wide", "Large") \
  X(textMirrorGroup, "Spiegeln", "Mirror", "Miroir") \
  X(textMirrorHorizontal, "Horizontal", "Horizontal", "Horizontal") \
  X(textMirrorVertical, "Vertikal", "Vertical", "Vertical") \
  X(textAutomaticGroup, "Automatisch", "Automatic", "Automatique") \
  X(textAddNumber, "Nummer anhängen", "Add number", "Ajouter un numéro") \
  X(textStartAt, "Beginnen bei:", "Start at:", "Commencer à :") \
// clang-format on

namespace pravelo::texts {
PRAVELO_TEXT_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
