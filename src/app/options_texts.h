#pragma once

#include "base/text.h"

// User texts of the general settings that are not captions of the dialog: the modes on the
// hotkeys page and the messages.
// clang-format off
#define PRAVELO_OPTIONS_TEXTS(X) \
  X(modeZoom, "Zoom", "Zoom", "Zoom") \
  X(modeTrack, "Leiterbahn", "Track", "Piste") \
  X(modePad, "Lötauge", "Pad", "Pastille") \
  X(modeSmdPad, "SMD-Pad", "SMD-Pad", "Pastille CMS") \
  X(modeCircle, "Kreis", "Circle", "Cercle") \
  X(modeRectangle, "Rechteck", "Rectangle", "Rectangle") \
  X(modeZone, "Fläche", "Zone", "Surface") \
  X(modeSpecial, "Sonderform", "Special form", "Forme spéciale") \
  X(modeText, "Text", "Text", "Texte") \
  X(modeConnections, "Luftlinien", "Connections", "Connexions") \
  X(modeAutoroute, "Autorouter", "Autoroute", "Autoroutage") \
  X(modeTest, "Test", "Test", "Test") \
  X(modeMeasure, "Messen", "Measure", "Mesure") \
  X(modePhotoView, "Fotoansicht", "Photo view", "Vue photo") \
  X(modeSolderMask, "Lötstopp", "Solder mask", "Vernis épargne") \
  X(modeStandard, "Standard", "Standard", "Standard") \
  X(hotkeyTwice, "Die Taste %1 ist schon %2 zugeordnet und kann nicht auch %3 gelten.", "The key %1 is already the hotkey of %2 and cannot be that of %3 too.", "La touche %1 est déjà le raccourci de %2 et ne peut pas être aussi celui de %3.") \
  X(coloursChanged, "Sie haben die Farben geändert.\nÄnderungen speichern?", "You have changed the colors.\nSave changes?", "Vous avez modifié les couleurs.\nEnregistrer les modifications ?") \
  X(schemeNotWritten, "Das Farbschema konnte nicht gespeichert werden: %1", "The color scheme could not be saved: %1", "Le jeu de couleurs n'a pas pu être enregistré : %1")
// clang-format on

namespace pravelo::texts {
PRAVELO_OPTIONS_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
