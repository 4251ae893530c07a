#pragma once

#include "base/text.h"

// User texts of the autorouter: its status line and the summary of "Route all".
// clang-format off
#define PRAVELO_AUTOROUTE_TEXTS(X) \
  X(routeReady, "Bereit", "Ready", "Prêt") \
  X(routeAnalyzing, "Analysiere...", "Analyzing...", "Analyse...") \
  X(routeGridTooFine, "Raster zu fein", "Grid too fine", "Grille trop fin") \
  X(routeNotFound, "Kein Weg gefunden", "Not found", "Non trouvé") \
  X(routeSuccessful, "Erfolgreich", "Successful", "Routage OK") \
  X(routeResolved, "Autoroute aufgelöst", "Autoroute resolved", "Routage annulé") \
  X(routeAllDone, "%1 von %2 Verbindungen verlegt.", "%1 of %2 connections routed.", "%1 connexions sur %2 routées.") \
  X(routeAllRest, "Nicht verlegt:", "Not routed:", "Non routées :") \
  X(routeAllStopped, "Abgebrochen.", "Stopped.", "Interrompu.")
// clang-format on

namespace pravelo::texts {
PRAVELO_AUTOROUTE_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
