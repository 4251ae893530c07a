#pragma once

#include "base/text.h"

// User texts of the command-line tool.
// clang-format off
#define PRAVELO_CLI_TEXTS(X) \
  X(cliDescription, "Kommandozeilenwerkzeug von Pravelo-Board", "Pravelo-Board command-line tool", "Outil en ligne de commande de Pravelo-Board") \
  X(cliInfoHelp, "Gibt eine Übersicht einer Layout-Datei aus", "Print a summary of a layout file", "Affiche un résumé d'un fichier layout") \
  X(cliJsonHelp, "Gibt das geladene Dokument als JSON aus", "Print the loaded document as JSON", "Affiche le document chargé au format JSON") \
  X(cliResaveHelp, "Lädt eine Layout-Datei (mit Reparaturen) und schreibt sie im Format Version 6", "Load a layout file (with repairs) and write it in format version 6", "Charge un fichier layout (avec réparations) et l'écrit au format version 6") \
  X(cliLangHelp, "Sprache der Meldungen: de, en oder fr", "Language of the messages: de, en or fr", "Langue des messages : de, en ou fr") \
  X(cliFileHelp, "Layout-Datei", "Layout file", "Fichier layout") \
  X(cliInputHelp, "Zu lesende Layout-Datei", "Layout file to read", "Fichier layout à lire") \
  X(cliOutputHelp, "Zu schreibende Layout-Datei", "Layout file to write", "Fichier layout à écrire") \
  X(cliHelpHelp, "Gibt diese Hilfe aus und beendet das Programm", "Print this help message and exit", "Affiche cette aide et quitte") \
  X(cliUsage, "Aufruf", "Usage", "Utilisation") \
  X(cliOptionsWord, "OPTIONEN", "OPTIONS", "OPTIONS") \
  X(cliSubcommandWord, "UNTERBEFEHL", "SUBCOMMAND", "SOUS-COMMANDE") \
  X(cliRequired, "ERFORDERLICH", "REQUIRED", "OBLIGATOIRE") \
  X(cliPositionals, "Argumente", "Positionals", "Arguments") \
  X(cliTextType, "TEXT", "TEXT", "TEXTE") \
  X(cliOptionsGroup, "Optionen", "Options", "Options") \
  X(cliSubcommandsGroup, "Unterbefehle", "Subcommands", "Sous-commandes") \
  X(cliWrongUsage, "Falscher Aufruf: ", "Wrong usage: ", "Utilisation incorrecte : ") \
  X(cliUnknownLanguage, "unbekannte Sprache ", "unknown language ", "langue inconnue ") \
  X(cliSeeHelp, "pravelo-cli --help zeigt, wie das Werkzeug aufgerufen wird.", "Run pravelo-cli --help to see how to use it.", "pravelo-cli --help indique comment l'utiliser.") \
  X(cliFile, "Datei: ", "File: ", "Fichier : ") \
  X(cliTitle, "Titel: ", "Title: ", "Titre : ") \
  X(cliAuthor, "Autor: ", "Author: ", "Auteur : ") \
  X(cliCompany, "Firma: ", "Company: ", "Société : ") \
  X(cliBoards, "Platinen: ", "Boards: ", "Cartes : ") \
  X(cliActive, "aktiv: ", "active: ", "active : ") \
  X(cliBoard, "Platine ", "Board ", "Carte ") \
  X(cliObject, " Objekt", " object", " objet") \
  X(cliObjects, " Objekte", " objects", " objets") \
  X(cliMultilayer, ", Multilayer", ", multilayer", ", multicouche") \
  X(cliTotal, "Summe", "total", "total") \
  X(cliKindLegacyLine, "Alte Linie", "Old line", "Ancienne ligne") \
  X(cliKindPad, "Pad", "Pad", "Pastille") \
  X(cliKindLegacyText, "Alter Text", "Old text", "Ancien texte") \
  X(cliKindZone, "Fläche", "Zone", "Zone") \
  X(cliKindCircle, "Kreis", "Circle", "Cercle") \
  X(cliKindTrack, "Leiterbahn", "Track", "Piste") \
  X(cliKindText, "Text", "Text", "Texte") \
  X(cliKindSmdPad, "SMD-Pad", "SMD pad", "Pastille CMS") \
  X(cliLayerC1, "K1", "C1", "C1") \
  X(cliLayerS1, "B1", "S1", "S1") \
  X(cliLayerC2, "K2", "C2", "C2") \
  X(cliLayerS2, "B2", "S2", "S2") \
  X(cliLayerI1, "I1", "I1", "I1") \
  X(cliLayerI2, "I2", "I2", "I2") \
  X(cliLayerO, "U", "O", "O")
// clang-format on

namespace pravelo::texts {
PRAVELO_CLI_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
