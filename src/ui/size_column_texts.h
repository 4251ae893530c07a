#pragma once

#include "base/text.h"

// User texts of the size column: its fields' hints (short hint, "|", long hint), the
// favourites lists and the pad shape menu.
// clang-format off
#define PRAVELO_SIZE_COLUMN_TEXTS(X) \
  X(trackWidthHint, "Leiterbahnbreite", "Track width", "Largeur de piste") \
  X(padSizeHint, "Padgröße|Pad-Außendurchmesser", "Pad size|Pad outside diameter", "Taille de pastille|Diamètre extérieur de la pastille") \
  X(drillHint, "Bohrung|Bohrdurchmesser des Pads", "Drilling|Pad drilling diameter", "Perçage|Diamètre de perçage de la pastille") \
  X(smdPadHint, "SMD-Pad|Größe des SMD-Pads", "SMD-Pad|SMD-Pad size", "Pastille CMS|Taille de la pastille CMS") \
  X(clearanceHint, "Abstand|Abstand zur Massefläche für markierte und neue Elemente einstellen", "Distance|Adjust the distance from ground plane for selected and new elements", "Distance|Régler la distance au plan de masse des éléments sélectionnés et nouveaux") \
  X(trackFavouritesHint, "Favoritenliste für Leiterbahnen", "Favorite list for Tracks", "Liste de favoris pour les pistes") \
  X(padFavouritesHint, "Favoritenliste für Pads", "Favorite list for Pads", "Liste de favoris pour les pastilles") \
  X(smdFavouritesHint, "Favoritenliste für SMD-Pads", "Favorite list for SMD-Pads", "Liste de favoris pour les pastilles CMS") \
  X(addFavourite, "Hinzufügen", "Add", "Ajouter") \
  X(removeFavourite, "Entfernen", "Remove", "Supprimer") \
  X(flipSmd, "SMD drehen", "Flip SMD", "Pivoter CMS") \
  X(flipSmdHint, "SMD-Pad-Größe X und Y vertauschen", "Exchange the SMD-Pad size in X and Y", "Échanger les dimensions X et Y de la pastille CMS") \
  X(padShapeHint, "Pad-Form", "Pad shape", "Forme de pastille") \
  X(throughPad, "Durchkontaktiert", "Through pad", "Pastille métallisée") \
  X(padShape1, "Rund", "Circular", "Ronde") \
  X(padShape2, "Achteck", "Octagon", "Octogone") \
  X(padShape3, "Quadrat", "Square", "Carrée") \
  X(padShape4, "Abgerundet, horizontal", "Rounded, horizontal", "Arrondie, horizontale") \
  X(padShape5, "Achteck, horizontal", "Octagon, horizontal", "Octogone, horizontal") \
  X(padShape6, "Rechteck, horizontal", "Rectangle, horizontal", "Rectangle, horizontal") \
  X(padShape7, "Abgerundet, vertikal", "Rounded, vertical", "Arrondie, verticale") \
  X(padShape8, "Achteck, vertikal", "Octagon, vertical", "Octogone, vertical") \
  X(padShape9, "Rechteck, vertikal", "Rectangle, vertical", "Rectangle, vertical")
// clang-format on

namespace pravelo::texts {
PRAVELO_SIZE_COLUMN_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
