#pragma once

// The commands of the main window and the controls (menu items, tool-bar buttons) that run them.
// A command is named after its handler; several controls may run one command. The ids in
// command_catalogue.h are generated from these tables.

// X(handler, hint de, en, fr, shortcut)
// clang-format off
#define PRAVELO_COMMANDS(X) \
  X(SB_NeuClick, "Neues Layout anlegen", "Start a new layout", "Créer un nouveau layout", "Ctrl+N") \
  X(SB_LoadClick, "Layout-Datei öffnen", "Open a layout file", "Ouvrir un fichier layout", "Ctrl+O") \
  X(SB_SaveClick, "Layout speichern", "Save the layout", "Enregistrer le layout", "Ctrl+S") \
  X(Speichernals1Click, "Layout unter einem neuen Namen speichern", "Save the layout under a new name", \
    "Enregistrer le layout sous un nouveau nom", "") \
  X(Projektinfo1Click, "Titel, Autor, Firma und Kommentar des Projekts", \
    "Title, author, company and comment of the project", \
    "Titre, auteur, société et commentaire du projet", "") \
  X(Beenden1Click, "Programm beenden", "Exit the program", "Quitter le programme", "") \
  X(NeuePlatine1Click, "Dem Projekt eine neue Platine hinzufügen", "Add a new board to the project", \
    "Ajouter une nouvelle carte au projet", "") \
  X(Platinennachladen1Click, "Die Platinen einer Layout-Datei hinter den vorhandenen anfügen", \
    "Append the boards of a layout file behind the existing ones", \
    "Ajouter les cartes d'un fichier layout après les cartes existantes", "") \
  X(Platinengrsse1Click, "Größe, Name und Mehrlagen-Schalter der Platine", \
    "Size, name and multilayer switch of the board", "Taille, nom et multicouche de la carte", "") \
  X(Platinelschen1Click, "Die aktive Platine aus dem Projekt löschen", \
    "Delete the active board from the project", "Supprimer la carte active du projet", "") \
  X(Platinekopieren1Click, "Eine Kopie der aktiven Platine anfügen", "Append a copy of the active board", \
    "Ajouter une copie de la carte active", "") \
  X(Platinenachrechts1Click, "Die aktive Platine an die letzte Stelle setzen", \
    "Put the active board at the last place", "Placer la carte active à la dernière place", "") \
  X(Platineeinsnachrechts1Click, "Die aktive Platine eine Stelle nach rechts verschieben", \
    "Move the active board one place to the right", \
    "Déplacer la carte active d'une place vers la droite", "") \
  X(Platinenachlinks1Click, "Die aktive Platine an die erste Stelle setzen", \
    "Put the active board at the first place", "Placer la carte active à la première place", "") \
  X(Platineeinsnachlinks1Click, "Die aktive Platine eine Stelle nach links verschieben", \
    "Move the active board one place to the left", \
    "Déplacer la carte active d'une place vers la gauche", "") \
  X(Vergroessern1Click, "Die Ansicht um den Faktor 1,3 vergrößern", "Zoom in by a factor of 1.3", \
    "Agrandir la vue d'un facteur 1,3", "+") \
  X(Verkleinern1Click, "Die Ansicht um den Faktor 1,3 verkleinern", "Zoom out by a factor of 1.3", \
    "Réduire la vue d'un facteur 1,3", "-") \
  X(Zoomalles1Click, "Die ganze Platine zeigen", "Show the whole board", "Afficher toute la carte", "") \
  X(ZoomalleObjekte1Click, "Alle Objekte der Platine zeigen", "Show all objects of the board", \
    "Afficher tous les objets de la carte", "") \
  X(ZoomaufMarkierung1Click, "Die markierten Objekte zeigen", "Show the selected objects", \
    "Afficher les objets sélectionnés", "") \
  X(Zoomvorher2Click, "Zoom und Bildausschnitt von vorher wiederherstellen", \
    "Restore the previous zoom and view", "Rétablir le zoom et la vue précédents", "") \
  X(TB_TransparentClick, "Lagen transparent darstellen", "Show the layers transparent", \
    "Afficher les couches en transparence", "") \
  X(SB_EinheitClick, "Maßeinheit umschalten (mm / mil)", "Switch the unit (mm / mil)", \
    "Changer d'unité (mm / mil)", "") \
  X(R_HinzufuegenClick, "Einen eigenen Rasterwert festlegen", "Define a grid value of your own", \
    "Définir une valeur de grille personnelle", "") \
  X(R_HotkeysClick, "Rasterwerte für die Tasten 1 bis 9 festlegen", \
    "Choose the grid values of the keys 1 to 9", "Choisir les valeurs de grille des touches 1 à 9", "") \
  X(R_LinienClick, "Raster als Linien zeigen", "Show the grid as lines", "Afficher la grille en lignes", "") \
  X(R_PunkteClick, "Raster als Punkte zeigen", "Show the grid as dots", "Afficher la grille en points", "") \
  X(R_SichtbarClick, "Raster ein- oder ausblenden", "Show or hide the grid", \
    "Afficher ou masquer la grille", "") \
  X(Nullpunktsetzen1Click, "Den Nullpunkt an die angeklickte Stelle setzen (im Raster, außer mit Strg)", \
    "Put the user origin where you clicked (on the grid unless Ctrl is held)", \
    "Placer l'origine à l'endroit cliqué (sur la grille, sauf avec Ctrl)", "") \
  X(RcksetzenObenLinks1Click, "Den Nullpunkt in die obere linke Ecke der Platine setzen", \
    "Put the user origin at the top left corner of the board", \
    "Placer l'origine au coin supérieur gauche de la carte", "") \
  X(SetzenachUntenLinks1Click, "Den Nullpunkt in die untere linke Ecke der Platine setzen", \
    "Put the user origin at the bottom left corner of the board", \
    "Placer l'origine au coin inférieur gauche de la carte", "") \
  X(TB_UndoClick, "Die letzte Änderung rückgängig machen", "Undo the last change", \
    "Annuler la dernière modification", "Ctrl+Z") \
  X(TB_RedoClick, "Die zuletzt rückgängig gemachte Änderung wiederherstellen", \
    "Redo the change undone last", "Rétablir la dernière modification annulée", "Ctrl+Y") \
  X(Allesmarkieren1Click, "Alle Objekte auf sichtbaren Lagen markieren", \
    "Select every object on a visible layer", "Sélectionner tous les objets des couches visibles", \
    "Ctrl+A") \
  X(SB_DelClick, "Die markierten Objekte löschen", "Delete the selected objects", \
    "Supprimer les objets sélectionnés", "") \
  X(TB_SelectorClick, "Elemente nach Typ und Größe auflisten und markieren", \
    "List and select elements by type and size", \
    "Lister et sélectionner les éléments par type et taille", "") \
  X(Eigenschaften1Click, "Eigenschaftenfenster ein- oder ausblenden: zeigt und ändert die markierten Objekte oder die Platine", \
    "Show or hide the properties panel: shows and changes the selected objects or the board", \
    "Afficher ou masquer le panneau des propriétés : affiche et modifie les objets sélectionnés ou la carte", "") \
  X(Sprache1Click, "Sprache des Programms wählen (gilt ab dem nächsten Start)", \
    "Choose the language of the program (takes effect at the next start)", \
    "Choisir la langue du programme (prend effet au prochain démarrage)", "") \
  X(Hilfethemen1Click, "Inhaltsverzeichnis der Hilfe öffnen", "Open the table of contents of the help", \
    "Ouvrir la table des matières de l'aide", "F1") \
  X(SB_RotateClick, "Markierte Elemente im Uhrzeigersinn drehen (Umschalt: gegen den Uhrzeigersinn)", \
    "Rotate the selected elements clockwise (Shift: anticlockwise)", \
    "Faire pivoter les éléments sélectionnés dans le sens horaire (Maj : sens antihoraire)", "") \
  X(SB_HSpiegelnClick, "Markierte Elemente horizontal spiegeln", "Mirror the selected elements horizontally", \
    "Inverser horizontalement les éléments sélectionnés", "") \
  X(SB_VSpiegelnClick, "Markierte Elemente vertikal spiegeln", "Mirror the selected elements vertically", \
    "Inverser verticalement les éléments sélectionnés", "") \
  X(SB_AusrichtenClick, "Markierte Elemente am Raster ausrichten", "Snap the selected elements to the grid", \
    "Aligner les éléments sélectionnés sur la grille", "") \
  X(AusrichtenObenClick, "Markierte Elemente oben bündig ausrichten", "Align the selected elements at the top", \
    "Aligner les éléments sélectionnés en haut", "") \
  X(AusrichtenUntenClick, "Markierte Elemente unten bündig ausrichten", \
    "Align the selected elements at the bottom", "Aligner les éléments sélectionnés en bas", "") \
  X(AusrichtenLinksClick, "Markierte Elemente links bündig ausrichten", "Align the selected elements at the left", \
    "Aligner les éléments sélectionnés à gauche", "") \
  X(AusrichtenRechtsClick, "Markierte Elemente rechts bündig ausrichten", \
    "Align the selected elements at the right", "Aligner les éléments sélectionnés à droite", "") \
  X(AusrichtenHMitteClick, "Markierte Elemente auf eine senkrechte Mittellinie setzen", \
    "Centre the selected elements on one vertical line", \
    "Centrer les éléments sélectionnés sur une même ligne verticale", "") \
  X(AusrichtenVMitteClick, "Markierte Elemente auf eine waagerechte Mittellinie setzen", \
    "Centre the selected elements on one horizontal line", \
    "Centrer les éléments sélectionnés sur une même ligne horizontale", "") \
  X(Layerwechseln1Click, "Markierte Elemente auf die andere Platinenseite setzen", \
    "Put the selected elements on the other board side", \
    "Placer les éléments sélectionnés sur l'autre face de la carte", "") \
  X(SetzeAufLayer1Click, "Markierte Elemente auf die Lage K1 setzen", "Put the selected elements on layer C1", \
    "Placer les éléments sélectionnés sur la couche C1", "") \
  X(SetzeAufLayer2Click, "Markierte Elemente auf die Lage B1 setzen", "Put the selected elements on layer S1", \
    "Placer les éléments sélectionnés sur la couche S1", "") \
  X(SetzeAufLayer3Click, "Markierte Elemente auf die Lage K2 setzen", "Put the selected elements on layer C2", \
    "Placer les éléments sélectionnés sur la couche C2", "") \
  X(SetzeAufLayer4Click, "Markierte Elemente auf die Lage B2 setzen", "Put the selected elements on layer S2", \
    "Placer les éléments sélectionnés sur la couche S2", "") \
  X(SetzeAufLayer5Click, "Markierte Elemente auf die Innenlage I1 setzen", \
    "Put the selected elements on the inner layer I1", \
    "Placer les éléments sélectionnés sur la couche interne I1", "") \
  X(SetzeAufLayer6Click, "Markierte Elemente auf die Innenlage I2 setzen", \
    "Put the selected elements on the inner layer I2", \
    "Placer les éléments sélectionnés sur la couche interne I2", "") \
  X(SetzeAufLayer7Click, "Markierte Elemente auf die Umrisslage U setzen", \
    "Put the selected elements on the outline layer O", \
    "Placer les éléments sélectionnés sur la couche de contour O", "") \
  X(SB_CopyClick, "Die markierten Objekte in die Zwischenablage kopieren", \
    "Copy the selected objects to the clipboard", \
    "Copier les objets sélectionnés dans le presse-papiers", "Ctrl+C") \
  X(SB_CutClick, "Die markierten Objekte ausschneiden", "Cut the selected objects", \
    "Couper les objets sélectionnés", "Ctrl+X") \
  X(SB_InsertClick, "Den Inhalt der Zwischenablage einfügen", "Paste the contents of the clipboard", \
    "Coller le contenu du presse-papiers", "Ctrl+V") \
  X(Duplizieren1Click, "Die markierten Objekte verdoppeln", "Duplicate the selected objects", \
    "Dupliquer les objets sélectionnés", "") \
  X(SB_GruppierenClick, "Die markierten Objekte zu einer Gruppe zusammenfassen", \
    "Build a group of the selected objects", "Réunir les objets sélectionnés en un groupe", "") \
  X(SB_GruppeAufloesenClick, "Die Gruppierung der markierten Objekte aufheben", \
    "Ungroup the selected objects", "Dissocier le groupe des objets sélectionnés", "") \
  X(Bauteil1Click, "Namen und Wert des Bauteils bearbeiten", "Edit the name and value of the component", \
    "Modifier le nom et la valeur du composant", "") \
  X(Kacheln1Click, "Die markierten Objekte in Reihen oder im Kreis vervielfachen", \
    "Repeat the selected objects in rows or on a circle", \
    "Répéter les objets sélectionnés en rangées ou en cercle", "") \
  X(Benennen1Click, "Den markierten Objekten einen Namen geben", "Give the selected objects a name", \
    "Donner un nom aux objets sélectionnés", "") \
  X(MarkiereNamen1Click, "Alle Objekte mit diesem Namen markieren", "Select every object with this name", \
    "Sélectionner tous les objets portant ce nom", "") \
  X(LS_ResetClick, "Die Lötstopp-Schalter auf ihre Vorgaben zurücksetzen", \
    "Put the solder-mask switches back to their defaults", \
    "Remettre les options du masque de soudure à leurs valeurs par défaut", "") \
  X(LscheElementeausserhalb1Click, "Alle Objekte außerhalb der Platine löschen", \
    "Delete every object outside the board", "Supprimer tous les objets hors de la carte", "") \
  X(Export_TextIOClick, "Objekte als Text-IO-Datei schreiben", "Write objects as a Text-IO file", \
    "Écrire des objets dans un fichier Text-IO", "") \
  X(Import_TextIOClick, "Objekte aus einer Text-IO-Datei einfügen", "Paste objects from a Text-IO file", \
    "Coller des objets d'un fichier Text-IO", "") \
  X(TB_MakroClick, "Makrofenster ein- oder ausblenden", "Show or hide the macro panel", \
    "Afficher ou masquer le panneau des macros", "") \
  X(Makrospeichern1Click, "Die markierten Objekte als neues Makro speichern", \
    "Save selected elements as a new macro", \
    "Enregistrer les éléments sélectionnés comme nouvelle macro", "") \
  X(BauteilAssistent1Click, "Anschlussbilder von Bauteilen erzeugen", "Generate component footprints", \
    "Générer des empreintes de composants", "") \
  X(TB_ClearConnectionsClick, "Luftlinien entfernen, deren Pads schon durch Kupfer verbunden sind", \
    "Remove the connections whose pads are already joined by copper", \
    "Supprimer les connexions dont les pastilles sont déjà reliées par le cuivre", "") \
  X(SB_AutoMasseMouseDown, "AutoMasse", \
    "Enable or disable the automatic ground plane for the active copper layer", \
    "Activer ou désactiver le plan de masse automatique de la couche de cuivre active", "") \
  X(TB_DRCClick, "Design-Rule-Check ein- oder ausblenden", "Show or hide the design rule check", \
    "Afficher ou masquer la vérification des règles", "") \
  X(TB_BauteileClick, "Bauteilliste ein- oder ausblenden", "Show or hide the component list", \
    "Afficher ou masquer la liste des composants", "") \
  X(Gerber274Xerzeugen1Click, "Gerber-Dateien (RS-274X) der aktiven Platine schreiben", \
    "Write Gerber files (RS-274X) of the active board", \
    "Écrire les fichiers Gerber (RS-274X) de la carte active", "") \
  X(Bohrdaten1Click, "Bohrdatei im Excellon-Format schreiben", "Write a drill file in Excellon format", \
    "Écrire un fichier de perçage au format Excellon", "") \
  X(BohrungenAuflisten1Click, "Anzahl und Durchmesser der Bohrungen auflisten", \
    "List the number and diameter of the drills", "Lister le nombre et le diamètre des perçages", "") \
  X(UmrissHPGLplt1Click, "Isolationsfräsen, Bohren und Umriss als HPGL-Dateien schreiben", \
    "Write isolation milling, drilling and outline as HPGL files", \
    "Écrire le fraisage d'isolation, le perçage et le contour en fichiers HPGL", "") \
  X(GerberImportieren1Click, "Gerber- und Bohrdateien als Platine einlesen", \
    "Read Gerber and drill files as a board", "Lire des fichiers Gerber et de perçage comme carte", "") \
  X(SB_PrintClick, "Die aktive Platine drucken", "Print the active board", "Imprimer la carte active", \
    "Ctrl+P") \
  X(Druckereinrichten1Click, "Drucker auswählen und einrichten", "Choose and set up the printer", \
    "Choisir et configurer l'imprimante", "") \
  X(N1Click, "Die Platine als Bitmap-Bild speichern", "Save the board as a bitmap picture", \
    "Enregistrer la carte comme image bitmap", "") \
  X(GIFExport1Click, "Die Platine als GIF-Bild speichern", "Save the board as a GIF picture", \
    "Enregistrer la carte comme image GIF", "") \
  X(JPGjpg1Click, "Die Platine als JPG-Bild speichern", "Save the board as a JPG picture", \
    "Enregistrer la carte comme image JPG", "") \
  X(EMFExport1Click, "Die Platine als EMF-Bild speichern", "Save the board as an EMF picture", \
    "Enregistrer la carte comme image EMF", "") \
  X(SVGExport1Click, "Die Platine als SVG-Vektorgrafik speichern", "Save the board as an SVG vector picture", \
    "Enregistrer la carte comme image vectorielle SVG", "") \
  X(Vorlage1Click, "Ein eingescanntes Bild als Vorlage hinter das Layout legen", \
    "Put a scanned picture behind the layout as a template", \
    "Placer une image numérisée derrière le layout comme modèle", "") \
  X(Grundeinstellungen1Click, "Allgemeine Einstellungen des Programms", "General settings of the program", \
    "Réglages généraux du programme", "") \
  X(Arbeitsverzeichnisse1Click, "Ordner für Layouts, Makros und Vorlagen", \
    "Folders for layouts, macros and templates", "Dossiers des layouts, macros et modèles", "") \
  X(Autospeichern1Click, "Automatische Sicherung einstellen", "Set up the automatic backup", \
    "Régler la sauvegarde automatique", "")

