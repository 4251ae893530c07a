#pragma once

#include "base/text.h"

// User texts of the `footprint` and `shape` commands and of the generators' answer lines.
// clang-format off
#define PRAVELO_GENERATOR_TEXTS(X) \
  X(cliFootprintHelp, "Erzeugt ein Anschlussbild des Bauteilassistenten als Makrodatei", "Write a footprint of the footprint wizard as a macro file", "Écrit une empreinte de l'assistant d'empreintes dans un fichier macro") \
  X(cliFootprintTypeHelp, "Art: sip, dip, quad, circular oder dual-circular", "Type: sip, dip, quad, circular or dual-circular", "Type : sip, dip, quad, circular ou dual-circular") \
  X(cliShapeHelp, "Erzeugt eine Spezialform als Makrodatei", "Write a special form as a macro file", "Écrit une forme spéciale dans un fichier macro") \
  X(cliShapeTypeHelp, "Art: polygon, spiral oder frame", "Type: polygon, spiral or frame", "Type : polygon, spiral ou frame") \
  X(cliFieldsHelp, "Felder als Name=Wert, Längen in mm", "Fields as name=value, lengths in mm", "Champs sous la forme nom=valeur, longueurs en mm") \
  X(cliGeneratorOutputHelp, "Die zu schreibende Makrodatei (.pvm)", "The macro file to write (.pvm)", "Le fichier macro à écrire (.pvm)") \
  X(cliGeneratorLayerHelp, "Lage der Objekte, 1 bis 7 (Vorgabe 1)", "Layer of the objects, 1 to 7 (default 1)", "Couche des objets, 1 à 7 (par défaut 1)") \
  X(cliGeneratorClearanceHelp, "Abstand zur Massefläche in mm für Vieleck und Spirale (Vorgabe 0.4)", "Clearance towards the ground plane in mm for polygon and spiral (default 0.4)", "Isolation envers le plan de masse en mm pour polygone et spirale (par défaut 0.4)") \
  X(cliCouldNotWriteMacro, "Die Makrodatei kann nicht geschrieben werden: ", "The macro file can not be written: ", "Impossible d'écrire le fichier macro : ") \
  X(cliGeneratedObjects, "%1 Objekte nach %2 geschrieben", "%1 objects written to %2", "%1 objets écrits dans %2") \
  X(answerUnknownFootprintType, "unbekannte Art des Anschlussbilds: %1", "unknown footprint type: %1", "type d'empreinte inconnu : %1") \
  X(answerUnknownShapeType, "unbekannte Spezialform: %1", "unknown special form: %1", "forme spéciale inconnue : %1") \
  X(answerUnknownGeneratorField, "unbekanntes Feld: %1", "unknown field: %1", "champ inconnu : %1") \
  X(answerChoice, "%1 ist eines von %2: %3", "%1 is one of %2: %3", "%1 est l'un de %2 : %3")
// clang-format on

namespace pravelo::texts {
PRAVELO_GENERATOR_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
