#pragma once

#include "base/text.h"

// User texts of the Excellon export dialog and the drill list.
// clang-format off
#define PRAVELO_DRILL_DIALOG_TEXTS(X) \
  X(lochCaption, "Excellon-Export", "Excellon export", "Export Excellon") \
  X(lochHeading, "Die Bohrdaten werden im EXCELLON-Format ausgegeben.", "Drill data uses EXCELLON format.", "Les données de perçage utilisent le format EXCELLON.") \
  X(lochHoles, "Bohrungen", "Drillings", "Perçages") \
  X(lochSimpleDrillings, "Einfache Bohrungen", "Simple drillings", "Perçages simples") \
  X(lochThroughHoles, "Durchkontaktierungen", "Through-holes", "Trous métallisés") \
  X(lochFormat, "Format", "Format", "Format") \
  X(lochMm32, "mm (Format 3.2 )", "mm (format 3.2 )", "mm (format 3.2 )") \
  X(lochMm33, "mm (Format 3.3 )", "mm (format 3.3 )", "mm (format 3.3 )") \
  X(lochInch, "Zoll (Format 2.4)", "Inch (format 2.4)", "Pouce (format 2.4)") \
  X(lochDeleteLeadingZeros, "Führende Nullen löschen", "Delete leading zeros", "Supprimer les zéros de tête") \
  X(lochDecimalPoint, "Ausgabe mit Dezimalpunkt", "Output with decimal point", "Sortie avec point décimal") \
  X(lochSide, "Seite", "Side", "Côté") \
  X(lochTop, "Oben (Standard)", "Top (default)", "Dessus (par défaut)") \
  X(lochBottomGerber, "Unten (x-gespiegelt, Gerber-kompatibel)", "Bottom (x-mirrored, Gerber comp.)", "Dessous (miroir en x, comp. Gerber)") \
  X(lochBottomHpgl, "Unten (x-gespiegelt, HPGL-kompatibel)", "Bottom (x-mirrored, HPGL comp.)", "Dessous (miroir en x, comp. HPGL)") \
  X(lochOptions, "Optionen", "Options", "Options") \
  X(lochSort, "Bohrungen sortieren", "Sort drillings", "Trier les perçages") \
  X(lochM71, "M71/72 statt METRIC/INCH", "M71/72 instead of METRIC/INCH", "M71/72 au lieu de METRIC/INCH") \
  X(lochNoG90, "G90-Code unterdrücken", "Suppress G90 - code", "Supprimer le code G90") \
  X(lochNoComments, "Kommentare unterdrücken", "Suppress comments", "Supprimer les commentaires") \
  X(lochCancel, "&Abbrechen", "&Cancel", "&Annuler") \
  X(drillFileFilter, "Bohrdateien (*.drl)|*.DRL", "Drill files (*.drl)|*.DRL", "Fichiers de perçage (*.drl)|*.DRL") \
  X(bohrInfoCaption, "Bohrungen", "Drillings", "Perçages") \
  X(bohrInfoSimple, "Einfache Bohrungen", "Simple drillings", "Perçages simples") \
  X(bohrInfoThroughHole, "Durchkontaktierte Pads", "Through-Hole pads", "Pastilles métallisées") \
  X(bohrInfoClipboard, "&Zwischenablage...", "Clip&board...", "&Presse-papiers...") \
  X(bohrInfoClose, "Schließen", "Close", "Fermer")
// clang-format on

namespace pravelo::texts {
PRAVELO_DRILL_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
