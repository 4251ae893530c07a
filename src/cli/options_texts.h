#pragma once

#include "base/text.h"

// User texts of the `options` command of the command-line tool.
// clang-format off
#define PRAVELO_OPTIONS_COMMAND_TEXTS(X) \
  X(cliOptionsHelp, "Ändert Grundeinstellungen in der Einstellungsdatei, wie der Dialog „Grundeinstellungen“", "Change general settings in the settings file, as the general settings dialog does", "Modifie des réglages généraux dans le fichier de réglages, comme le dialogue des réglages généraux") \
  X(cliOptionsFolderHelp, "Einstellungsordner (Vorgabe: der des Benutzers)", "Settings folder (default: the user's)", "Dossier des réglages (par défaut : celui de l'utilisateur)") \
  X(cliOptionsValuesHelp, "Einstellungen NAME=WERT, siehe README", "Settings NAME=VALUE, see the README", "Réglages NOM=VALEUR, voir le README") \
  X(cliOptionsUnknown, "unbekannte Einstellung: %1", "unknown setting: %1", "réglage inconnu : %1") \
  X(cliOptionsBadValue, "%1 ist eines von %2: %3", "%1 is one of %2: %3", "%1 est l'un de %2 : %3") \
  X(cliOptionsNeedsEquals, "Einstellungen haben die Form NAME=WERT: %1", "settings take the form NAME=VALUE: %1", "les réglages ont la forme NOM=VALEUR : %1") \
  X(cliOptionsStandardFixed, "Das Farbschema Standard kann nicht geändert werden; zuerst scheme=1, 2 oder 3 wählen.", "The Standard color scheme cannot be changed; choose scheme=1, 2 or 3 first.", "Le jeu de couleurs Standard ne peut pas être modifié ; choisir d'abord scheme=1, 2 ou 3.") \
  X(cliOptionsNotWritten, "Die Einstellungsdatei konnte nicht geschrieben werden: %1", "The settings file could not be written: %1", "Le fichier de réglages n'a pas pu être écrit : %1")
// clang-format on

namespace pravelo::texts {
PRAVELO_OPTIONS_COMMAND_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
