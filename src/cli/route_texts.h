#pragma once

#include "base/text.h"

// Texts of `pravelo-cli route`.
// clang-format off
#define PRAVELO_ROUTE_CLI_TEXTS(X) \
  X(cliRouteHelp, "Verlegt Luftlinien einer Platine mit dem Autorouter zu Leiterbahnen", "Route connections (rubberbands) of a board into tracks with the autorouter", "Route les connexions (élastiques) d'une carte en pistes avec l'autorouteur") \
  X(cliRouteOutputHelp, "Ausgabedatei (.pvb6)", "Output file (.pvb6)", "Fichier de sortie (.pvb6)") \
  X(cliRouteAllHelp, "Alle offenen Luftlinien der Lage verlegen, kürzeste zuerst (Vorgabe)", "Route every open connection of the layer, shortest first (default)", "Router toutes les connexions ouvertes de la couche, la plus courte d'abord (par défaut)") \
  X(cliRouteConnectionHelp, "Nur die Luftlinie zwischen den Pads mit den Objektnummern I und J verlegen", "Route only the connection between the pads with object numbers I and J", "Router seulement la connexion entre les pastilles de numéros d'objet I et J") \
  X(cliRouteLayerHelp, "Kupferlage 1, 3, 5 oder 6 (Vorgabe: die aktive Lage der Platine)", "Copper layer 1, 3, 5 or 6 (default: the board's active layer)", "Couche de cuivre 1, 3, 5 ou 6 (par défaut : la couche active de la carte)") \
  X(cliRouteWidthHelp, "Leiterbahnbreite in mm, 0.05 bis 9.99 (Vorgabe 0.4)", "Track width in mm, 0.05 to 9.99 (default 0.4)", "Largeur de piste en mm, 0.05 à 9.99 (par défaut 0.4)") \
  X(cliRouteClearanceHelp, "Mindestabstand in mm, 0.05 bis 9.99 (Vorgabe 0.2)", "Minimum distance in mm, 0.05 to 9.99 (default 0.2)", "Distance minimale en mm, 0.05 à 9.99 (par défaut 0.2)") \
  X(cliRouteGridHelp, "on: am Raster der Platine orientieren (Vorgabe), off: Raster = Breite + 2 × Abstand", "on: orientate on the board's grid (default), off: grid = width + 2 × distance", "on : s'orienter sur la grille de la carte (par défaut), off : grille = largeur + 2 × distance") \
  X(cliRouteJsonHelp, "Ergebnis als JSON", "Result as JSON", "Résultat en JSON") \
  X(cliRouteNoConnection, "Zwischen diesen Objekten besteht keine Luftlinie: ", "There is no connection between these objects: ", "Il n'y a pas de connexion entre ces objets : ") \
  X(cliRouteBadLayer, "Keine Kupferlage: ", "Not a copper layer: ", "Pas une couche de cuivre : ") \
  X(cliRouteRouted, "verlegt, Bahn %1, %2 Eckpunkte", "routed, track %1, %2 vertices", "routée, piste %1, %2 sommets")
// clang-format on

namespace pravelo::texts {
PRAVELO_ROUTE_CLI_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
