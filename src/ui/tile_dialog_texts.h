#pragma once

#include "base/text.h"

// User texts of the tile dialog.
// clang-format off
#define PRAVELO_TILE_DIALOG_TEXTS(X) \
  X(tileCaption, "Kacheln", "Tile", "Tuiles") \
  X(tileModeTile, "Kacheln", "Tile", "Tuiles") \
  X(tileModeCircular, "Kreisförmig anordnen", "Circular arrangement", "Arrangement circulaire") \
  X(tileColumns, "Horizontal:", "Horizontal:", "Horizontal :") \
  X(tileRows, "Vertikal:", "Vertical:", "Vertical :") \
  X(tileDistance, "Abstand:", "Distance:", "Distance :") \
  X(tileMaximum, "Maximal %1 Kacheln", "Maximal %1 tiles", "%1 tuiles maximales") \
  X(tileCount, "Anzahl gesamt:", "Number total:", "Nombre total :") \
  X(tileRadius, "Radius:", "Radius:", "Rayon :") \
  X(tileAngle, "Winkel:", "Angle:", "Angle :") \
  X(tileRotate, "Elemente mitdrehen", "Rotate elements", "Tourner les éléments") \
  X(tileStartPoint, "Startpunkt des Kreissegments:", "Startpoint of circular segment:", "Point de départ du segment circulaire :") \
  X(tileStartX, "X:", "X:", "X :") \
  X(tileStartY, "Y:", "Y:", "Y :") \
  X(tileCentre, "Mitte (0/0)", "Center (0/0)", "Centre (0/0)") \
  X(tilePadCentre, "Lötaugenmitte wählen:", "Select pad center:", "Choisir le centre de la pastille :") \
  X(tileAngleRange, "Winkelbereich: %1 °", "Angle range: %1 °", "Angle gamme: %1 °")
// clang-format on

namespace pravelo::texts {
PRAVELO_TILE_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
