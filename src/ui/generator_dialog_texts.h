#pragma once

#include "base/text.h"

// User texts of the footprint wizard and the special shapes dialog.
// clang-format off
#define PRAVELO_GENERATOR_DIALOG_TEXTS(X) \
  X(footprintCaption, "Bauteilassistent", "Footprint-Wizard", "Empreintes simplifiées") \
  X(footprintSingleRow, "Einzelne Reihe (SIP)", "Single row (SIP)", "Rangée simple (SIP)") \
  X(footprintDualRow, "Doppelte Reihe (DIP)", "Dual row (DIP)", "Rangée double (DIP)") \
  X(footprintSquare, "Quadratisch (QUAD)", "Square (QUAD)", "Carré (QUAD)") \
  X(footprintSingleCircular, "Kreisform", "Single circular", "Circulaire simple") \
  X(footprintDualCircular, "Kreisform 2-Reihig", "Dual circular", "Circulaire double") \
  X(footprintPadsGroup, "Lötpads", "Pads", "Pastilles") \
  X(footprintCountGroup, "Anzahl der Pads", "Number of Pads", "Nombre de pastilles") \
  X(footprintParameters, "Parameter", "Parameters", "Paramètres") \
  X(footprintDefault, "Vorgabe", "Default", "Défaut") \
  X(footprintRound, "Rund", "Round", "Rondes") \
  X(footprintSmd, "SMD", "SMD", "CMS") \
  X(footprintPadDiameter, "Pad-Durchmesser:", "Pad diameter:", "Diamètre de pastille :") \
  X(footprintDrill, "Bohrung:", "Drill:", "Perçage :") \
  X(footprintSmdX, "SMD X:", "SMD X:", "CMS X :") \
  X(footprintSmdY, "SMD Y:", "SMD Y:", "CMS Y :") \
  X(footprintHorizontal, "Horizontal:", "Horizontal:", "Horizontal :") \
  X(footprintVertical, "Vertikal:", "Vertical:", "Vertical :") \
  X(footprintTotal, "Gesamt: %1", "Total: %1", "Total : %1") \
  X(shapeCaption, "Spezialformen", "Special forms", "Formes spéciales") \
  X(shapePolygonPage, "Vieleck", "Polygon", "Polygones") \
  X(shapeSpiralPage, "Spirale", "Spiral", "Spirale") \
  X(shapeFramePage, "Rahmen", "Frame", "Repère") \
  X(shapeCorners, "Anzahl der Ecken:", "Number of corners:", "Nombre de coins :") \
  X(shapeRadius, "Radius:", "Radius:", "Rayon :") \
  X(shapeLineWidth, "Linienbreite:", "Line width:", "Largeur de ligne :") \
  X(shapeAngleOffset, "Winkelversatz (°):", "Angle offset (°):", "Décalage d'angle (°) :") \
  X(shapeFilled, "&Gefüllt", "&Filled", "&Rempli") \
  X(shapeRays, "&Strahlen", "&Rays", "R&ayons") \
  X(shapeStartRadius, "Startradius:", "Start radius:", "Rayon de départ :") \
  X(shapeDistance, "Abstand:", "Distance:", "Distance :") \
  X(shapeTrackWidth, "Leiterbahnbreite:", "Track width:", "Largeur de piste :") \
  X(shapeTurns, "Umdrehungen:", "Turns:", "Tours :") \
  X(shapeRound, "&Rund", "&Round", "&Rond") \
  X(shapeSpiralSquare, "&Quadratisch", "&Square", "&Carré") \
  X(shapeDiameter, "Durchmesser: %1", "Diameter: %1", "Diamètre : %1") \
  X(shapeColumns, "Spalten:", "Columns:", "Colonnes :") \
  X(shapeRows, "Zeilen:", "Rows:", "Lignes :") \
  X(shapeWidth, "Breite:", "Width:", "Largeur :") \
  X(shapeHeight, "Höhe:", "Height:", "Hauteur :") \
  X(shapeAutosize, "Autosize", "Autosize", "Auto") \
  X(shapeTop, "Oben", "Top", "Haut") \
  X(shapeBottom, "Unten", "Bottom", "Bas") \
  X(shapeTopBottom, "Oben + Unten", "Top + Bottom", "Haut + Bas") \
  X(shapeLeft, "Links", "Left", "Gauche") \
  X(shapeRight, "Rechts", "Right", "Droit") \
  X(shapeLeftRight, "Links + Rechts", "Left + Right", "Gauche + Droit")
// clang-format on

namespace pravelo::texts {
PRAVELO_GENERATOR_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
