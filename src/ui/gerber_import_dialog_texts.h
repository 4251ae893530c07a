#pragma once

#include "base/text.h"

// User texts of the Gerber import dialog.
// clang-format off
#define PRAVELO_GERBER_IMPORT_DIALOG_TEXTS(X) \
  X(gimportC1, "K1 - Kupfer oben", "C1 - Copper Top", "C1 - Cuivre dessus") \
  X(gimportS1, "B1 - Bestückungsdruck oben", "S1 - Silkscreen Top", "S1 - Sérigraphie dessus") \
  X(gimportC2, "K2 - Kupfer unten", "C2 - Copper Bottom", "C2 - Cuivre dessous") \
  X(gimportS2, "B2 - Bestückungsdruck unten", "S2 - Silkscreen Bottom", "S2 - Sérigraphie dessous") \
  X(gimportO, "U - Umriss", "O - Outline", "O - Contour") \
  X(gimportI1, "I1 - Kupfer - Innenlage 1 (Multilayer)", "I1 - Copper - Inner layer 1 (multiayer)", "I1 - Cuivre - Couche interne 1 (multicouche)") \
  X(gimportI2, "I2 - Kupfer - Innenlage 2 (Multilayer)", "I2 - Copper - Inner layer 2 (multiayer)", "I2 - Cuivre - Couche interne 2 (multicouche)") \
  X(gimportDrill, "Bohrdaten (Excellon)", "Drill data (Excellon)", "Données de perçage (Excellon)") \
  X(gimportUnit, "Einheit", "Unit", "Unité") \
  X(gimportInch, "Zoll", "Inch", "Pouce") \
  X(gimportMm, "mm", "mm", "mm") \
  X(gimportAuto, "Auto...", "Auto...", "Auto...") \
  X(gimportNumberFormat, "Zahlenformat", "Numeric format", "Format numérique") \
  X(gimportIntegerDigits, "Vorkommastellen:", "Integer digits:", "Chiffres entiers :") \
  X(gimportDecimalDigits, "Nachkommastellen:", "Decimal digits:", "Chiffres décimaux :") \
  X(gimportSuppressionNone, "Keine", "None", "Aucune") \
  X(gimportSuppressionLeading, "Führende", "Leading", "Zéros de tête") \
  X(gimportSuppressionTrailing, "Nachfolgende", "Trailing", "Zéros de fin") \
  X(gimportSuppressionDecimal, "Dezimal", "Decimal", "Décimale") \
  X(gimportCreateBoard, "Platine erzeugen", "Create board", "Créer la carte") \
  X(gimportNewBoard, "Neue Platine erzeugen (neuer Tab)", "Create new board (new Tab)", "Créer une nouvelle carte (nouvel onglet)") \
  X(gimportCurrentBoard, "Aktuelle Platine verwenden", "Use current board", "Utiliser la carte actuelle") \
  X(gimportCreateVias, "Durchkontaktierungen automatisch erzeugen", "Create vias automatically", "Créer les traversées automatiquement") \
  X(gimportOptimize, "Verbundene Leiterbahnen optimieren", "Optimize connected tracks", "Optimiser les pistes connectées") \
  X(gimportImport, "Importieren...", "Import...", "Importer...") \
  X(gimportClose, "Schließen", "Close", "Fermer") \
  X(gimportClickToZoom, "Bild anklicken zum Vergrößern", "Click picture to zoom", "Cliquer sur l'image pour agrandir") \
  X(gimportGerberFilter, "Gerber-Dateien (*.gbr *.ger *.gtl *.gbl *.gto *.gbo *.gko *.pho);;Alle Dateien (*)", "Gerber files (*.gbr *.ger *.gtl *.gbl *.gto *.gbo *.gko *.pho);;All files (*)", "Fichiers Gerber (*.gbr *.ger *.gtl *.gbl *.gto *.gbo *.gko *.pho);;Tous les fichiers (*)") \
  X(gimportDrillFilter, "Bohrdateien (*.drl *.txt *.xln *.exc);;Alle Dateien (*)", "Drill files (*.drl *.txt *.xln *.exc);;All files (*)", "Fichiers de perçage (*.drl *.txt *.xln *.exc);;Tous les fichiers (*)")
// clang-format on

namespace pravelo::texts {
PRAVELO_GERBER_IMPORT_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
