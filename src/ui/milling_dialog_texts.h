#pragma once

#include "base/text.h"

// User texts of the milling dialog and the milling-path overlay.
// clang-format off
#define PRAVELO_MILLING_DIALOG_TEXTS(X) \
  X(millCaption, "Isolationsfräsen", "Isolation milling", "Isolation fraisage") \
  X(millWidth, "Fräserbreite:", "Milling width:", "Largeur fraisage :") \
  X(millLayers, "Kupferlagen", "Copper layers", "Couches de cuivre") \
  X(millLayerC1, "K1 - Oben", "C1 - Top", "C1 - Dessus") \
  X(millLayerC2, "K2 - Unten", "C2 - Bottom", "C2 - Dessous") \
  X(millNoMirror, "Nicht spiegeln", "No mirroring", "Pas de miroir") \
  X(millMirrorH, "Horizontal spiegeln", "Mirror horizontal", "Miroir horizontal") \
  X(millMirrorV, "Vertikal spiegeln", "Mirror vertical", "Miroir vertical") \
  X(millPunch, "Körnen (Bohrungen)", "Center punch (holes)", "Pointer (perçages)") \
  X(millPasses, "Anzahl:", "Number:", "Nombre :") \
  X(millOverlap, "Überlappung:", "Overlap:", "Chevauchement :") \
  X(millDrillGroup, "Bohrungen", "Drillings", "Perçages") \
  X(millNoOutput, "Keine Ausgabe", "No output", "Pas de sortie") \
  X(millDrillTop, "Von oben bohren (K1)", "Drill from Top (C1)", "Percer par le dessus (C1)") \
  X(millDrillBottom, "Von unten bohren (K2)", "Drill from Bottom (C2)", "Percer par le dessous (C2)") \
  X(millHolesCircles, "Alle Bohrungen mit Fräser erzeugen (CI-Befehl)", "Create all drillings with milling cutter (CI-command)", "Créer tous les perçages avec la fraise (commande CI)") \
  X(millHolesSame, "Als Bohrungen (PD-Befehl) - alle Bohrungen mit dem gleichen Bohrer (Stift)", "As drillings (PD-command) - all drillings with the same drill (pen)", "En perçages (commande PD) - tous les perçages avec le même foret (plume)") \
  X(millHolesSeparate, "Als Bohrungen (PD-Befehl) - jeder Durchmesser ein neuer Bohrer (Stift)", "As drillings (PD-command) - each diameter a new drill (pen)", "En perçages (commande PD) - chaque diamètre un nouveau foret (plume)") \
  X(millNoDrillings, "Keine Bohrungen vorhanden", "No drillings available", "Aucun perçage disponible") \
  X(millOutlineGroup, "Platinenkontur", "PCB-Outline", "Contour") \
  X(millOutlineTop, "Von oben fräsen (K1)", "Mill from Top (C1)", "Fraiser par le dessus (C1)") \
  X(millOutlineBottom, "Von unten fräsen (K2)", "Mill from Bottom (C2)", "Fraiser par le dessous (C2)") \
  X(millNoOutlineObjects, "Keine Kontur auf Layer \"U\" vorhanden.", "No outline on layer \"O\" available.", "Aucun contour sur la couche \"O\" disponible.") \
  X(millReferenceGroup, "Passbohrungen (helfen beim exakten Wenden der Platine)", "Reference holes (helps turn over the board excatly)", "Trous de référence (aident à retourner la carte exactement)") \
  X(millBoardPicture, "Platine", "PCB", "Carte") \
  X(millReferenceDistance, "Abstand vom Platinenrand:", "Distance from board edge:", "Distance du bord de la carte :") \
  X(millTextsNormal, "Texte", "Texts", "Textes") \
  X(millTextsSelected, "Markierte Texte", "Selected texts", "Textes sélectionnés") \
  X(millTextOutline, "Umriss", "Outline", "Contour") \
  X(millTextSingleline, "Einzellinie", "Singleline", "Ligne simple") \
  X(millSelectedOnly, "Nur markierte Elemente fräsen", "Mill only selected elements", "Fraiser uniquement les éléments sélectionnés") \
  X(millMinimumFeed, "Bohrungen mit min. Vorschub", "Drillings with min. feed", "Perçages avec avance min.") \
  X(millUnitMil, "1 HPGL - Einheit = 0,0254 mm (1 mil)", "1 HPGL - unit = 0,0254 mm (1 mil)", "1 unité HPGL = 0,0254 mm (1 mil)") \
  X(millUnitFortieth, "1 HPGL - Einheit = 0,025 mm (1/40 mm)", "1 HPGL - unit = 0,025 mm (1/40 mm)", "1 unité HPGL = 0,025 mm (1/40 mm)") \
  X(millJobListFile, "Jobliste als Textdatei speichern", "Save joblist as textfile", "Enregistrer la liste des tâches en fichier texte") \
  X(millSeparateFiles, "Für jeden Job eine eigene Datei erzeugen", "Create separate files for each job", "Créer un fichier séparé pour chaque tâche") \
  X(millSortJobs, "Jobs per Drag & Drop sortieren", "Sort jobs per drag & drop", "Trier les tâches par glisser-déposer") \
  X(millRemovePaths, "Frässpur entfernen", "Remove milling paths", "Supprimer les trajectoires") \
  X(millHairline, "Haarlinie", "Hairline", "Ligne fine") \
  X(millHpglFilter, "HPGL (*.plt)|*.plt", "HPGL (*.plt)|*.plt", "HPGL (*.plt)|*.plt")
// clang-format on

namespace pravelo::texts {
PRAVELO_MILLING_DIALOG_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
