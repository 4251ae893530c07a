#pragma once

#include "base/text.h"

// User texts of the design rule check: the findings and the run's progress.
// clang-format off
#define PRAVELO_DRC_TEXTS(X) \
  X(drcDistance, "Abstand", "Distance", "Distance") \
  X(drcGroundPlaneDistance, "Abstand zur AutoMasse", "Distance to ground plane", "Distance depuis plan de masse") \
  X(drcDrillDistance, "Bohrungen zu nah", "Drillings too close", "Perçages trop près") \
  X(drcDrillTooSmall, "Bohrung zu klein", "Drilling too small", "Perçages trop petits") \
  X(drcDrillTooBig, "Bohrung zu gross", "Drilling too big", "Perçages trop gros") \
  X(drcRingTooThin, "Ring zu dünn", "Annular ring too thin", "Anneaux trop petits") \
  X(drcTrackTooThin, "Leiterbahn zu dünn", "Track too thin", "Piste trop fine") \
  X(drcSilkTooThin, "Bestückungsdruck zu dünn", "Silkscreen too thin", "Sérigraphie trop fine") \
  X(drcSilkOnPad, "Bestückung auf Pad", "Silkscreen on pad", "Sérigraphie sur pastille") \
  X(drcDrillOnSmd, "Bohrung auf SMD-Pad", "Drilling on SMD pad", "Perçage sur pastille-CMS") \
  X(drcPadWithoutMask, "Pad ohne Lötstopp", "Pad without soldermask", "Recouverte de vernis épargne") \
  X(drcNonPadWithMask, "Element mit Lötstopp", "Non-pad with soldermask", "Absence de vernis épargne") \
  X(drcRunning, "DRC läuft...", "DRC running...", "DRC progrès...") \
  X(drcEntries, " Einträge", " Entries", " Entrées")
// clang-format on

namespace pravelo::texts {
PRAVELO_DRC_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
