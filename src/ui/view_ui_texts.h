#pragma once

#include "base/text.h"

// User texts of the drawing area, its rulers, navigator and status-bar controls, the grid menu
// and the grid dialogs.
// clang-format off
#define PRAVELO_VIEW_UI_TEXTS(X) \
  X(navigatorHint, "Platinen-Zoom", "Board-Zoom", "Zoom de la carte") \
  X(coordinateX, "X: ", "X: ", "X : ") \
  X(coordinateY, "Y: ", "Y: ", "Y : ") \
  X(coordinateHint, "Koordinaten des Mauszeigers, bezogen auf den Nullpunkt", "Pointer coordinates relative to the user origin", "Coordonnées du pointeur par rapport à l'origine utilisateur") \
  X(gridButtonHint, "Raster wählen", "Choose the grid", "Choisir la grille") \
  X(defaultGrids, "Standard-Raster", "Default grids", "Grilles standard") \
  X(metricGrids, "Metrische Raster", "Metric grids", "Grilles métriques") \
  X(userGrids, "Benutzer-Raster", "User grids", "Grilles utilisateur") \
  X(removeGrid, "Entfernen", "Remove", "Supprimer") \
  X(gridStyle, "Rasterdarstellung", "Grid style", "Style de grille") \
  X(subdivisions, "Unterteilungen", "Subdivisions", "Subdivisions") \
  X(subdivisionsOff, "aus", "off", "aucune") \
  X(gridDialogCaption, "Raster", "Grid", "Grille") \
  X(gridValueLabel, "Rasterwert:", "Grid value:", "Valeur de la grille :") \
  X(gridHotkeysCaption, "Rasterwerte für die Tasten 1..9", "Grid values for Keys 1..9", "Valeurs de grille pour les touches 1..9") \
  X(gridHotkeyKey, "Taste ", "Key ", "Touche ") \
  X(gridHotkeyChange, "Ändern...", "Change...", "Modifier...")
// clang-format on

namespace pravelo::texts {
PRAVELO_VIEW_UI_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
