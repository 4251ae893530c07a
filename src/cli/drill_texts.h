#pragma once

#include "base/text.h"

// User texts of the `drill` command of the command-line tool.
// clang-format off
#define PRAVELO_DRILL_COMMAND_TEXTS(X) \
  X(cliDrillHelp, "Schreibt die Bohrdatei einer Platine im Excellon-Format oder listet ihre Bohrungen", "Write a board's drill file in Excellon format, or list its drillings", "Écrit le fichier de perçage d'une carte au format Excellon ou liste ses perçages") \
  X(cliDrillOutputHelp, "Zu schreibende Bohrdatei", "Drill file to write", "Fichier de perçage à écrire") \
  X(cliDrillUnitHelp, "Einheit mm oder inch (Vorgabe: Datei in inch, Liste in mm; mit inch zeigt die Liste mil)", "Unit mm or inch (default: file in inch, list in mm; with inch the list shows mil)", "Unité mm ou inch (par défaut : fichier en inch, liste en mm ; avec inch la liste montre des mil)") \
  X(cliDrillZerosHelp, "Zahlen: lz mit führenden Nullen, tz ohne führende Nullen, decimal mit Dezimalpunkt", "Numbers: lz with leading zeros, tz without leading zeros, decimal with a decimal point", "Nombres : lz avec zéros de tête, tz sans zéros de tête, decimal avec point décimal") \
  X(cliDrillDigitsHelp, "Stellen vor:nach dem Komma, 3:2 oder 3:3 für mm, 2:4 für inch", "Digits before:after the point, 3:2 or 3:3 for mm, 2:4 for inch", "Chiffres avant:après la virgule, 3:2 ou 3:3 pour mm, 2:4 pour inch") \
  X(cliDrillNoCommentsHelp, "Keine Kommentarzeilen", "No comment lines", "Pas de lignes de commentaire") \
  X(cliDrillListHelp, "Die Bohrliste ausgeben (Anzahl und Durchmesser je Bohrer)", "Print the drill list (count and diameter per drill)", "Afficher la liste des perçages (nombre et diamètre par foret)") \
  X(cliDrillM71Help, "M71/M72 statt METRIC/INCH", "M71/M72 instead of METRIC/INCH", "M71/M72 au lieu de METRIC/INCH") \
  X(cliDrillNoG90Help, "Kein G90", "No G90", "Pas de G90") \
  X(cliDrillSideHelp, "Seite: top, bottom-gerber (gespiegelt wie Gerber) oder bottom-milling (gespiegelt wie die Fräsdaten)", "Side: top, bottom-gerber (mirrored like Gerber) or bottom-milling (mirrored like the milling output)", "Côté : top, bottom-gerber (en miroir comme Gerber) ou bottom-milling (en miroir comme le fraisage)") \
  X(cliDrillNoOriginHelp, "Koordinaten ab der linken unteren Platinenecke statt ab dem Nullpunkt", "Coordinates from the board's lower left corner instead of the origin", "Coordonnées depuis le coin inférieur gauche de la carte au lieu de l'origine") \
  X(cliDrillNoSimpleHelp, "Ohne einfache Bohrungen", "Without simple drillings", "Sans perçages simples") \
  X(cliDrillNoViasHelp, "Ohne Durchkontaktierungen", "Without through-holes", "Sans trous métallisés") \
  X(cliDrillUnsortedHelp, "Bohrungen nicht sortieren", "Do not sort the drillings", "Ne pas trier les perçages") \
  X(cliDrillGranularityHelp, "Durchmesser runden: 0 genau, 1 auf 0,1 mm, 2 auf 0,2 mm", "Round the diameters: 0 exact, 1 to 0.1 mm, 2 to 0.2 mm", "Arrondir les diamètres : 0 exact, 1 à 0,1 mm, 2 à 0,2 mm") \
  X(cliDrillBadDigits, "Diese Stellen passen nicht zur Einheit: ", "These digits do not fit the unit: ", "Ces chiffres ne conviennent pas à l'unité : ") \
  X(cliDrillNeedsOutput, "Bitte mit -o eine Bohrdatei nennen oder --list angeben.", "Please name a drill file with -o or give --list.", "Veuillez indiquer un fichier de perçage avec -o ou donner --list.") \
  X(cliDrillOutOfRangeHint, "Auf der Befehlszeile: --zeros tz oder --zeros decimal.", "On the command line: --zeros tz or --zeros decimal.", "En ligne de commande : --zeros tz ou --zeros decimal.") \
  X(cliDrillTooManyTools, "Warnung: %1 Bohrer; viele Bohrmaschinen kennen höchstens 99 (--granularity 1 oder 2 fasst sie zusammen).", "Warning: %1 drills; many drilling machines know at most 99 (--granularity 1 or 2 merges them).", "Avertissement : %1 forets ; beaucoup de perceuses n'en connaissent que 99 au plus (--granularity 1 ou 2 les regroupe).")
// clang-format on

namespace pravelo::texts {
PRAVELO_DRILL_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
