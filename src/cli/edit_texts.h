#pragma once

#include "base/text.h"

// User texts of `pravelo-cli edit`.
// clang-format off
#define PRAVELO_EDIT_TEXTS(X) \
  X(cliEditHelp, "Bearbeitet eine Layout-Datei mit einem Skript aus Maus- und Tastenbefehlen", "Edit a layout file with a script of mouse and key commands", "Modifie un fichier layout avec un script de commandes souris et clavier") \
  X(cliScriptHelp, "Skript: ein Befehl je Zeile, # beginnt einen Kommentar", "Script: one command per line, # starts a comment", "Script : une commande par ligne, # commence un commentaire") \
  X(cliEditBoardHelp, "Nummer der zu bearbeitenden Platine (ab 0); sonst die aktive", "Number of the board to edit (from 0); otherwise the active one", "Numéro de la carte à modifier (à partir de 0) ; sinon la carte active") \
  X(cliSettingsHelp, "Einstellungsdatei; sonst die Vorgaben einer neuen Installation", "Settings file; otherwise the defaults of a fresh install", "Fichier de paramètres ; sinon ceux d'une nouvelle installation") \
  X(cliTraceHelp, "Gibt nach jeder Zeile den Zustand als JSON aus", "Print the state as JSON after each line", "Affiche l'état en JSON après chaque ligne") \
  X(cliEditNoSuchBoard, "Diese Platine gibt es nicht: ", "There is no such board: ", "Cette carte n'existe pas : ") \
  X(cliScriptUnreadable, "Das Skript kann nicht gelesen werden.", "The script cannot be read.", "Le script ne peut pas être lu.") \
// clang-format on

namespace pravelo::texts {
PRAVELO_EDIT_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
