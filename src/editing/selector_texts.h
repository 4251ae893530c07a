#pragma once

#include "base/text.h"

// User texts of the selector panel.
// clang-format off
#define PRAVELO_SELECTOR_TEXTS(X) \
  X(selectorTitle, "Selektor", "Selector", "Sélecteur") \
  X(selectorTypeLabel, "Elemente:", "Elements:", "Éléments :") \
  X(selectorSortLabel, "Sortieren nach:", "Sort by:", "Trier par :") \
  X(selectorLayerLabel, "Lagen:", "Layers:", "Couches :") \
  X(selectorZoomLabel, "Auto-Zoom:", "Auto zoom:", "Zoom auto :") \
  X(selectorAllPads, "Alle Pads", "All Pads", "Toutes les pastilles") \
  X(selectorVias, "Durchkontaktierungen", "Vias", "Vias") \
  X(selectorSmdPads, "SMD-Pads", "SMD-Pads", "Pastilles CMS") \
  X(selectorTracks, "Leiterbahnen", "Tracks", "Pistes") \
  X(selectorTexts, "Texte", "Texts", "Textes") \
  X(sortDrillings, "Bohrungen", "Drillings", "Perçages") \
  X(sortAnnularRing, "Restring", "Annular ring size", "Largeur de couronne") \
  X(sortSize, "Größe", "Size", "Taille") \
  X(sortShape, "Form", "Shape", "Forme") \
  X(sortWidth, "Breite", "Width", "Largeur") \
  X(sortHeight, "Höhe", "Height", "Hauteur") \
  X(sortThickness, "Stärke", "Thickness", "Épaisseur") \
  X(sortString, "Text", "String", "Texte") \
  X(layersCopper, "Nur Kupferlagen", "Copper layers only", "Couches cuivre seulement") \
  X(layersSilkscreen, "Nur Bestückungsdruck und Umriss", "Silkscreen and outline only", "Sérigraphie et contour seulement") \
  X(layersAll, "Alle Lagen", "All layers", "Toutes les couches") \
  X(countOneElement, " Element", " Element", " élément") \
  X(countElements, " Elemente", " Elements", " éléments") \
  X(shapeCircular, "Rund", "Circular", "Rond") \
  X(shapeOctagon, "Achteck", "Octagon", "Octogone") \
  X(shapeSquare, "Quadrat", "Square", "Carré") \
  X(shapeRoundedH, "Oval, waagerecht", "Rounded, horizontal", "Arrondi, horizontal") \
  X(shapeOctagonH, "Achteck, waagerecht", "Octagon, horizontal", "Octogone, horizontal") \
  X(shapeRectangleH, "Rechteck, waagerecht", "Rectangle, horizontal", "Rectangle, horizontal") \
  X(shapeRoundedV, "Oval, senkrecht", "Rounded, vertical", "Arrondi, vertical") \
  X(shapeOctagonV, "Achteck, senkrecht", "Octagon, vertical", "Octogone, vertical") \
  X(shapeRectangleV, "Rechteck, senkrecht", "Rectangle, vertical", "Rectangle, vertical") \
  X(thicknessThin, "Dünn", "Thin", "Fin") \
  X(thicknessNormal, "Normal", "Normal", "Normal") \
  X(thicknessBold, "Fett", "Bold", "Gras")
// clang-format on

namespace pravelo::texts {
PRAVELO_SELECTOR_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
