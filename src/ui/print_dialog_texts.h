#pragma once

#include "base/text.h"

// User texts of the print dialog.
// clang-format off
#define PRAVELO_PRINT_DIALOG_TEXTS(X) \
  X(printLayerGroup, "Layer", "Layer", "Couches") \
  X(printTop, "Einzeln, von oben", "Single, seen from the top", "Seule, vue de dessus") \
  X(printBottom, "Einzeln, von unten", "Single, seen from the bottom", "Seule, vue de dessous") \
  X(printBelow, "Beide Seiten untereinander", "Both sides one below the other", "Les deux faces l'une sous l'autre") \
  X(printBeside, "Beide Seiten nebeneinander", "Both sides side by side", "Les deux faces côte à côte") \
  X(printMirrorSide2, "Seite 2 spiegeln", "Mirror side 2", "Miroir face 2") \
  X(printSpecialGroup, "Sonderlayer", "Special layer", "Couches spéciales") \
  X(printMask1, "Lötstopp 1", "Soldermask 1", "Masque de soudure 1") \
  X(printMask2, "Lötstopp 2", "Soldermask 2", "Masque de soudure 2") \
  X(printDrillings, "Bohrungen", "Drillings", "Perçages") \
  X(printOptionsGroup, "Optionen", "Options", "Options") \
  X(printMirror, "Spiegeln", "Mirror", "Miroir") \
  X(printTargets, "Passkreuze", "Targets", "Croix de repérage") \
  X(printOutline, "Platinenumriss", "Board outline", "Contour de la carte") \
  X(printNegative, "Negativ", "Invert", "Négatif") \
  X(printBlackWhite, "Schwarz && Weiß", "Black && White", "Noir && blanc") \
  X(printScannedCopy, "Vorlage", "Scanned copy", "Copie scannée") \
  X(printGrid, "Gitter", "Grid", "Grille") \
  X(printSetup, "&Einrichten...", "&Setup...", "&Configurer...") \
  X(printScalingGroup, "Skalierung", "Scaling", "Échelle") \
  X(printTrueScale, "1:1", "1:1", "1:1") \
  X(printFreeScale, "Skalierung:", "Scale:", "Échelle :") \
  X(printOrientationGroup, "Ausrichtung", "Orientation", "Orientation") \
  X(printPortrait, "Hochformat", "Portrait", "Portrait") \
  X(printLandscape, "Querformat", "Landscape", "Paysage") \
  X(printCalibrate, "&Kalibrieren...", "&Calibrate...", "&Calibrer...") \
  X(printTiles, "&Kacheln...", "&Tile...", "&Mosaïque...") \
  X(printPrint, "&Drucken", "&Print", "&Imprimer") \
  X(printCancel, "&Abbrechen", "&Cancel", "&Annuler") \
  X(printCalibrationCaption, "Druckerkalibrierung", "Printer calibration", "Calibrage de l'imprimante") \
  X(printHorizontal, "Waagrecht:", "Horizontal:", "Horizontal :") \
  X(printVertical, "Senkrecht:", "Vertical:", "Vertical :") \
  X(printBadFactor, "Bitte Werte von 0,8 bis 1,2 eingeben", "Please enter values from 0.8 to 1.2", "Veuillez entrer des valeurs de 0,8 à 1,2") \
  X(printTilesCaption, "Kacheln", "Tiles", "Mosaïque") \
  X(printTilesX, "Anzahl X:", "Number X:", "Nombre X :") \
  X(printTilesY, "Anzahl Y:", "Number Y:", "Nombre Y :") \
  X(printTileSpacing, "Abstand [mm]:", "Spacing [mm]:", "Espacement [mm] :") \
  X(printInfoLine, "Infozeile", "Info line", "Ligne d'information") \
  X(printCentre, "Zentrieren", "Center", "Centrer") \
  X(printClipboard, "Zwischenablage", "Clipboard", "Presse-papiers") \
  X(printOptionsButton, "Optionen...", "Options...", "Options...") \
  X(printCopied, "Die Bitmap der Vorschau wurde in die Zwischenablage kopiert.", "The bitmap of the preview has been copied to the clipboard.", "L'image de l'aperçu a été copiée dans le presse-papiers.") \
  X(printOptionsCaption, "Optionen", "Options", "Options") \
  X(printMaskGroup, "Lötstopp", "Soldermask", "Masque de soudure") \
  X(printOffset, "Offset:", "Offset:", "Décalage :") \
  X(printMaskPads, "Pads", "Pads", "Pastilles") \
  X(printMaskSmd, "SMD-Pads", "SMD-Pads", "Pastilles CMS") \
  X(printMaskOthers, "Sonstige", "Others", "Autres") \
  X(printDrillGroup, "Bohrungen", "Drillings", "Perçages") \
  X(printTextHeight, "Texthöhe:", "Textheight:", "Hauteur du texte :") \
  X(printNoPrinter, "Es gibt weder einen Drucker noch eine PDF-Ausgabe.", "There is neither a printer nor a PDF output.", "Il n'y a ni imprimante ni sortie PDF.")
// clang-format on

namespace pravelo::texts {
PRAVELO_PRINT_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
