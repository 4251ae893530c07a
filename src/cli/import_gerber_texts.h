#pragma once

#include "base/text.h"

// User texts of the `import-gerber` command of the command-line tool.
// clang-format off
#define PRAVELO_CLI_IMPORT_GERBER_TEXTS(X) \
  X(cliImportGerberHelp, "Liest Gerber- und Bohrdateien als neue Platine ein und speichert sie als Layout", "Read Gerber and drill files as a new board and save it as a layout", "Lit des fichiers Gerber et de perçage comme nouvelle carte et l'enregistre comme fichier de circuit") \
  X(cliImportOutputHelp, "Layout-Datei (.pvb6), die geschrieben wird", "Layout file (.pvb6) to write", "Fichier de circuit (.pvb6) à écrire") \
  X(cliImportSlotsHelp, "LAGE=DATEI je Gerber-Datei, LAGE eine von C1, C2, S1, S2, I1, I2, O", "LAYER=FILE per Gerber file, LAYER one of C1, C2, S1, S2, I1, I2, O", "COUCHE=FICHIER par fichier Gerber, COUCHE parmi C1, C2, S1, S2, I1, I2, O") \
  X(cliImportDrillHelp, "Bohrdatei (Excellon)", "Drill file (Excellon)", "Fichier de perçage (Excellon)") \
  X(cliImportBoardNameHelp, "Name der Platine (Vorgabe: XGerber)", "Name of the board (default: XGerber)", "Nom de la carte (par défaut : XGerber)") \
  X(cliImportFormatHelp, "Vor- und Nachkommastellen I:D, wo die Datei sie nicht angibt (Vorgabe: Gerber 3:4, Bohrdatei 2:4)", "Integer and decimal digits I:D where the file does not say (default: Gerber 3:4, drill file 2:4)", "Chiffres entiers et décimaux E:D là où le fichier ne les indique pas (par défaut : Gerber 3:4, perçage 2:4)") \
  X(cliImportInchHelp, "Zoll, wo die Datei keine Einheit angibt (Vorgabe)", "Inch where the file does not state a unit (default)", "Pouces là où le fichier n'indique pas d'unité (par défaut)") \
  X(cliImportMmHelp, "Millimeter, wo die Datei keine Einheit angibt", "Millimetres where the file does not state a unit", "Millimètres là où le fichier n'indique pas d'unité") \
  X(cliImportZerosHelp, "Nullenunterdrückung der Bohrdatei: none, leading, trailing oder decimal (Vorgabe: erkannt)", "Zero suppression of the drill file: none, leading, trailing or decimal (default: detected)", "Suppression des zéros du fichier de perçage : none, leading, trailing ou decimal (par défaut : détectée)") \
  X(cliImportNoViasHelp, "Keine Durchkontaktierungen aus Padpaaren bilden", "Do not make vias of pad pairs", "Ne pas créer de traversées à partir de paires de pastilles") \
  X(cliImportNoOptimizeHelp, "Verbundene Leiterbahnen nicht zusammenfassen", "Do not join connected tracks", "Ne pas joindre les pistes connectées") \
  X(cliImportBadSlot, "Unbekannte Lage (erwartet LAGE=DATEI mit C1, C2, S1, S2, I1, I2 oder O): ", "Unknown layer (expected LAYER=FILE with C1, C2, S1, S2, I1, I2 or O): ", "Couche inconnue (attendu COUCHE=FICHIER avec C1, C2, S1, S2, I1, I2 ou O) : ") \
  X(cliImportBadFormat, "Ungültiges Zahlenformat (erwartet I:D mit Ziffern 0 bis 9): ", "Invalid number format (expected I:D with digits 0 to 9): ", "Format numérique invalide (attendu E:D avec des chiffres de 0 à 9) : ") \
  X(cliImportNothing, "Keine Datei zum Einlesen angegeben.", "No file to read was given.", "Aucun fichier à lire n'a été indiqué.") \
  X(cliImportNoSuppression, "Kann Suppression nicht erkennen; die Bohrdatei wird ohne Nullenunterdrückung gelesen (--zeros wählt sie).", "Cannot detect zero suppression; the drill file is read without suppression (--zeros chooses it).", "Impossible de détecter la suppression des zéros ; le fichier de perçage est lu sans suppression (--zeros la choisit).")
// clang-format on

namespace pravelo::texts {
PRAVELO_CLI_IMPORT_GERBER_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
