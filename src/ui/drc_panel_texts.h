#pragma once

#include "base/text.h"

// Captions of the design rule check panel.
// clang-format off
#define PRAVELO_DRC_PANEL_TEXTS(X) \
  X(drcCaption, "DRC", "DRC", "DRC") \
  X(drcMinimumDistance, "Mindestabstand", "Minimum distance", "Distance minimale") \
  X(drcCopper, "Kupfer:", "Copper:", "Cuivre :") \
  X(drcDrillings, "Bohrungen:", "Drillings:", "Perçages :") \
  X(drcMinMax, "Min/Max", "Min/Max", "Min/Max") \
  X(drcDrillMin, "Bohrung min:", "Drilling min:", "Perçage min :") \
  X(drcDrillMax, "Bohrung max:", "Drilling max:", "Perçage max :") \
  X(drcTrackMin, "Leiterbahn min:", "Track min:", "Piste min :") \
  X(drcRingMin, "Restring min:", "Annular ring min:", "Anneau min :") \
  X(drcSilkMin, "Bestückungsdruck min:", "Silkscreen min:", "Sérigraphie min :") \
  X(drcMiscellaneous, "Sonstiges", "Miscellaneous", "Divers") \
  X(drcSilkOverPads, "Bestückungsdruck auf Pads", "Silkscreen over pads", "Sérigraphie sur pastilles") \
  X(drcDrillingOnSmd, "Bohrungen auf SMD-Pads", "Drilling on SMD pads", "Perçages sur pastilles CMS") \
  X(drcPadsWithoutMask, "Pads ohne Lötstopp", "Pads without soldermask", "Pastilles sans vernis épargne") \
  X(drcMaskOutOfPads, "Lötstopp außerhalb von Pads", "Soldermask out of pads", "Vernis épargne hors des pastilles") \
  X(drcComplete, "Komplett...", "Complete...", "Complet...") \
  X(drcWindow, "Fenster...", "Window...", "Fenêtre...") \
  X(drcSelectAll, "Alle auswählen", "Select all", "Tout sélectionner")
// clang-format on

namespace pravelo::texts {
PRAVELO_DRC_PANEL_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
