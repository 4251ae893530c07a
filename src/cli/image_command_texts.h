#pragma once

#include "base/text.h"

// User texts of the `image` command of the command-line tool.
// clang-format off
#define PRAVELO_IMAGE_COMMAND_TEXTS(X) \
  X(cliImageHelp, "Speichert die sichtbaren Lagen einer Platine als Bild (BMP, GIF, JPG, EMF oder SVG)", "Save the visible layers of a board as a picture (BMP, GIF, JPG, EMF or SVG)", "Enregistre les couches visibles d'une carte comme image (BMP, GIF, JPG, EMF ou SVG)") \
  X(cliImageOutputHelp, "Zu schreibende Bilddatei; die Endung .bmp, .gif, .jpg, .emf oder .svg wählt das Format", "Picture file to write; the ending .bmp, .gif, .jpg, .emf or .svg chooses the format", "Fichier image à écrire ; l'extension .bmp, .gif, .jpg, .emf ou .svg choisit le format") \
  X(cliImageStepHelp, "Auflösungsstufe 1 bis 12, mal 100 dpi (Vorgabe 6)", "Resolution step 1 to 12, times 100 dpi (default 6)", "Niveau de résolution 1 à 12, fois 100 dpi (6 par défaut)") \
  X(cliImageBwHelp, "Schwarz-weiß statt farbig", "Black and white instead of colour", "Noir et blanc au lieu de la couleur") \
  X(cliImageUnknownFormat, "Unbekanntes Bildformat (erwartet .bmp, .gif, .jpg, .jpeg, .emf oder .svg): ", "Unknown picture format (expected .bmp, .gif, .jpg, .jpeg, .emf or .svg): ", "Format d'image inconnu (attendu .bmp, .gif, .jpg, .jpeg, .emf ou .svg) : ")
// clang-format on

namespace pravelo::texts {
PRAVELO_IMAGE_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
