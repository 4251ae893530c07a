#pragma once

#include "base/text.h"

// User texts of the `mill` command of the command-line tool.
// clang-format off
#define PRAVELO_MILL_COMMAND_TEXTS(X) \
  X(cliMillHelp, "Schreibt Isolationsfräsen, Bohren, Körnen und Platinenkontur einer Platine als HPGL-Dateien", "Write a board's isolation milling, drilling, centre punching and outline as HPGL files", "Écrit l'isolation fraisage, le perçage, le pointage et le contour d'une carte en fichiers HPGL") \
  X(cliMillOutputHelp, "Zu schreibende HPGL-Datei (bei --separate der Name vor _Pen<n>.plt)", "HPGL file to write (with --separate the name in front of _Pen<n>.plt)", "Fichier HPGL à écrire (avec --separate le nom devant _Pen<n>.plt)") \
  X(cliMillLayersHelp, "Zu fräsende Kupferlagen: c1, c2 oder c1,c2", "Copper layers to mill: c1, c2 or c1,c2", "Couches de cuivre à fraiser : c1, c2 ou c1,c2") \
  X(cliMillWidthHelp, "Fräserbreite in mm (0 bis 5)", "Milling width in mm (0 to 5)", "Largeur de la fraise en mm (0 à 5)") \
  X(cliMillPassesHelp, "Anzahl der Durchgänge (1 bis 10)", "Number of passes (1 to 10)", "Nombre de passages (1 à 10)") \
  X(cliMillOverlapHelp, "Überlappung der Durchgänge in % (0 bis 99)", "Overlap of the passes in % (0 to 99)", "Chevauchement des passages en % (0 à 99)") \
  X(cliMillMirrorHelp, "Spiegeln dieser Seite: none, h (horizontal) oder v (vertikal)", "Mirroring of this side: none, h (horizontal) or v (vertical)", "Miroir de ce côté : none, h (horizontal) ou v (vertical)") \
  X(cliMillDrillHelp, "Bohren: none, top (von C1) oder bottom (von C2)", "Drilling: none, top (from C1) or bottom (from C2)", "Perçage : none, top (depuis C1) ou bottom (depuis C2)") \
  X(cliMillHolesHelp, "Bohrungen: ci (mit Fräser), same (ein Bohrer) oder separate (ein Bohrer je Durchmesser)", "Holes: ci (milling cutter), same (one drill) or separate (one drill per diameter)", "Trous : ci (fraise), same (un foret) ou separate (un foret par diamètre)") \
  X(cliMillCircleWidthHelp, "Fräserbreite der CI-Bohrungen in mm (0 bis 5)", "Milling width of the CI holes in mm (0 to 5)", "Largeur de la fraise des trous CI en mm (0 à 5)") \
  X(cliMillPunchHelp, "Bohrungen nach dem Fräsen dieser Seite körnen: top oder bottom", "Centre punch the holes after milling this side: top or bottom", "Pointer les trous après le fraisage de ce côté : top ou bottom") \
  X(cliMillOutlineHelp, "Platinenkontur: none, top (von C1) oder bottom (von C2)", "Board outline: none, top (from C1) or bottom (from C2)", "Contour de la carte : none, top (depuis C1) ou bottom (depuis C2)") \
  X(cliMillUnitsHelp, "HPGL-Einheit: 40 (1/40 mm) oder mil", "HPGL unit: 40 (1/40 mm) or mil", "Unité HPGL : 40 (1/40 mm) ou mil") \
  X(cliMillSeparateHelp, "Eine Datei je Job (<Name>_Pen<n>.plt)", "One file per job (<name>_Pen<n>.plt)", "Un fichier par tâche (<nom>_Pen<n>.plt)") \
  X(cliMillJobsHelp, "Jobliste als Textdatei (UTF-8) schreiben", "Write the job list as a text file (UTF-8)", "Écrire la liste des tâches en fichier texte (UTF-8)") \
  X(cliMillReferencesHelp, "Passbohrungen an den Plätzen 1 bis 8, durch Kommas getrennt", "Reference holes at places 1 to 8, separated by commas", "Trous de référence aux places 1 à 8, séparées par des virgules") \
  X(cliMillDistanceHelp, "Abstand der Passbohrungen vom Platinenrand in mm (0 bis 30)", "Distance of the reference holes from the board edge in mm (0 to 30)", "Distance des trous de référence au bord de la carte en mm (0 à 30)") \
  X(cliMillFeedHelp, "Bohrungen mit minimalem Vorschub", "Drillings with min. feed", "Perçages avec avance minimale") \
  X(cliMillSelectedHelp, "Nur markierte Elemente fräsen", "Mill only selected elements", "Fraiser uniquement les éléments sélectionnés") \
  X(cliMillTextStrokesHelp, "Texte als Einzellinie fräsen: none, normal (nicht markierte), selected (markierte) oder all", "Mill texts as single lines: none, normal (unselected), selected or all", "Fraiser les textes en ligne simple : none, normal (non sélectionnés), selected (sélectionnés) ou all") \
  X(cliMillNoOriginHelp, "Koordinaten von der linken unteren Platinenecke statt vom Nullpunkt", "Coordinates from the board's lower left corner instead of the origin", "Coordonnées depuis le coin inférieur gauche de la carte au lieu de l'origine") \
  X(cliMillBadLayers, "Unbekannte Lage für das Fräsen: ", "Unknown layer for milling: ", "Couche inconnue pour le fraisage : ") \
  X(cliMillBadReference, "Unbekannter Platz für eine Passbohrung: ", "Unknown place for a reference hole: ", "Place inconnue pour un trou de référence : ") \
  X(cliMillNothing, "Kein Job: die Platine hat nichts für die gewählten Optionen.", "No job: the board has nothing for the chosen options.", "Aucune tâche : la carte n'a rien pour les options choisies.") \
  X(cliMillWritten, "Geschrieben: ", "Written: ", "Écrit : ")
// clang-format on

namespace pravelo::texts {
PRAVELO_MILL_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
