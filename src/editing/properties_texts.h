#pragma once

#include "base/text.h"

// User texts of the properties panel that the core puts together.
// clang-format off
#define PRAVELO_PROPERTIES_TEXTS(X) \
  X(rowPad, "; Pad", "; Pad", "; Pastille") \
  X(rowPads, "; Pads", "; Pads", "; Pastilles") \
  X(rowSmdPad, "; SMD-Pad", "; SMD-Pad", "; Pastille CMS") \
  X(rowSmdPads, "; SMD-Pads", "; SMD-Pads", "; Pastilles CMS") \
  X(rowText, "; Text", "; Text", "; Texte") \
  X(rowTexts, "; Texte", "; Texts", "; Textes") \
  X(rowCircle, "; Kreis", "; Circle", "; Cercle") \
  X(rowCircles, "; Kreise", "; Circles", "; Cercles") \
  X(rowTrack, "; Leiterbahn", "; Track", "; Piste") \
  X(rowTracks, "; Leiterbahnen", "; Tracks", "; Pistes") \
  X(rowZone, "; Fläche", "; Zone", "; Surface") \
  X(rowZones, "; Flächen", "; Zones", "; Surfaces") \
  X(kindBoard, "Platine", "Board", "Carte") \
  X(thermalAllLayers, "Thermal-Pad-Einstellungen für alle Lagen übernehmen?", "Assign thermalpads for all layers?", "Appliquer les pastilles thermiques à toutes les couches ?") \
  X(areaCm2, " cm²", " cm²", " cm²") \
  X(areaIn2, " in²", " in²", " in²") \
  X(amperes, " A", " A", " A")
// clang-format on

namespace pravelo::texts {
PRAVELO_PROPERTIES_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
