#pragma once

#include "base/text.h"

// User texts of the `textio` command of the command-line tool.
// clang-format off
#define PRAVELO_TEXTIO_CLI_TEXTS(X) \
  X(cliTextIoHelp, "Schreibt Objekte als Text-IO-Datei oder fügt sie aus einer ein", "Write objects as a Text-IO file or paste them from one", "Écrit des objets dans un fichier Text-IO ou les colle depuis un tel fichier") \
  X(cliTextIoExportHelp, "Schreibt alle Objekte einer Platine als Text-IO-Datei", "Write every object of a board as a Text-IO file", "Écrit tous les objets d'une carte dans un fichier Text-IO") \
  X(cliTextIoImportHelp, "Fügt die Objekte einer Text-IO-Datei wie beim Einfügen in eine Platine ein und speichert das Layout", "Paste the objects of a Text-IO file into a board and save the layout", "Colle les objets d'un fichier Text-IO dans une carte et enregistre le layout") \
  X(cliTextIoFileHelp, "Text-IO-Datei", "Text-IO file", "Fichier Text-IO") \
  X(cliTextIoOutHelp, "Zu schreibende Text-IO-Datei", "Text-IO file to write", "Fichier Text-IO à écrire") \
  X(cliTextIoLayoutOutHelp, "Zu schreibende Layout-Datei", "Layout file to write", "Fichier layout à écrire") \
  X(cliTextIoAtHelp, "Verschiebung X,Y in Einheiten (0,1 µm, y nach oben), Vorgabe 0,0", "Offset X,Y in units (0.1 µm, y upwards), default 0,0", "Décalage X,Y en unités (0,1 µm, y vers le haut), par défaut 0,0") \
  X(cliTextIoBadOffset, "Die Verschiebung muss zwei ganze Zahlen X,Y sein, nicht ", "The offset must be two whole numbers X,Y, not ", "Le décalage doit être deux nombres entiers X,Y, et non ") \
  X(cliTextIoTooManyComponents, "Die Platine hat keinen Platz für weitere Bauteilnummern.", "The board has no room for further component numbers.", "La carte n'a plus de place pour d'autres numéros de composant.")
// clang-format on

namespace pravelo::texts {
PRAVELO_TEXTIO_CLI_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
