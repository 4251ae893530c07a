#pragma once

#include "base/text.h"

// User texts of the tool machine: the tools' hints and the help line of each tool state.
// Help lines have two blanks after the colon.
// clang-format off
#define PRAVELO_EDITING_TEXTS(X) \
  X(hintEdit, "Bearbeitungsmodus zum Markieren, Verschieben, Kopieren, Ausschneiden, Einfügen oder Löschen von Elementen", "Edit mode to select, move, copy, cut, paste or delete elements", "Mode édition pour sélectionner, déplacer, copier, couper, coller ou supprimer des éléments") \
  X(hintTrack, "Leiterbahnen zeichnen", "Draw tracks", "Dessiner des pistes") \
  X(hintPad, "Lötaugen setzen, auf den Pfeil klicken, um eine Lötaugenform zu wählen.", "Add pads, click on the arrow to select a pad shape.", "Placer des pastilles, cliquer sur la flèche pour choisir une forme de pastille.") \
  X(hintZoom, "Zoom-Modus", "Zoom mode", "Mode zoom") \
  X(hintZone, "Flächen zeichnen", "Draw filled areas", "Dessiner des surfaces pleines") \
  X(hintCircle, "Kreise oder Bögen zeichnen", "Draw circles or arcs", "Dessiner des cercles ou des arcs") \
  X(hintText, "Beschriftung hinzufügen", "Add text label", "Ajouter un texte") \
  X(hintTest, "Test-Modus zum Prüfen verbundener Elemente", "Test mode to check connected elements", "Mode test pour vérifier les éléments connectés") \
  X(hintConnections, "Gummibänder zeichnen, um Verbindungen festzulegen", "Draw rubberbands to define connections", "Dessiner des élastiques pour définir des connexions") \
  X(hintSpecial, "Assistent für gleichseitige Vielecke, Spiralen usw.", "Wizard for equilateral polygons, spirals, etc.", "Assistant pour polygones réguliers, spirales, etc.") \
  X(hintAutoroute, "Autorouter zum Verlegen der Gummiband-Verbindungen", "Autorouter for routing rubberband connections", "Autorouteur pour router les connexions élastiques") \
  X(hintMeasure, "Messmodus für Abstände und Winkel", "Measure mode for distances and angles", "Mode mesure des distances et des angles") \
  X(hintSmdPad, "SMD-Pads setzen", "Add SMD-pads", "Placer des pastilles CMS") \
  X(hintSolderMask, "Lötstoppmaske bearbeiten, Elemente in die Lötstoppmaske aufnehmen oder daraus entfernen", "Edit solder mask, include or exclude elements from solder mask", "Éditer le vernis épargne, inclure ou exclure des éléments du vernis épargne") \
  X(hintPhotoView, "Die Platine wirklichkeitsgetreu anzeigen", "Display the board as WYSIWYG", "Afficher la carte telle qu'elle sera") \
  X(hintRectangle, "Rechtecke zeichnen", "Draw rectangles", "Dessiner des rectangles") \
  X(helpEditNode, "BEARBEITEN:  Knoten anklicken und verschieben, mit der rechten Maustaste Knoten löschen", "EDIT:  Click and move nodes, use right mouse button to delete nodes", "ÉDITION :  Cliquer et déplacer les nœuds, bouton droit pour supprimer des nœuds") \
  X(helpEditFrame, "BEARBEITEN:  Rahmen aufziehen, um Objekte zu markieren", "EDIT:  Draw a frame to select objects", "ÉDITION :  Tracer un cadre pour sélectionner des objets") \
  X(helpEdit, "BEARBEITEN:  Objekte anklicken, markieren, verschieben, löschen, kopieren oder einfügen", "EDIT:  Click, select, move, delete, copy or paste objects", "ÉDITION :  Cliquer, sélectionner, déplacer, supprimer, copier ou coller des objets") \
  X(helpTrackStart, "LEITERBAHN:  Mit links den Startpunkt wählen", "TRACK:  Click left to select start point", "PISTE :  Clic gauche pour choisir le point de départ") \
  X(helpTrackNext, "LEITERBAHN:  Mit links den nächsten Knoten setzen oder mit der rechten Maustaste beenden", "TRACK:  Click left to place next node or abort with right mouse button", "PISTE :  Clic gauche pour placer le nœud suivant ou terminer avec le bouton droit") \
  X(helpPad, "LÖTAUGE:  Mit der linken Maustaste setzen, mit der rechten Maustaste abbrechen", "PAD:  Place with left mouse button, abort with right mouse button", "PASTILLE :  Placer avec le bouton gauche, annuler avec le bouton droit") \
  X(helpZoom, "ZOOM:  Links=Zoom +  |  Rechts=Zoom -  |  Links drücken und Rahmen ziehen = Zoombereich wählen", "ZOOM:  Left=Zoom +  |  Right=Zoom -  |  Press left and draw frame = Select zoom range", "ZOOM :  Gauche=Zoom +  |  Droite=Zoom -  |  Appuyer à gauche et tracer un cadre = Choisir la zone") \
  X(helpZoneStart, "FLÄCHE:  Mit links den Startpunkt wählen", "ZONE:  Click left to select start point", "SURFACE :  Clic gauche pour choisir le point de départ") \
  X(helpZoneNext, "FLÄCHE:  Mit links den nächsten Knoten setzen oder mit der rechten Maustaste beenden", "ZONE:  Click left to place next node or abort with right mouse button", "SURFACE :  Clic gauche pour placer le nœud suivant ou terminer avec le bouton droit") \
  X(helpCircle, "KREIS:  Mit links den Mittelpunkt wählen, Taste halten und Radius ziehen", "CIRCLE:  Left click to select center, hold button and draw radius", "CERCLE :  Clic gauche pour choisir le centre, maintenir et tirer le rayon") \
  X(helpText, "TEXT:  Mit der linken Maustaste setzen, mit der rechten Maustaste abbrechen", "TEXT:  Place with left mouse button, abort with right mouse button", "TEXTE :  Placer avec le bouton gauche, annuler avec le bouton droit") \
  X(helpTest, "TEST:  Testpunkt anklicken um verbundene Layoutelemente zu sehen", "TEST:  Click to highlight connected elements", "TEST :  Cliquer pour mettre en évidence les éléments connectés") \
  X(helpConnectionFirst, "LUFTLINIE:  Erstes Lötauge mit linker Maustaste anklicken", "CONNECTION:  Select first pad", "CONNEXION:  Sélectionner la première pastille") \
  X(helpConnectionSecond, "LUFTLINIE:  Nächstes Lötauge auswählen, oder beenden mit rechter Maustaste", "CONNECTION:  Select second pad for connection, abort with right mouse button", "CONNEXION:  Sélectionnez un seconde pastille pour la connexion, sortir avec clic droit de souris") \
  X(helpAutoroute, "AUTOROUTE:  Klicke auf eine Luftlinie zum Autorouten, oder auf eine Autoroute zum Auflösen", "AUTOROUTE:  Click on a connection to autoroute, or on an existing autoroute to resolve it", "AUTOROUTAGE :  Cliquer sur une connexion pour la router, ou sur une piste routée pour la défaire") \
  X(pasteTooManyComponents, "Das Einfügen würde Bauteilnummern über 32767 brauchen. Es wurde nichts eingefügt.", "The paste would need component numbers above 32767. Nothing was pasted.", "Le collage demanderait des numéros de composant supérieurs à 32767. Rien n'a été collé.") \
  X(helpPaste, "EINFÜGEN:  Mit der linken Maustaste setzen, mit der rechten Maustaste abbrechen", "PASTE:  Place with left mouse button, abort with right mouse button", "COLLER :  Placer avec le bouton gauche, annuler avec le bouton droit") \
  X(helpMeasure, "ABSTAND:  Startpunkt anklicken, Taste halten und die Maus bewegen", "DISTANCE:  Click to starting point, hold button and move the mouse", "DISTANCE :  Cliquer sur le point de départ, maintenir et déplacer la souris") \
  X(helpSmdPad, "SMD-PAD:  Mit der linken Maustaste setzen, mit der rechten Maustaste abbrechen", "SMD-PAD:  Place with left mouse button, abort with right mouse button", "PASTILLE CMS :  Placer avec le bouton gauche, annuler avec le bouton droit") \
  X(helpSolderMask, "LÖTSTOPP:  Ein Element wählen, um es in die Lötstoppmaske aufzunehmen oder daraus zu entfernen", "SOLDER-MASK:  Select an element to add or delete it from the solder mask", "VERNIS ÉPARGNE :  Choisir un élément pour l'ajouter au vernis épargne ou l'en retirer") \
  X(helpRectangle, "RECHTECK:  Mit links den Startpunkt wählen, Taste halten und Rechteck ziehen", "RECTANGLE:  Left click to select start point, hold button and draw rectangle", "RECTANGLE :  Clic gauche pour choisir le point de départ, maintenir et tracer le rectangle") \
  X(componentMirrorQuestion, "Beim Spiegeln oder beim Layerwechsel von Bauteilen kann das Bauteil evt. nicht mehr korrekt bestückt werden.\nAuch die mitgespeicherte Rotation des Bauteiles (für Pick+Place Daten) kann dadurch inkorrekt werden.\n\nMöchten Sie trotzdem fortfahren?", "Mirroring or changing layers of components may result in components, which are not possible to insert.\nAlso the assigned rotation of the component (for Pick+Place data) may gets incorrect.\n\nDo you still want to continue?", "La mise en miroir ou le changement de couche de composants peut donner des composants impossibles à implanter.\nLa rotation enregistrée du composant (pour les données Pick+Place) peut aussi devenir incorrecte.\n\nVoulez-vous continuer quand même ?") \
  X(rotationAnglePrompt, "Drehwinkel [°]", "Rotational angle [°]", "Angle de rotation [°]") \
  X(askPadToVia, "Das Lötauge in ein durchkontaktiertes Lötauge (Via) umwandeln?", "Change the pad into a throughhole-pad (via)?", "Transformer la pastille en pastille traversante (via) ?") \
  X(nodeRemove, "Knoten entfernen", "Remove node", "Supprimer le nœud") \
  X(nodeAdd, "Knoten hinzufügen", "Add node", "Ajouter un nœud") \
  X(nodeSnap, "Knoten am Raster ausrichten", "Snap node to grid", "Aligner le nœud sur la grille") \
  X(nodeSnapAll, "Alle Knoten am Raster ausrichten", "Snap all nodes to grid", "Aligner tous les nœuds sur la grille") \
  X(nodeSplit, "Leiterbahn auftrennen", "Split track", "Scinder la piste") \
  X(nodeJoin, "Leiterbahnen verbinden", "Join tracks", "Joindre les pistes") \
  X(tracksJoined, "Die Leiterbahnen wurden verbunden.", "Tracks are joined.", "Les pistes ont été jointes.") \
  X(noTrackToJoin, "Keine Leiterbahn zum Verbinden gefunden.", "No track found to join.", "Aucune piste à joindre n'a été trouvée.") \
// clang-format on

namespace pravelo::texts {
PRAVELO_EDITING_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
