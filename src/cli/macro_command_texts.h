#pragma once

#include "base/text.h"

// User texts of the `macro` command of the command-line tool.
// clang-format off
#define PRAVELO_MACRO_COMMAND_TEXTS(X) \
  X(cliMacroHelp, "Makrodateien (.pvm) zeigen, platzieren und speichern", "Show, place and save macro files (.pvm)", "Afficher, placer et enregistrer des fichiers de macro (.pvm)") \
  X(cliMacroInfoHelp, "Objekte und Beschreibung einer Makrodatei", "Objects and description of a macro file", "Objets et description d'un fichier de macro") \
  X(cliMacroPlaceHelp, "Ein Makro auf einer Platine ablegen und das Layout schreiben", "Drop a macro onto a board and write the layout", "Déposer une macro sur une carte et écrire le layout") \
  X(cliMacroSaveHelp, "Objekte einer Platine als Makro speichern", "Save a board's objects as a macro", "Enregistrer les objets d'une carte comme macro") \
  X(cliMacroFileHelp, "Makrodatei", "Macro file", "Fichier de macro") \
  X(cliMacroOutputHelp, "Zu schreibende Datei", "File to write", "Fichier à écrire") \
  X(cliMacroAtHelp, "Ablagepunkt X,Y in Einheiten von 0,1 µm (y nach oben; auf der Platine negativ)", "Drop point X,Y in units of 0.1 µm (y upwards; negative on the board)", "Point de dépôt X,Y en unités de 0,1 µm (y vers le haut ; négatif sur la carte)") \
  X(cliMacroSideHelp, "Platinenseite top oder bottom (Vorgabe: die des Makros)", "Board side top or bottom (default: the macro's own)", "Côté de la carte top ou bottom (par défaut : celui de la macro)") \
  X(cliMacroRotateHelp, "Im Uhrzeigersinn drehen: 90, 180 oder 270 Grad", "Turn clockwise: 90, 180 or 270 degrees", "Tourner dans le sens horaire : 90, 180 ou 270 degrés") \
  X(cliMacroComponentHelp, "Als Bauteil: Bezeichnung und Wert mit ablegen", "As component: drop the ID and value labels too", "Comme composant : déposer aussi la référence et la valeur") \
  X(cliMacroViasHelp, "Alle Pads als Durchkontaktierungen", "All pads as through-pads (vias)", "Toutes les pastilles comme traversées (vias)") \
  X(cliMacroObjectsHelp, "Objektnummern ab 0 wie info --json, z. B. 0,3,5-9 (Vorgabe: alle)", "Object numbers from 0 as info --json shows them, e.g. 0,3,5-9 (default: all)", "Numéros d'objets à partir de 0 comme info --json, p. ex. 0,3,5-9 (par défaut : tous)") \
  X(cliMacroLine1Help, "Beschreibungszeile 1 (höchstens 50 Zeichen)", "Description line 1 (at most 50 characters)", "Ligne de description 1 (50 caractères au plus)") \
  X(cliMacroLine2Help, "Beschreibungszeile 2 (höchstens 50 Zeichen)", "Description line 2 (at most 50 characters)", "Ligne de description 2 (50 caractères au plus)") \
  X(cliMacroBadPoint, "Kein Punkt X,Y: ", "Not a point X,Y: ", "Pas un point X,Y : ") \
  X(cliMacroBadObjects, "Keine Liste von Objektnummern dieser Platine: ", "Not a list of this board's object numbers: ", "Pas une liste de numéros d'objets de cette carte : ") \
  X(cliMacroSummary, "%1 Objekte, %2-Seite", "%1 objects, %2 side", "%1 objets, côté %2") \
  X(cliMacroDropped, "%1 Objekte abgelegt", "%1 objects dropped", "%1 objets déposés")
// clang-format on

namespace pravelo::texts {
PRAVELO_MACRO_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
