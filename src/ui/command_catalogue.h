#pragma once

#include <span>
#include <string_view>

#include "app/text.h"

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
