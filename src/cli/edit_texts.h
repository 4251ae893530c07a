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
  X(scriptNotANumber, "keine Zahl: %1", "not a number: %1", "pas un nombre : %1") \
  X(scriptNotAWholeNumber, "keine ganze Zahl: %1", "not a whole number: %1", "pas un nombre entier : %1") \
  X(scriptUnknownWord, "unbekanntes Wort: %1", "unknown word: %1", "mot inconnu : %1") \
  X(scriptTooFewWords, "zu wenige Wörter für %1", "too few words for %1", "trop peu de mots pour %1") \
  X(scriptZoomPositive, "der Zoom muss positiv sein", "zoom must be positive", "le zoom doit être positif") \
  X(scriptUnknownTool, "unbekanntes Werkzeug: %1", "unknown tool: %1", "outil inconnu : %1") \
  X(scriptUnknownAnswer, "unbekannte Antwort: %1", "unknown answer: %1", "réponse inconnue : %1") \
  X(scriptUnknownCommand, "unbekannter Befehl: %1", "unknown command: %1", "commande inconnue : %1") \
  X(scriptUnknownKey, "unbekannte Taste: %1", "unknown key: %1", "touche inconnue : %1") \
  X(scriptPadShape, "die Lötaugenform ist 1 bis 9", "pad shape is 1 to 9", "la forme de pastille va de 1 à 9") \
  X(scriptUnknownSizeField, "unbekanntes Größenfeld: %1", "unknown size field: %1", "champ de dimension inconnu : %1") \
  X(scriptNoSuchBoard, "diese Platine gibt es nicht: %1", "there is no such board: %1", "cette carte n'existe pas : %1") \
  X(scriptNoSuchListRow, "diese Zeile hat die Bauteilliste nicht: %1", "the component list has no such row: %1", "la liste des composants n'a pas cette ligne : %1") \
  X(scriptUnknownProperty, "unbekanntes Eigenschaftsfeld: %1", "unknown property field: %1", "champ de propriété inconnu : %1") \
  X(scriptUnknownControl, "kein Menüpunkt und keine Schaltfläche: %1", "no menu item or button: %1", "ni élément de menu ni bouton : %1") \
  X(scriptCommandNotBuilt, "dieser Befehl ist noch nicht gebaut: %1", "this command is not built yet: %1", "cette commande n'est pas encore réalisée : %1") \
  X(scriptCommandNotAvailable, "in Skripten nicht verfügbarer Befehl: %1", "command not available in scripts: %1", "commande non disponible dans les scripts : %1") \
  X(answerNotANumber, "%1 ist keine Zahl: %2", "%1 is not a number: %2", "%1 n'est pas un nombre : %2") \
  X(answerWholeNumberRange, "%1 ist eine ganze Zahl von %2 bis %3: %4", "%1 is a whole number from %2 to %3: %4", "%1 est un nombre entier de %2 à %3 : %4") \
  X(answerOneOfThree, "%1 ist %2, %3 oder %4: %5", "%1 is %2, %3 or %4: %5", "%1 vaut %2, %3 ou %4 : %5") \
  X(answerFlag, "%1 ist 1 oder 0: %2", "%1 is 1 or 0: %2", "%1 vaut 1 ou 0 : %2") \
  X(answerHeightRange, "die Höhe ist 0,1 bis 50 mm: %1", "height is 0.1 to 50 mm: %1", "la hauteur va de 0,1 à 50 mm : %1") \
  X(answerMirror, "mirror ist none, h, v oder hv: %1", "mirror is none, h, v or hv: %1", "mirror vaut none, h, v ou hv : %1") \
  X(answerUnknownField, "unbekanntes Feld des Textdialogs: %1", "unknown text dialog field: %1", "champ inconnu du dialogue de texte : %1") \
  X(answerNumberRange, "%1 liegt zwischen %2 und %3: %4", "%1 lies between %2 and %3: %4", "%1 est compris entre %2 et %3 : %4") \
  X(answerUnknownTileField, "unbekanntes Feld des Kacheldialogs: %1", "unknown tile dialog field: %1", "champ inconnu du dialogue de tuiles : %1") \
  X(answerTileMode, "mode ist tile oder circular: %1", "mode is tile or circular: %1", "mode vaut tile ou circular : %1") \
  X(answerNotNameValue, "nicht Name=Wert: %1", "not name=value: %1", "pas nom=valeur : %1") \
  X(answerNoClosingQuote, "kein schließendes Anführungszeichen für %1", "no closing quote for %1", "pas de guillemet fermant pour %1") \
  X(answerUnknownComponentField, "unbekanntes Feld des Bauteildialogs: %1", "unknown component dialog field: %1", "champ inconnu du dialogue de composant : %1") \
  X(scriptTemplateSide, "die Seite ist 1 oder 2: %1", "side is 1 or 2: %1", "la face vaut 1 ou 2 : %1") \
  X(scriptTemplateTint, "die Farbe ist RRGGBB in Hexadezimalziffern: %1", "colour is RRGGBB in hexadecimal digits: %1", "la couleur s'écrit RRGGBB en chiffres hexadécimaux : %1") \
  X(answerLabelLayer, "%1 ist C1, S1, C2, S2 oder O: %2", "%1 is C1, S1, C2, S2 or O: %2", "%1 vaut C1, S1, C2, S2 ou O : %2") \
// clang-format on

namespace pravelo::texts {
PRAVELO_EDIT_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
