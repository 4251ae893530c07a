#pragma once

#include "base/text.h"

// User texts of the `render` command of the command-line tool.
// clang-format off
#define PRAVELO_RENDER_TEXTS(X) \
  X(cliRenderHelp, "Zeichnet eine Platine in ein PNG-Bild", "Draw a board into a PNG picture", "Dessine une carte dans une image PNG") \
  X(cliPngHelp, "Zu schreibende PNG-Datei", "PNG file to write", "Fichier PNG à écrire") \
  X(cliDpiHelp, "Auflösung in Punkten pro Zoll (Vorgabe 300); das Bild deckt genau die Platine ab", "Resolution in dots per inch (default 300); the picture covers exactly the board", "Résolution en points par pouce (300 par défaut) ; l'image couvre exactement la carte") \
  X(cliSizeHelp, "Größte Bildgröße BxH in Pixeln; die Platine wird mit ihrem Seitenverhältnis eingepasst", "Largest picture size WxH in pixels; the board is fitted keeping its aspect ratio", "Taille d'image maximale LxH en pixels ; la carte y est ajustée en gardant ses proportions") \
  X(cliLayersHelp, "Sichtbare Lagen, z. B. C1,S1,O (Vorgabe: wie in der Datei)", "Visible layers, e.g. C1,S1,O (default: as stored in the file)", "Couches visibles, p. ex. C1,S1,O (par défaut : comme dans le fichier)") \
  X(cliActiveLayerHelp, "Aktive Lage, oben gezeichnet (Vorgabe: wie in der Datei)", "Active layer, drawn on top (default: as stored in the file)", "Couche active, dessinée au-dessus (par défaut : comme dans le fichier)") \
  X(cliTransparentHelp, "Lagen durchscheinend zeichnen", "Draw the layers transparent", "Dessiner les couches en transparence") \
  X(cliSchemeHelp, "Farbschema: 0 Standard, 1 bis 3 die Benutzerschemata", "Colour scheme: 0 standard, 1 to 3 the user schemes", "Jeu de couleurs : 0 standard, 1 à 3 les jeux utilisateur") \
  X(cliGridHelp, "Das Raster zeichnen", "Draw the grid", "Dessiner la grille") \
  X(cliOriginHelp, "Den Nullpunkt zeichnen", "Draw the origin marker", "Dessiner le point d'origine") \
  X(cliPhotoHelp, "Fotoansicht der Seite top oder bottom (unten gespiegelt) statt der Lagenfarben", "Photo view of side top or bottom (bottom mirrored) instead of the layer colours", "Vue photo de la face top ou bottom (bottom en miroir) au lieu des couleurs des couches") \
  X(cliXRayHelp, "In der Fotoansicht die andere Seite durchscheinen lassen", "In the photo view let the other side shine through", "Dans la vue photo, laisser transparaître l'autre face") \
  X(cliUnknownLayer, "Unbekannte Lage: ", "Unknown layer: ", "Couche inconnue : ") \
  X(cliBadSize, "Die Größe muss als BxH in Pixeln angegeben werden, nicht ", "The size must be given as WxH in pixels, not ", "La taille doit être donnée sous la forme LxH en pixels, et non ") \
  X(cliPictureTooLarge, "Das Bild wäre zu groß (höchstens 32767 Pixel je Seite und 100 Millionen Pixel).", "The picture would be too large (at most 32767 pixels a side and 100 million pixels).", "L'image serait trop grande (au plus 32767 pixels par côté et 100 millions de pixels).")
// clang-format on

namespace pravelo::texts {
PRAVELO_RENDER_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
