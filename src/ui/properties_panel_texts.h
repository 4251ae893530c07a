#pragma once

#include "base/text.h"

// User texts of the properties panel's pages.
// clang-format off
#define PRAVELO_PROPERTIES_PANEL_TEXTS(X) \
  X(propertiesTitle, "Eigenschaften", "Properties", "Propriétés") \
  X(multiselectLabel, "Mehrfachauswahl:", "Multiselect:", "Sélection multiple :") \
  X(centreLabel, "Mittelpunkt:", "Center:", "Centre :") \
  X(shapeLabel, "Form:", "Shape:", "Forme :") \
  X(drillLabel, "Bohrung:", "Drill:", "Perçage :") \
  X(sizeLabel, "Größe:", "Size:", "Taille :") \
  X(thermalPad, "Thermal-Pad", "Thermal pad", "Pastille thermique") \
  X(allLayersEqual, "Alle Layer gleich", "All layer equal", "Toutes les couches identiques") \
  X(layersIndividual, "Layer individuell", "Layer individual", "Couches individuelles") \
  X(positionsLabel, "Positionen:", "Positions:", "Positions :") \
  X(flatStart, "Flacher Anfang", "Flat start", "Début plat") \
  X(flatEnd, "Flaches Ende", "Flat end", "Fin plate") \
  X(cutoutArea, "Sperrfläche", "Cutout-area", "Zone d'exclusion") \
  X(lengthLabel, "Länge:", "Length:", "Longueur :") \
  X(nodesLabel, "Knoten:", "Nodes:", "Nœuds :") \
  X(imaxLabel, "Imax*:", "Imax*:", "Imax* :") \
  X(imaxNote, " * (%1µ / %2°)", " * (%1µ / %2°)", " * (%1µ / %2°)") \
  X(outlineLabel, "Umriss:", "Outline:", "Contour :") \
  X(hatched, "Schraffiert", "Hatched", "Hachurée") \
  X(hatchFromOutline, "Umriss", "Outline", "Contour") \
  X(hatchSelfDefined, "Selbst definiert", "Self-defined", "Définie") \
  X(onlySoldermask, "Nur Lötstopp", "Only soldermask", "Vernis épargne seulement") \
  X(propertiesTextHeightLabel, "Texthöhe:", "Text height:", "Hauteur du texte :") \
  X(textThicknessLabel, "Strichstärke:", "text-thickness:", "Épaisseur du trait :") \
  X(styleLabel, "Stil", "Style", "Style") \
  X(styleNarrow, "Schmal", "Narrow", "Étroit") \
  X(styleNormal, "Normal", "Normal", "Normal") \
  X(styleWide, "Breit", "Wide", "Large") \
  X(angleLabel, "Winkel", "Angle", "Angle") \
  X(mirrorLabel, "Spiegeln", "Mirror", "Miroir") \
  X(mirrorHorizontal, "Horizontal", "Horizontal", "Horizontal") \
  X(mirrorVertical, "Vertikal", "Vertical", "Vertical") \
  X(strokeWidthLabel, "Strichbreite:", "Stroke width:", "Largeur du trait :") \
  X(ringWidthLabel, "Leiterbahnbreite:", "Track width:", "Largeur de piste :") \
  X(startAngleLabel, "Startwinkel:", "Start angle:", "Angle de départ :") \
  X(stopAngleLabel, "Endwinkel:", "Stop angle:", "Angle d'arrivée :") \
  X(filled, "Gefüllt", "Filled", "Plein") \
  X(filledNote, "Keine Gerber-Ausgabe für gefüllte Segmente.", "No Gerber export fot filled segments.", "Pas d'export Gerber pour les segments pleins.") \
  X(arcNote, "Das Segment wird vom Start- zum Endwinkel gegen den Uhrzeigersinn gezeichnet.", "The segment is drawn anticlockwise from the start to the stop angle.", "Le segment est tracé dans le sens antihoraire de l'angle de départ à l'angle d'arrivée.") \
  X(areaLabel, "Fläche:", "Area:", "Surface :")
// clang-format on

namespace pravelo::texts {
PRAVELO_PROPERTIES_PANEL_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
