#pragma once

#include "base/text.h"

// Captions of the autorouter panel.
// clang-format off
#define PRAVELO_AUTOROUTER_PANEL_TEXTS(X) \
  X(autorouterCaption, "Autorouter", "Autorouter", "Autorouteur") \
  X(autorouterWidth, "Leiterbahnbreite:", "Track width:", "Largeur de piste :") \
  X(autorouterDistance, "Mindestabstand:", "Minimum distance:", "Distance minimale :") \
  X(autorouterOnGrid, "Am aktuellen Raster orientieren", "Orientate on current grid", "S'orienter sur la grille actuelle") \
  X(autorouterGrid, "Raster für Autoroute:", "Grid for Autoroute:", "Grille pour l'autoroutage :") \
  X(autorouterStatus, "Status:", "Status:", "État :") \
  X(autorouterRouteAll, "Alle verlegen", "Route all", "Tout router") \
  X(autorouterClose, "Schließen", "Close", "Fermer")
// clang-format on

namespace pravelo::texts {
PRAVELO_AUTOROUTER_PANEL_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
