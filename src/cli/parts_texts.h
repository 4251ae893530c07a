#pragma once

#include "base/text.h"

// User texts of the `parts` command of the command-line tool.
// clang-format off
#define PRAVELO_PARTS_COMMAND_TEXTS(X) \
  X(cliPartsHelp, "Schreibt die Bauteilliste einer Platine mit den Bestückungsdaten, wie der Dialog „Bauteildaten exportieren“", "Write a board's component list with its pick-and-place data, as the component data export dialog does", "Écrit la liste des composants d'une carte avec les données de placement, comme le dialogue d'export des composants") \
  X(cliPartsOutputHelp, "Zu schreibende Textdatei (ohne: Standardausgabe)", "Text file to write (without: standard output)", "Fichier texte à écrire (sans : sortie standard)") \
  X(cliPartsColumnsHelp, "Spalten in Reihenfolge, durch Kommas getrennt: number, id, value, layer, position, rotation, package, comment (oder 1 bis 8; Vorgabe: die ersten sechs)", "Columns in order, separated by commas: number, id, value, layer, position, rotation, package, comment (or 1 to 8; default: the first six)", "Colonnes dans l'ordre, séparées par des virgules : number, id, value, layer, position, rotation, package, comment (ou 1 à 8 ; par défaut : les six premières)") \
  X(cliPartsSeparatorHelp, "Trennzeichen: tab, comma oder semicolon", "Separator: tab, comma or semicolon", "Séparateur : tab, comma ou semicolon") \
  X(cliPartsUnitHelp, "Einheit der Positionen: mm oder mil", "Unit of the positions: mm or mil", "Unité des positions : mm ou mil") \
  X(cliPartsDecimalsHelp, "Nachkommastellen der Positionen, 0 bis 4", "Decimals of the positions, 0 to 4", "Décimales des positions, 0 à 4") \
  X(cliPartsStripZerosHelp, "Nullen am Ende der Nachkommastellen weglassen", "Suppress trailing zeros after the decimal point", "Supprimer les zéros de fin après la virgule") \
  X(cliPartsTopTextHelp, "Text für die Oberseite (Vorgabe: Top)", "Text for the top side (default: Top)", "Texte pour le dessus (par défaut : Top)") \
  X(cliPartsBottomTextHelp, "Text für die Unterseite (Vorgabe: Bottom)", "Text for the bottom side (default: Bottom)", "Texte pour le dessous (par défaut : Bottom)") \
  X(cliPartsRPrefixHelp, "Drehung mit vorangestelltem R", "Rotation with an R prefix", "Rotation précédée d'un R") \
  X(cliPartsSmdHelp, "SMD-Bauteile ausgeben: on oder off (Vorgabe: on)", "Export SMD components: on or off (default: on)", "Exporter les composants CMS : on ou off (par défaut : on)") \
  X(cliPartsThtHelp, "Bedrahtete Bauteile ausgeben: on oder off (Vorgabe: off)", "Export through-hole components: on or off (default: off)", "Exporter les composants traversants : on ou off (par défaut : off)") \
  X(cliPartsTopHelp, "Bauteile der Oberseite ausgeben: on oder off (Vorgabe: on)", "Export top-side components: on or off (default: on)", "Exporter les composants du dessus : on ou off (par défaut : on)") \
  X(cliPartsBottomHelp, "Bauteile der Unterseite ausgeben: on oder off (Vorgabe: on)", "Export bottom-side components: on or off (default: on)", "Exporter les composants du dessous : on ou off (par défaut : on)") \
  X(cliPartsPnpOnlyHelp, "Nur Bauteile mit Bestückungsdaten", "Only components with pick-and-place data", "Seulement les composants avec données de placement") \
  X(cliPartsOriginHelp, "Positionen relativ zum Nullpunkt: on oder off (Vorgabe: on)", "Positions relative to the origin: on or off (default: on)", "Positions relatives à l'origine : on ou off (par défaut : on)") \
  X(cliPartsUnknownColumn, "Unbekannte Spalte: ", "Unknown column: ", "Colonne inconnue : ")
// clang-format on

namespace pravelo::texts {
PRAVELO_PARTS_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
