#pragma once

#include "base/text.h"

// User texts of the milling output: job list, messages and progress stages.
// clang-format off
#define PRAVELO_MILLING_TEXTS(X) \
  X(millReferenceHoles, "Passbohrungen", "Reference holes", "Trous de référence") \
  X(millIsolation, "Isolationsfräsen", "Isolation milling", "Isolation fraisage") \
  X(millCircleDrillings, "Bohrungen mit Fräser", "Drillings with milling cutter", "Trous perçages cutter-fraise") \
  X(millDrillings, "Bohrungen", "Drillings", "Perçages") \
  X(millOutline, "Platinenkontur", "PCB-Outline", "Contour") \
  X(millTop, "Oben", "Top", "Dessus") \
  X(millBottom, "Unten", "Bottom", "Dessous") \
  X(millPen, "Stift", "Pen", "Plume") \
  X(millJob, "Job", "Job", "Tâche") \
  X(millSide, "Seite", "Side", "Côté") \
  X(millWidthNote, "(Fräserbreite: ", "(Milling width: ", "(Largeur fraisage: ") \
  X(millPlaneWarning, "Beim Isolationsfräsen kann die AutoMasse nicht berücksichtigt werden.", "The automatic ground plane on the selected layer will be ignored.", "Le plan de masse automatique de la couche sélectionnée sera ignoré.") \
  X(millPlaneWarningTitle, "Umriss erstellen", "Isolation milling", "Isolation fraisage") \
  X(millOverwrite, "Die Datei \"%1\" existiert bereits.\n\nSoll die Datei überschrieben werden?", "The file \"%1\" already exists.\n\nOverwrite?", "Le fichier \"%1\" existe déja.\n\nDoit on écrire par dessus ?") \
  X(millNotWritten, "Die Datei %1 konnte nicht geschrieben werden: %2.", "The file %1 could not be written: %2.", "Le fichier %1 n'a pas pu être écrit : %2.") \
  X(millProgressTitle, "Isolationsumrisse", "Isolation outlines", "Contours d'isolation") \
  X(millStageSegments, "Segmente erzeugen", "Create segments", "Créer les segments") \
  X(millStageVectors, "Vektoren berechnen", "Calculate vectors", "Calculer les vecteurs") \
  X(millStageVectorList, "Vektorliste erzeugen", "Create vector list", "Créer la liste des vecteurs") \
  X(millStageOutlines, "Umrisse erzeugen", "Create outlines", "Créer les contours") \
  X(millStageOptimize, "Umrisse optimieren", "Optimize outlines", "Optimiser les contours") \
  X(millStageSort, "Umrisse sortieren", "Sort outlines", "Trier les contours")
// clang-format on

namespace pravelo::texts {
PRAVELO_MILLING_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
