#pragma once

#include "base/text.h"

// User texts of the `outlines` command of the command-line tool.
// clang-format off
#define PRAVELO_OUTLINES_TEXTS(X) \
  X(cliOutlinesHelp, "Gibt die Kupferumrisse der leitenden Objekte einer Lage aus", "Print the copper outlines of the conducting objects of a layer", "Affiche les contours cuivre des objets conducteurs d'une couche") \
  X(cliBoardNumberHelp, "Nummer der Platine ab 0 (Vorgabe: die aktive Platine)", "Board number from 0 (default: the active board)", "Numéro de la carte à partir de 0 (par défaut : la carte active)") \
  X(cliLayerNumberHelp, "Lage 1 bis 7 (Vorgabe: 1, K1)", "Layer 1 to 7 (default: 1, C1)", "Couche 1 à 7 (par défaut : 1, C1)") \
  X(cliGrowHelp, "Verbreitert jedes Objekt vorher um so viele Einheiten (0,1 µm)", "Widen every object by this many units (0.1 µm) first", "Élargit d'abord chaque objet de ce nombre d'unités (0,1 µm)") \
  X(cliUnionHelp, "Gibt stattdessen die vereinigten Umrisse der Lage aus", "Print the united outlines of the layer instead", "Affiche plutôt les contours réunis de la couche") \
  X(cliOutlinesJsonHelp, "Ausgabe als JSON", "Print as JSON", "Sortie au format JSON") \
  X(cliNoSuchBoard, "Die Datei hat keine Platine Nummer ", "The file has no board number ", "Le fichier n'a pas de carte numéro ") \
  X(cliNoSuchLayer, "Die Lage muss zwischen 1 und 7 liegen, nicht ", "The layer must lie between 1 and 7, not ", "La couche doit être comprise entre 1 et 7, et non ") \
  X(cliLayerWord, ", Lage ", ", layer ", ", couche ") \
  X(cliObjectWord, "Objekt ", "Object ", "Objet ") \
  X(cliKindWord, ", Art ", ", kind ", ", type ") \
  X(cliLoopsWord, " Umrisse", " outlines", " contours") \
  X(cliUnitedWord, "Vereinigt: ", "United: ", "Réunis : ")
// clang-format on

namespace pravelo::texts {
PRAVELO_OUTLINES_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