// X(name, handler, caption de, en, fr); "&" marks the accelerator. The name is also the Qt
// objectName of the control.
#define PRAVELO_CONTROLS(X) \
  X(Neu1, SB_NeuClick, "&Neu...", "&New...", "&Nouveau...") \
  X(TB_Neu, SB_NeuClick, "Neu", "New", "Nouveau") \
  X(ffnen1, SB_LoadClick, "Ö&ffnen...", "&Open...", "&Ouvrir...") \
  X(TB_Open, SB_LoadClick, "Öffnen", "Open", "Ouvrir") \
  X(Speichern1, SB_SaveClick, "&Speichern", "&Save", "&Enregistrer") \
  X(TB_Save, SB_SaveClick, "Speichern", "Save", "Enregistrer") \
  X(Speichernals1, Speichernals1Click, "Speichern &unter...", "Save &as...", "Enregistrer &sous...") \
  X(Projektinfo1, Projektinfo1Click, "Projekt-&Info...", "Project &info...", "&Informations du projet...") \
  X(Beenden1, Beenden1Click, "&Beenden", "E&xit", "&Quitter") \
  X(NeuePlatine1, NeuePlatine1Click, "&Neue Platine hinzufügen...", "&Add new board...", \
    "&Ajouter une nouvelle carte...") \
  X(NeuePlatine2, NeuePlatine1Click, "Neue Platine hinzufügen...", "Add new board...", \
    "Ajouter une nouvelle carte...") \
  X(Platinennachladen1, Platinennachladen1Click, "Platinen aus Datei &importieren...", \
    "&Import boards from file...", "&Importer des cartes d'un fichier...") \
  X(Platinengrsse1, Platinengrsse1Click, "&Eigenschaften", "&Properties", "&Propriétés") \
  X(Platineeinrichten1, Platinengrsse1Click, "Platineneigenschaften", "Board properties", \
    "Propriétés de la carte") \
  X(Platinelschen1, Platinelschen1Click, "Platine &löschen...", "&Delete board...", "&Supprimer la carte...") \
  X(Platinelschen2, Platinelschen1Click, "Platine löschen", "Delete board", "Supprimer la carte") \
  X(Platinekopieren1, Platinekopieren1Click, "Platine &kopieren", "&Copy board", "&Copier la carte") \
  X(Platinekopieren2, Platinekopieren1Click, "Platine kopieren", "Copy board", "Copier la carte") \
  X(Platinenachrechts1, Platinenachrechts1Click, "Platine ganz nach &rechts setzen", "Set board to &right", \
    "Placer la carte à l'extrême d&roite") \
  X(Platineeinsnachrechts1, Platineeinsnachrechts1Click, "Platine nach r&echts verschieben", \
    "Move board to &right", "Déplacer la carte vers la dr&oite") \
  X(Platinenachlinks1, Platinenachlinks1Click, "Platine ganz nach &links setzen", "Set board to &left", \
    "Placer la carte à l'extrême &gauche") \
  X(Platineeinsnachlinks1, Platineeinsnachlinks1Click, "Platine nach li&nks verschieben", \
    "Move board to &left", "Déplacer la carte vers la ga&uche") \
  X(Vergroessern1, Vergroessern1Click, "Ver&größern", "Zoom &in", "Zoom &avant") \
  X(Verkleinern1, Verkleinern1Click, "Ver&kleinern", "Zoom o&ut", "Zoom a&rrière") \
  X(Zoomalles1, Zoomalles1Click, "Zoom &Platine", "Zoom &board", "Zoom sur la &carte") \
  X(ZoomalleObjekte1, ZoomalleObjekte1Click, "Zoom alle &Objekte", "Zoom &objects", "Zoom sur les &objets") \
  X(ZoomaufMarkierung1, ZoomaufMarkierung1Click, "Zoom auf &Markierung", "Zoom &selection", \
    "Zoom sur la &sélection") \
  X(Zoomvorher2, Zoomvorher2Click, "&Vorheriger Zoom", "Zoom &previous", "Zoom &précédent") \
  X(TB_Transparent, TB_TransparentClick, "Transparent", "Transparent", "Transparent") \
  X(SB_Einheit, SB_EinheitClick, "mm", "mm", "mm") \
  X(R_Hinzufuegen, R_HinzufuegenClick, "Neuen Rasterwert hinzufügen...", "Add new grid value...", \
    "Ajouter une valeur de grille...") \
  X(R_Hotkeys, R_HotkeysClick, "Hotkeys...", "Hotkeys...", "Raccourcis...") \
  X(R_Linien, R_LinienClick, "Linien", "Lines", "Lignes") \
  X(R_Punkte, R_PunkteClick, "Punkte", "Dots", "Points") \
  X(R_Sichtbar, R_SichtbarClick, "Raster anzeigen", "Show grid", "Afficher la grille") \
  X(Nullpunktsetzen1, Nullpunktsetzen1Click, "Auf Klickposition setzen", "Set to click-position", \
    "Placer à la position du clic") \
  X(RcksetzenObenLinks1, RcksetzenObenLinks1Click, "Auf oben/links setzen", "Set to top/left", \
    "Placer en haut à gauche") \
  X(SetzenachUntenLinks1, SetzenachUntenLinks1Click, "Auf unten/links setzen", "Set to bottom/left", \
    "Placer en bas à gauche") \
  X(Undo, TB_UndoClick, "&Rückgängig", "&Undo", "&Annuler") \
  X(TB_Undo, TB_UndoClick, "Rückgängig", "Undo", "Annuler") \
  X(Redo, TB_RedoClick, "&Wiederherstellen", "&Redo", "&Rétablir") \
  X(TB_Redo, TB_RedoClick, "Wiederherstellen", "Redo", "Rétablir") \
  X(Allesmarkieren1, Allesmarkieren1Click, "Alles &markieren", "Select &all", "&Tout sélectionner") \
  X(Lschen1, SB_DelClick, "&Löschen [Entf]", "&Delete [Del]", "&Supprimer [Suppr]") \
  X(Lschen2, SB_DelClick, "Löschen", "Delete", "Supprimer") \
  X(TB_Delete, SB_DelClick, "Löschen", "Delete", "Supprimer") \
  X(TB_Selector, TB_SelectorClick, "Selektor", "Selector", "Sélecteur") \
  X(Eigenschaften1, Eigenschaften1Click, "E&igenschaften", "P&roperties", "P&ropriétés") \
  X(Sprache1, Sprache1Click, "&Sprache...", "&Language...", "&Langue...") \
  X(Hilfethemen1, Hilfethemen1Click, "&Hilfethemen...", "&Help topics...", "&Rubriques d'aide...") \
  X(Drehen1, SB_RotateClick, "&Drehen", "&Rotate", "&Faire pivoter") \
  X(Drehen2, SB_RotateClick, "Drehen", "Rotate", "Faire pivoter") \
  X(SB_Rotate, SB_RotateClick, "Drehen", "Rotate", "Faire pivoter") \
  X(HSpiegeln1, SB_HSpiegelnClick, "Horizontal spiegeln", "Mirror horizontal", "Miroir horizontal") \
  X(SB_HSpiegeln, SB_HSpiegelnClick, "Horizontal spiegeln", "Mirror horizontal", "Miroir horizontal") \
  X(VSpiegeln1, SB_VSpiegelnClick, "Vertikal spiegeln", "Mirror vertical", "Miroir vertical") \
  X(SB_VSpiegeln, SB_VSpiegelnClick, "Vertikal spiegeln", "Mirror vertical", "Miroir vertical") \
  X(AmRasterausrichten1, SB_AusrichtenClick, "Am Raster ausrichten", "Snap to grid", "Aligner sur la grille") \
  X(SB_Ausrichten, SB_AusrichtenClick, "Am Raster ausrichten", "Snap to grid", "Aligner sur la grille") \
  X(AusrichtenOben1, AusrichtenObenClick, "Oben ausrichten", "Align top", "Aligner en haut") \
  X(AusrichtenUnten1, AusrichtenUntenClick, "Unten ausrichten", "Align bottom", "Aligner en bas") \
  X(AusrichtenLinks1, AusrichtenLinksClick, "Links ausrichten", "Align left", "Aligner à gauche") \
  X(AusrichtenRechts1, AusrichtenRechtsClick, "Rechts ausrichten", "Align right", "Aligner à droite") \
  X(AusrichtenHMitte1, AusrichtenHMitteClick, "Horizontal zentrieren", "Align horizontal-center", \
    "Centrer horizontalement") \
  X(AusrichtenVMitte1, AusrichtenVMitteClick, "Vertikal zentrieren", "Align vertical-center", \
    "Centrer verticalement") \
  X(Layerwechseln1, Layerwechseln1Click, "Platinenseite wechseln", "Change board side", "Changer de face") \
  X(SetzeAufLayer1, SetzeAufLayer1Click, "K1", "C1", "C1") \
  X(SetzeAufLayer2, SetzeAufLayer2Click, "B1", "S1", "S1") \
  X(SetzeAufLayer3, SetzeAufLayer3Click, "K2", "C2", "C2") \
  X(SetzeAufLayer4, SetzeAufLayer4Click, "B2", "S2", "S2") \
  X(SetzeAufLayer5, SetzeAufLayer5Click, "I1", "I1", "I1") \
  X(SetzeAufLayer6, SetzeAufLayer6Click, "I2", "I2", "I2") \
  X(SetzeAufLayer7, SetzeAufLayer7Click, "U", "O", "O") \
  X(Kopieren1, SB_CopyClick, "K&opieren", "C&opy", "C&opier") \
  X(Kopieren2, SB_CopyClick, "Kopieren", "Copy", "Copier") \
  X(TB_Copy, SB_CopyClick, "Kopieren", "Copy", "Copier") \
  X(Ausschneiden1, SB_CutClick, "&Ausschneiden", "&Cut", "Co&uper") \
  X(Ausschneiden2, SB_CutClick, "Ausschneiden", "Cut", "Couper") \
  X(TB_Cut, SB_CutClick, "Ausschneiden", "Cut", "Couper") \
  X(Einfgen1, SB_InsertClick, "&Einfügen", "&Paste", "Co&ller") \
  X(Einfgen2, SB_InsertClick, "Einfügen", "Paste", "Coller") \
  X(TB_Paste, SB_InsertClick, "Einfügen", "Paste", "Coller") \
  X(Duplizieren1, Duplizieren1Click, "D&uplizieren", "D&uplicate", "D&upliquer") \
  X(Duplizieren2, Duplizieren1Click, "Duplizieren", "Duplicate", "Dupliquer") \
  X(TB_Duplizieren, Duplizieren1Click, "Duplizieren", "Duplicate", "Dupliquer") \
  X(Gruppieren1, SB_GruppierenClick, "&Gruppe bilden", "Build &group", "Créer un &groupe") \
  X(Gruppieren2, SB_GruppierenClick, "Gruppe bilden", "Build group", "Créer un groupe") \
  X(TB_Gruppieren, SB_GruppierenClick, "Gruppe bilden", "Build group", "Créer un groupe") \
  X(Gruppierungaufheben1, SB_GruppeAufloesenClick, "Gruppierung auf&heben", "&Ungroup", \
    "&Dissocier le groupe") \
  X(Gruppierungaufheben2, SB_GruppeAufloesenClick, "Gruppierung aufheben", "Ungroup", \
    "Dissocier le groupe") \
  X(TB_GruppeAufloesen, SB_GruppeAufloesenClick, "Gruppierung aufheben", "Ungroup", \
    "Dissocier le groupe") \
  X(Bauteil1, Bauteil1Click, "Bauteil...", "Component...", "Composant...") \
  X(Kacheln1, Kacheln1Click, "Kacheln / Kreisförmig anordnen...", "Tile / Arrange circular ...", \
    "Tuiles / Arrangement circulaire...") \
  X(Kacheln2, Kacheln1Click, "Kacheln / Kreisförmig anordnen...", "Tile / Arrange circular ...", \
    "Tuiles / Arrangement circulaire...") \
  X(Benennen1, Benennen1Click, "Benennen...", "Name...", "Nommer...") \
  X(MarkiereNamen1, MarkiereNamen1Click, "Markiere: ", "Select: ", "Sélectionnez: ") \
  X(LS_Reset, LS_ResetClick, "Lötstopp zurücksetzen...", "Reset solder mask...", \
    "Réinitialiser le masque de soudure...") \
  X(LscheElementeausserhalb1, LscheElementeausserhalb1Click, "Elemente außerhalb der Platine löschen", \
    "Delete elements outside the board", "Supprimer les éléments hors de la carte") \
  X(Export_TextIO, Export_TextIOClick, "Text-IO: Elemente exportieren...", "Text-IO: Export elements...", \
    "Text-IO : exporter des éléments...") \
  X(Import_TextIO, Import_TextIOClick, "Text-IO: Elemente importieren...", "Text-IO: Import elements...", \
    "Text-IO : importer des éléments...") \
  X(Makrofenster1, TB_MakroClick, "&Makrofenster", "&Macro panel", "Panneau des &macros") \
  X(TB_Makro, TB_MakroClick, "Makros", "Macros", "Macros") \
  X(Makrospeichern1, Makrospeichern1Click, "Als Makro speichern...", "Save as macro...", \
    "Enregistrer comme macro...") \
  X(BauteilAssistent1, BauteilAssistent1Click, "Bauteilassistent...", "Footprint-Wizard...", \
    "Assistant d'empreintes...") \
  X(Luftlinienentfernen1, TB_ClearConnectionsClick, "&Luftlinien entfernen", \
    "&Remove connections (rubberbands)", "&Supprimer les connexions (chevelu)") \
  X(TB_ClearConnections, TB_ClearConnectionsClick, "Luftlinien entfernen", "Remove connections", \
    "Supprimer les connexions") \
  X(SB_AutoMasse, SB_AutoMasseMouseDown, "AutoMasse", "Ground plane", "Plan de masse") \
  X(DRCCheck1, TB_DRCClick, "DRC-Prüfung", "DRC-Check", "Vérification DRC") \
  X(TB_DRC, TB_DRCClick, "DRC", "DRC", "DRC") \
  X(TB_Bauteile, TB_BauteileClick, "Bauteile", "Components", "Composants") \
  X(GerberFormat1, Gerber274Xerzeugen1Click, "&Gerber (RS-274X)...", "&Gerber (RS-274X)...", \
    "&Gerber (RS-274X)...") \
  X(BohrDatenExcellon1, Bohrdaten1Click, "&Bohrdaten (Excellon)...", "&Drill data (Excellon)...", \
    "Données de &perçage (Excellon)...") \
  X(BohrungenAuflisten1, BohrungenAuflisten1Click, "Bohrungen &auflisten...", "&List drills...", \
    "&Lister les perçages...") \
  X(UmrissHPGLplt1, UmrissHPGLplt1Click, "Fräsdateien... (HPGL, *.plt)", "Milling files... (HPGL, *.plt)", \
    "Fichiers de fraisage... (HPGL, *.plt)") \
  X(GerberImportieren1, GerberImportieren1Click, "Gerber-&Import...", "Gerber &import...", \
    "&Import Gerber...") \
  X(Drucken1, SB_PrintClick, "&Drucken...", "&Print...", "&Imprimer...") \
  X(TB_Print, SB_PrintClick, "Drucken", "Print", "Imprimer") \
  X(Druckereinrichten1, Druckereinrichten1Click, "Drucker&einrichtung...", "P&rinter Setup...", \
    "&Configuration de l'imprimante...") \
  X(N1, N1Click, "Bitmap (*.bmp)...", "Bitmap (*.bmp)...", "Bitmap (*.bmp)...") \
  X(GIFExport1, GIFExport1Click, "GIF (*.gif)...", "GIF (*.gif)...", "GIF (*.gif)...") \
  X(JPGjpg1, JPGjpg1Click, "JPG (*.jpg)...", "JPG (*.jpg)...", "JPG (*.jpg)...") \
  X(EMFExport1, EMFExport1Click, "EMF (*.emf)...", "EMF (*.emf)...", "EMF (*.emf)...") \
  X(SVGExport1, SVGExport1Click, "SVG (*.svg)...", "SVG (*.svg)...", "SVG (*.svg)...") \
  X(Vorlage1, Vorlage1Click, "&Scan-Vorlage...", "&Scanned copy...", "&Copie numérisée...") \
  X(TB_Vorlage, Vorlage1Click, "Vorlage", "Template", "Modèle") \
  X(SB_Vorlage, Vorlage1Click, "Vorlage", "Scanned copy", "Copie scannée") \
  X(Grundeinstellungen1, Grundeinstellungen1Click, "Grundeinstellungen...", "General settings...", \
    "Réglages généraux...") \
  X(Arbeitsverzeichnisse1, Arbeitsverzeichnisse1Click, "Arbeitsverzeichnisse...", "Working folders...", \
    "Dossiers de travail...") \
  X(Autospeichern1, Autospeichern1Click, "&Autospeichern...", "&Autosave...", "&Sauvegarde automatique...")
// clang-format on
