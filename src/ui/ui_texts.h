#pragma once

#include "base/text.h"

// User texts of the main window and its dialogs.
// clang-format off
#define PRAVELO_UI_TEXTS(X) \
  X(layerBarTitle, "Lagen", "Layers", "Couches") \
  X(layerVisibleHint, "Lage ein- oder ausblenden: ", "Show or hide the layer: ", "Afficher ou masquer la couche : ") \
  X(layerActiveHint, "Aktive Lage: ", "Active layer: ", "Couche active : ") \
  X(layerNameK1, "K1", "C1", "C1") \
  X(layerNameB1, "B1", "S1", "S1") \
  X(layerNameK2, "K2", "C2", "C2") \
  X(layerNameB2, "B2", "S2", "S2") \
  X(layerNameI1, "I1", "I1", "I1") \
  X(layerNameI2, "I2", "I2", "I2") \
  X(layerNameU, "U", "O", "O") \
  X(layerHintK1, "K1 = Kupferlage - Oben", "C1 = Copper - Top", "C1 = Cuivre - Dessus") \
  X(layerHintB1, "B1 = Bestückungsdruck - Oben", "S1 = Silkscreen - Top", "S1 = Sérigraphie - Dessus") \
  X(layerHintK2, "K2 = Kupferlage - Unten", "C2 = Copper - Bottom", "C2 = Cuivre - Dessous") \
  X(layerHintB2, "B2 = Bestückungsdruck - Unten", "S2 = Silkscreen - Bottom", "S2 = Sérigraphie - Dessous") \
  X(layerHintI1, "I1 =  Innere Kupferlage 1 (Multilayer)", "I1 = Inner Layer 1 (multilayer)", "I1 = Couche interne 1 (multicouche)") \
  X(layerHintI2, "I2 =  Innere Kupferlage 2 (Multilayer)", "I2 = Inner Layer 2 (multilayer)", "I2 = Couche interne 2 (multicouche)") \
  X(layerHintU, "U = Umrißlayer (Platinenkontur)", "O = PCB-Outline", "O = Contour de la carte") \
  X(buttonOk, "OK", "OK", "OK") \
  X(buttonCancel, "Abbrechen", "Cancel", "Annuler") \
  X(buttonHelp, "Hilfe", "Help", "Aide") \
  X(newBoardCaption, "Neue Platine", "New board", "Nouvelle carte") \
  X(newBoardDefaultName, "Neue Platine", "New board", "Nouvelle carte") \
  X(modeEmpty, "Leere Arbeitsfläche\nohne Platinenkontur", "Empty working-space\nwithout PCB outline", "Espace de travail vide\nsans contour de carte") \
  X(modeRectangular, "Arbeitsfläche\nmit rechteckiger\nPlatinenkontur", "Working-space\nwith rectangle\nPCB outline", "Espace de travail\navec contour\nrectangulaire") \
  X(modeRound, "Arbeitsfläche\nmit runder\nPlatinenkontur", "Working-space\nwith round\nPCB outline", "Espace de travail\navec contour\ncirculaire") \
  X(sizeOfWorkingSpace, "Größe der Arbeitsfläche:", "Size of working-space:", "Taille de l'espace de travail :") \
  X(widthLabel, "Breite:", "Width:", "Largeur :") \
  X(heightLabel, "Höhe:", "Height:", "Hauteur :") \
  X(rectangularOutline, "Rechteckige Platinenkontur:", "Rectangle board outline:", "Contour carte rectangulaire:") \
  X(roundOutline, "Runde Platinenkontur:", "Round board outline:", "Contour carte circulaire:") \
  X(diameterLabel, "Durchmesser:", "Diameter:", "Diamètre :") \
  X(distanceFromWorkingSpace, "Abstand zur Arbeitsfläche:", "Distance from working-space:", "Distance à l'espace de travail :") \
  X(distanceLabel, "Abstand:", "Distance:", "Distance :") \
  X(resultingWorkingSpace, "Resultierende Arbeitsfläche:", "Resulting working-space:", "Espace de travail effectif:") \
  X(nameLabel, "Name:", "Name:", "Nom:") \
  X(boardTooBig, "Die Arbeitsfläche darf max. 500x500 mm betragen!", "The board is too big!", "La carte est trop grande !") \
  X(multilayerLabel, "Multilayer", "Multilayer", "Multicouche") \
  X(projectInfoCaption, "Projektinfo", "Project info", "Informations du projet") \
  X(projectTitleLabel, "Titel:", "Title:", "Titre :") \
  X(projectAuthorLabel, "Autor:", "Author:", "Auteur :") \
  X(projectCompanyLabel, "Firma:", "Company:", "Société :") \
  X(projectCommentLabel, "Kommentar:", "Comment:", "Commentaire :") \
  X(languageNotWritten, "Die Sprachdatei konnte nicht geschrieben werden.", "The language file could not be written.", "Le fichier de langue n'a pas pu être écrit.") \
  X(titlePictureSubtitle, "Leiterplatten-Layout", "Printed circuit board layout", "Dessin de circuits imprimés") \
  X(toolColumnTitle, "Werkzeuge", "Tools", "Outils") \
  X(sizeColumnTitle, "Größen", "Sizes", "Dimensions") \
  X(captureCaption, "Fang", "Capture", "Capture") \
  X(captureHint, "Automatischer Fang", "Automatic Capture", "Capture automatique") \
  X(rubberBandHint, "Gummibänder mitziehen: 0 aus, 1 kleiner Bereich, 2 großer Bereich", "Drag rubberbands along: 0 off, 1 small range, 2 big range", "Entraîner les élastiques : 0 désactivé, 1 petite zone, 2 grande zone") \
  X(cutoutZoneCaption, "Sperrfläche", "Cut-out zone", "Zone d'exclusion") \
  X(cutoutZoneHint, "Sperrfläche als Fläche zeichnen", "Draw a cut-out area as a zone", "Dessiner une zone d'exclusion comme surface") \
  X(cutoutRectCaption, "Sperrrechteck", "Cut-out rectangle", "Rectangle d'exclusion") \
  X(cutoutRectHint, "Sperrfläche als Rechteck zeichnen", "Draw a cut-out area as a rectangle", "Dessiner une zone d'exclusion comme rectangle") \
  X(keyShift, " SHIFT ", " SHIFT ", " MAJ ") \
  X(keyEscape, "Esc", "Esc", "Échap") \
  X(keyCtrl, " STRG ", " CTRL ", " CTRL ") \
  X(halfGrid, " = 1/2 Raster   ", " = 1/2 grid   ", " = 1/2 grille   ") \
  X(captureOff, " = Fang aus   ", " = Capture off   ", " = Capture désactivée   ") \
  X(gridOff, " = Raster aus   ", " = Grid off   ", " = Grille désactivée   ") \
  X(rectangleTrackMode, "Rechteck als Leiterbahn", "Rectangle as track", "Rectangle en piste") \
  X(rectangleZoneMode, "Rechteck als Fläche", "Rectangle as zone", "Rectangle en surface")
// clang-format on

namespace pravelo::texts {
PRAVELO_UI_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
