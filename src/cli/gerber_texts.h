#pragma once

#include "base/text.h"

// User texts of the `gerber` command of the command-line tool.
// clang-format off
#define PRAVELO_CLI_GERBER_TEXTS(X) \
  X(cliGerberHelp, "Schreibt die Gerber-Dateien (RS-274X) einer Platine", "Write the Gerber files (RS-274X) of a board", "Écrit les fichiers Gerber (RS-274X) d'une carte") \
  X(cliGerberFolderHelp, "Ausgabeordner", "Output folder", "Dossier de sortie") \
  X(cliGerberLayersHelp, "Ausgaben, z. B. C1,C2,S1,O,LS1,SMD1 (Vorgabe: alle, für die die Platine etwas hat)", "Outputs, e.g. C1,C2,S1,O,LS1,SMD1 (default: every one the board has something for)", "Sorties, p. ex. C1,C2,S1,O,LS1,SMD1 (par défaut : toutes celles pour lesquelles la carte a quelque chose)") \
  X(cliGerberMirrorHelp, "Spiegeln", "Mirror", "Miroir") \
  X(cliGerberOriginHelp, "Koordinaten relativ zum Nullpunkt: on oder off (Vorgabe: aus den Einstellungen)", "Coordinates relative to the origin: on or off (default: from the settings)", "Coordonnées relatives à l'origine : on ou off (par défaut : selon les réglages)") \
  X(cliGerberX2Help, "Gerber-X2-Attribute schreiben", "Write Gerber X2 attributes", "Écrire les attributs Gerber X2") \
  X(cliGerberFrameHelp, "Rahmen (Platinengröße) in jede Datei", "Include the frame (board size) in every file", "Inclure le cadre (taille de la carte) dans chaque fichier") \
  X(cliGerberPunchHelp, "Bohrlöcher freistanzen: holes oder center (0,15 mm)", "Punch drill holes: holes or center (0.15 mm)", "Poinçonner les trous : holes ou center (0,15 mm)") \
  X(cliGerberSettingsHelp, "Einstellungsdatei für Dateiendungen, Maskenabstände und Nullpunkt", "Settings file for file extensions, mask offsets and the origin option", "Fichier de réglages pour les extensions, les écarts de masque et l'origine") \
  X(cliGerberUnknownOutput, "Unbekannte Ausgabe: ", "Unknown output: ", "Sortie inconnue : ") \
  X(cliGerberEmptyOutput, "Die Platine hat nichts für die Ausgabe ", "The board has nothing for the output ", "La carte n'a rien pour la sortie ")
// clang-format on

namespace pravelo::texts {
PRAVELO_CLI_GERBER_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
