#pragma once

#include "base/text.h"

// Captions of the photo view's options panel.
// clang-format off
#define PRAVELO_PHOTO_VIEW_PANEL_TEXTS(X) \
  X(photoViewCaption, "Fotoansicht", "Photo view", "Vue photo") \
  X(photoTopSide, "Oberseite K1/B1", "Top side C1/S1", "Face dessus C1/S1") \
  X(photoBottomSide, "Unterseite K2/B2 (gespiegelt)", "Bottom side C2/S2 (mirrored)", "Face dessous C2/S2 (en miroir)") \
  X(photoWithSilkscreen, "Mit Bestückungsdruck", "With silkscreen", "Avec sérigraphie") \
  X(photoXRay, "Röntgen", "X-Ray", "Rayons X") \
  X(photoBoard, "Platine:", "Board:", "Carte :") \
  X(photoGreen, "Grün", "Green", "Vert") \
  X(photoBlue, "Blau", "Blue", "Bleu") \
  X(photoCopper, "Kupfer", "Copper", "Cuivre") \
  X(photoSolderMask, "Lötstopp:", "Soldermask:", "Masque de soudure :") \
  X(photoGold, "Gold", "Gold", "Or") \
  X(photoSilver, "Silber", "Silver", "Argent") \
  X(photoNoFinish, "---", "---", "---")
// clang-format on

namespace pravelo::texts {
PRAVELO_PHOTO_VIEW_PANEL_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
