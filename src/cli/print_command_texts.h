#pragma once

#include "base/text.h"

// User texts of the `print` command of the command-line tool.
// clang-format off
#define PRAVELO_PRINT_COMMAND_TEXTS(X) \
  X(cliPrintHelp, "Druckt eine Platine maßstabsgetreu in eine PDF-Seite", "Print a board true to scale into a PDF page", "Imprime une carte à l'échelle dans une page PDF") \
  X(cliPrintOutputHelp, "Zu schreibende PDF-Datei", "PDF file to write", "Fichier PDF à écrire") \
  X(cliPrintLayersHelp, "Zu druckende Lagen, z. B. C1,S1,O (Vorgabe: alle)", "Layers to print, e.g. C1,S1,O (default: all)", "Couches à imprimer, p. ex. C1,S1,O (par défaut : toutes)") \
  X(cliPrintSideHelp, "Anordnung: top, bottom, dual (untereinander) oder beside (nebeneinander)", "Arrangement: top, bottom, dual (one below the other) or beside (side by side)", "Disposition : top, bottom, dual (l'une sous l'autre) ou beside (côte à côte)") \
  X(cliPrintMirrorHelp, "Den ganzen Druck spiegeln", "Mirror the whole print", "Imprimer en miroir") \
  X(cliPrintMirrorSide2Help, "Das zweite Bild der Doppelanordnungen spiegeln", "Mirror the second image of the dual arrangements", "Mettre en miroir la seconde image des dispositions doubles") \
  X(cliPrintNegativeHelp, "Kupfer negativ drucken", "Print the copper negative", "Imprimer le cuivre en négatif") \
  X(cliPrintScaleHelp, "Maßstab in Prozent, 10 bis 500 in Schritten von 5 (Vorgabe 100: 1:1)", "Scale in percent, 10 to 500 in steps of 5 (default 100: 1:1)", "Échelle en pour cent, 10 à 500 par pas de 5 (100 par défaut : 1:1)") \
  X(cliPrintFactorXHelp, "Waagrechter Korrekturfaktor des Druckers, 0.8 bis 1.2", "Horizontal correction factor of the printer, 0.8 to 1.2", "Facteur de correction horizontal de l'imprimante, 0.8 à 1.2") \
  X(cliPrintFactorYHelp, "Senkrechter Korrekturfaktor des Druckers, 0.8 bis 1.2", "Vertical correction factor of the printer, 0.8 to 1.2", "Facteur de correction vertical de l'imprimante, 0.8 à 1.2") \
  X(cliPrintTilesHelp, "Kopien nebeneinander x untereinander, z. B. 3x2 (je 1 bis 20)", "Copies side by side x one below the other, e.g. 3x2 (1 to 20 each)", "Copies côte à côte x l'une sous l'autre, p. ex. 3x2 (1 à 20 chacune)") \
  X(cliPrintGapHelp, "Abstand der Kopien in mm, 0 bis 50", "Spacing of the copies in mm, 0 to 50", "Espacement des copies en mm, 0 à 50") \
  X(cliPrintDrillPlanHelp, "Bohrplan drucken", "Print the drill plan", "Imprimer le plan de perçage") \
  X(cliPrintMaskHelp, "Lötstoppmaske 1 und/oder 2 drucken, z. B. 1,2", "Print solder mask 1 and/or 2, e.g. 1,2", "Imprimer le masque de soudure 1 et/ou 2, p. ex. 1,2") \
  X(cliPrintTargetsHelp, "Passkreuze an den Platinenecken", "Target crosses at the board corners", "Croix de repérage aux coins de la carte") \
  X(cliPrintOutlineHelp, "Platinenumriss als Haarlinie", "Board outline as a hairline", "Contour de la carte en trait fin") \
  X(cliPrintBwHelp, "Alle Farben schwarz", "Every colour black", "Toutes les couleurs en noir") \
  X(cliPrintScannedCopyHelp, "Die Vorlagen (eingescannte Platinen) der Platine unter die Lagen drucken", "Print the board's scanned copies under the layers", "Imprimer les copies scannées de la carte sous les couches") \
  X(cliPrintLandscapeHelp, "Querformat", "Landscape", "Paysage") \
  X(cliPrintOffsetHelp, "Lage der linken oberen Platinenecke auf dem Blatt in mm, X,Y (Vorgabe 10,10)", "Position of the board's top-left corner on the sheet in mm, X,Y (default 10,10)", "Position du coin supérieur gauche de la carte sur la feuille en mm, X,Y (10,10 par défaut)") \
  X(cliPrintBadFactor, "Bitte Werte von 0.8 bis 1.2 eingeben", "Please enter values from 0.8 to 1.2", "Veuillez entrer des valeurs de 0.8 à 1.2") \
  X(cliPrintBadTiles, "Die Kacheln müssen als SxZ mit je 1 bis 20 angegeben werden, nicht ", "The tiles must be given as CxR with 1 to 20 each, not ", "Les copies doivent être données sous la forme CxR avec 1 à 20 chacune, et non ") \
  X(cliPrintBadScale, "Der Maßstab muss von 10 bis 500 Prozent in Schritten von 5 gehen, nicht ", "The scale must be 10 to 500 percent in steps of 5, not ", "L'échelle doit aller de 10 à 500 pour cent par pas de 5, et non ") \
  X(cliPrintBadOffset, "Die Lage muss als X,Y in mm angegeben werden, nicht ", "The position must be given as X,Y in mm, not ", "La position doit être donnée sous la forme X,Y en mm, et non ")
// clang-format on

namespace pravelo::texts {
PRAVELO_PRINT_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
