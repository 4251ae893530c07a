#pragma once

#include <span>
#include <string_view>

#include "base/text.h"

namespace pravelo {

// One control of the main window that runs a command: a menu item or a tool-bar button.
struct Command {
  const char* name;      // component name; also the Qt objectName
  const char* handler;   // the main window's handler it runs
  Text caption;          // "&" marks the accelerator
  Text hint;             // long hint shown in the help line
  const char* shortcut;  // portable key sequence, "" for none
};

}  // namespace pravelo

// Every command control of the main window. Controls sharing a handler run the same command.
// X(name, handler, caption de, en, fr, hint de, en, fr, shortcut)
// clang-format off
#define PRAVELO_COMMANDS(X) \
  X(Neu1, SB_NeuClick, "&Neu...", "&New...", "&Nouveau...", \
    "Neues Layout anlegen", "Start a new layout", "Créer un nouveau layout", "Ctrl+N") \
  X(TB_Neu, SB_NeuClick, "Neu", "New", "Nouveau", \
    "Neues Layout anlegen", "Start a new layout", "Créer un nouveau layout", "") \
  X(ffnen1, SB_LoadClick, "Ö&ffnen...", "&Open...", "&Ouvrir...", \
    "Layout-Datei öffnen", "Open a layout file", "Ouvrir un fichier layout", "Ctrl+O") \
  X(TB_Open, SB_LoadClick, "Öffnen", "Open", "Ouvrir", \
    "Layout-Datei öffnen", "Open a layout file", "Ouvrir un fichier layout", "") \
  X(Speichern1, SB_SaveClick, "&Speichern", "&Save", "&Enregistrer", \
    "Layout speichern", "Save the layout", "Enregistrer le layout", "Ctrl+S") \
  X(TB_Save, SB_SaveClick, "Speichern", "Save", "Enregistrer", \
    "Layout speichern", "Save the layout", "Enregistrer le layout", "") \
  X(Speichernals1, Speichernals1Click, "Speichern &unter...", "Save &as...", "Enregistrer &sous...", \
    "Layout unter einem neuen Namen speichern", "Save the layout under a new name", \
    "Enregistrer le layout sous un nouveau nom", "") \
  X(Projektinfo1, Projektinfo1Click, "Projekt-&Info...", "Project &info...", "&Informations du projet...", \
    "Titel, Autor, Firma und Kommentar des Projekts", "Title, author, company and comment of the project", \
    "Titre, auteur, société et commentaire du projet", "") \
  X(Beenden1, Beenden1Click, "&Beenden", "E&xit", "&Quitter", \
    "Programm beenden", "Exit the program", "Quitter le programme", "") \
  X(NeuePlatine1, NeuePlatine1Click, "&Neue Platine hinzufügen...", "&Add new board...", "&Ajouter une nouvelle carte...", \
    "Dem Projekt eine neue Platine hinzufügen", "Add a new board to the project", \
    "Ajouter une nouvelle carte au projet", "") \
  X(NeuePlatine2, NeuePlatine1Click, "Neue Platine hinzufügen...", "Add new board...", "Ajouter une nouvelle carte...", \
    "Dem Projekt eine neue Platine hinzufügen", "Add a new board to the project", \
    "Ajouter une nouvelle carte au projet", "") \
  X(Platinennachladen1, Platinennachladen1Click, "Platinen aus Datei &importieren...", \
    "&Import boards from file...", "&Importer des cartes d'un fichier...", \
    "Die Platinen einer Layout-Datei hinter den vorhandenen anfügen", \
    "Append the boards of a layout file behind the existing ones", \
    "Ajouter les cartes d'un fichier layout après les cartes existantes", "") \
  X(Platinengrsse1, Platinengrsse1Click, "&Eigenschaften", "&Properties", "&Propriétés", \
    "Größe, Name und Mehrlagen-Schalter der Platine", "Size, name and multilayer switch of the board", \
    "Taille, nom et multicouche de la carte", "") \
  X(Platineeinrichten1, Platinengrsse1Click, "Platineneigenschaften", "Board properties", "Propriétés de la carte", \
    "Größe, Name und Mehrlagen-Schalter der Platine", "Size, name and multilayer switch of the board", \
    "Taille, nom et multicouche de la carte", "") \
  X(Platinelschen1, Platinelschen1Click, "Platine &löschen...", "&Delete board...", "&Supprimer la carte...", \
    "Die aktive Platine aus dem Projekt löschen", "Delete the active board from the project", \
    "Supprimer la carte active du projet", "") \
  X(Platinelschen2, Platinelschen1Click, "Platine löschen", "Delete board", "Supprimer la carte", \
    "Die aktive Platine aus dem Projekt löschen", "Delete the active board from the project", \
    "Supprimer la carte active du projet", "") \
  X(Platinekopieren1, Platinekopieren1Click, "Platine &kopieren", "&Copy board", "&Copier la carte", \
    "Eine Kopie der aktiven Platine anfügen", "Append a copy of the active board", \
    "Ajouter une copie de la carte active", "") \
  X(Platinekopieren2, Platinekopieren1Click, "Platine kopieren", "Copy board", "Copier la carte", \
    "Eine Kopie der aktiven Platine anfügen", "Append a copy of the active board", \
    "Ajouter une copie de la carte active", "") \
  X(Platinenachrechts1, Platinenachrechts1Click, "Platine ganz nach &rechts setzen", "Set board to &right", \
    "Placer la carte à l'extrême d&roite", \
    "Die aktive Platine an die letzte Stelle setzen", "Put the active board at the last place", \
    "Placer la carte active à la dernière place", "") \
  X(Platineeinsnachrechts1, Platineeinsnachrechts1Click, "Platine nach r&echts verschieben", "Move board to &right", \
    "Déplacer la carte vers la dr&oite", \
    "Die aktive Platine eine Stelle nach rechts verschieben", "Move the active board one place to the right", \
    "Déplacer la carte active d'une place vers la droite", "") \
  X(Platinenachlinks1, Platinenachlinks1Click, "Platine ganz nach &links setzen", "Set board to &left", \
    "Placer la carte à l'extrême &gauche", \
    "Die aktive Platine an die erste Stelle setzen", "Put the active board at the first place", \
    "Placer la carte active à la première place", "") \
  X(Platineeinsnachlinks1, Platineeinsnachlinks1Click, "Platine nach li&nks verschieben", "Move board to &left", \
    "Déplacer la carte vers la ga&uche", \
    "Die aktive Platine eine Stelle nach links verschieben", "Move the active board one place to the left", \
    "Déplacer la carte active d'une place vers la gauche", "") \
  X(Vergroessern1, Vergroessern1Click, "Ver&größern", "Zoom &in", "Zoom &avant", \
    "Die Ansicht um den Faktor 1,3 vergrößern", "Zoom in by a factor of 1.3", \
    "Agrandir la vue d'un facteur 1,3", "+") \
  X(Verkleinern1, Verkleinern1Click, "Ver&kleinern", "Zoom o&ut", "Zoom a&rrière", \
    "Die Ansicht um den Faktor 1,3 verkleinern", "Zoom out by a factor of 1.3", \
    "Réduire la vue d'un facteur 1,3", "-") \
  X(Zoomalles1, Zoomalles1Click, "Zoom &Platine", "Zoom &board", "Zoom sur la &carte", \
    "Die ganze Platine zeigen", "Show the whole board", "Afficher toute la carte", "") \
  X(ZoomalleObjekte1, ZoomalleObjekte1Click, "Zoom alle &Objekte", "Zoom &objects", "Zoom sur les &objets", \
    "Alle Objekte der Platine zeigen", "Show all objects of the board", \
    "Afficher tous les objets de la carte", "") \
  X(ZoomaufMarkierung1, ZoomaufMarkierung1Click, "Zoom auf &Markierung", "Zoom &selection", \
    "Zoom sur la &sélection", \
    "Die markierten Objekte zeigen", "Show the selected objects", "Afficher les objets sélectionnés", "") \
  X(Zoomvorher2, Zoomvorher2Click, "&Vorheriger Zoom", "Zoom &previous", "Zoom &précédent", \
    "Zoom und Bildausschnitt von vorher wiederherstellen", "Restore the previous zoom and view", \
    "Rétablir le zoom et la vue précédents", "") \
  X(TB_Transparent, TB_TransparentClick, "Transparent", "Transparent", "Transparent", \
    "Lagen transparent darstellen", "Show the layers transparent", \
    "Afficher les couches en transparence", "") \
  X(SB_Einheit, SB_EinheitClick, "mm", "mm", "mm", \
    "Maßeinheit umschalten (mm / mil)", "Switch the unit (mm / mil)", \
    "Changer d'unité (mm / mil)", "") \
  X(R_Hinzufuegen, R_HinzufuegenClick, "Neuen Rasterwert hinzufügen...", "Add new grid value...", \
    "Ajouter une valeur de grille...", \
    "Einen eigenen Rasterwert festlegen", "Define a grid value of your own", \
    "Définir une valeur de grille personnelle", "") \
  X(R_Hotkeys, R_HotkeysClick, "Hotkeys...", "Hotkeys...", "Raccourcis...", \
    "Rasterwerte für die Tasten 1 bis 9 festlegen", "Choose the grid values of the keys 1 to 9", \
    "Choisir les valeurs de grille des touches 1 à 9", "") \
  X(R_Linien, R_LinienClick, "Linien", "Lines", "Lignes", \
    "Raster als Linien zeigen", "Show the grid as lines", "Afficher la grille en lignes", "") \
  X(R_Punkte, R_PunkteClick, "Punkte", "Dots", "Points", \
    "Raster als Punkte zeigen", "Show the grid as dots", "Afficher la grille en points", "") \
  X(R_Sichtbar, R_SichtbarClick, "Raster anzeigen", "Show grid", "Afficher la grille", \
    "Raster ein- oder ausblenden", "Show or hide the grid", "Afficher ou masquer la grille", "") \
  X(Nullpunktsetzen1, Nullpunktsetzen1Click, "Auf Klickposition setzen", "Set to click-position", \
    "Placer à la position du clic", \
    "Den Nullpunkt an die angeklickte Stelle setzen (im Raster, außer mit Strg)", \
    "Put the user origin where you clicked (on the grid unless Ctrl is held)", \
    "Placer l'origine à l'endroit cliqué (sur la grille, sauf avec Ctrl)", "") \
  X(RcksetzenObenLinks1, RcksetzenObenLinks1Click, "Auf oben/links setzen", "Set to top/left", \
    "Placer en haut à gauche", \
    "Den Nullpunkt in die obere linke Ecke der Platine setzen", \
    "Put the user origin at the top left corner of the board", \
    "Placer l'origine au coin supérieur gauche de la carte", "") \
  X(SetzenachUntenLinks1, SetzenachUntenLinks1Click, "Auf unten/links setzen", "Set to bottom/left", \
    "Placer en bas à gauche", \
    "Den Nullpunkt in die untere linke Ecke der Platine setzen", \
    "Put the user origin at the bottom left corner of the board", \
    "Placer l'origine au coin inférieur gauche de la carte", "") \
  X(Undo, TB_UndoClick, "&Rückgängig", "&Undo", "&Annuler", \
    "Die letzte Änderung rückgängig machen", "Undo the last change", \
    "Annuler la dernière modification", "Ctrl+Z") \
  X(TB_Undo, TB_UndoClick, "Rückgängig", "Undo", "Annuler", \
    "Die letzte Änderung rückgängig machen", "Undo the last change", \
    "Annuler la dernière modification", "") \
  X(Redo, TB_RedoClick, "&Wiederherstellen", "&Redo", "&Rétablir", \
    "Die zuletzt rückgängig gemachte Änderung wiederherstellen", "Redo the change undone last", \
    "Rétablir la dernière modification annulée", "Ctrl+Y") \
  X(TB_Redo, TB_RedoClick, "Wiederherstellen", "Redo", "Rétablir", \
    "Die zuletzt rückgängig gemachte Änderung wiederherstellen", "Redo the change undone last", \
    "Rétablir la dernière modification annulée", "") \
  X(TB_Selector, TB_SelectorClick, "Selektor", "Selector", "Sélecteur", \
    "Elemente nach Typ und Größe auflisten und markieren", "List and select elements by type and size", \
    "Lister et sélectionner les éléments par type et taille", "") \
  X(Sprache1, Sprache1Click, "&Sprache...", "&Language...", "&Langue...", \
    "Sprache des Programms wählen (gilt ab dem nächsten Start)", \
    "Choose the language of the program (takes effect at the next start)", \
    "Choisir la langue du programme (prend effet au prochain démarrage)", "") \
  X(Hilfethemen1, Hilfethemen1Click, "&Hilfethemen...", "&Help topics...", "&Rubriques d'aide...", \
    "Inhaltsverzeichnis der Hilfe öffnen", "Open the table of contents of the help", \
    "Ouvrir la table des matières de l'aide", "F1")
// clang-format on

namespace pravelo {

// The catalogue in the order above.
std::span<const Command> commandCatalogue();
// The control named `name`; throws std::out_of_range for a name the catalogue lacks.
const Command& command(std::string_view name);

}  // namespace pravelo
