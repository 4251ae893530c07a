#pragma once

#include "base/text.h"

// User texts of the Gerber and Excellon import.
// clang-format off
#define PRAVELO_GERBER_IMPORT_TEXTS(X) \
  X(importCaption, "Gerber-Import", "Gerber-Import", "Gerber-Import") \
  X(importBoardName, "XGerber", "XGerber", "XGerber") \
  X(importLineReport, "%1, Zeile %2: %3", "%1, line %2: %3", "%1, ligne %2 : %3") \
  X(importFileReport, "%1: %2", "%1: %2", "%1 : %2") \
  X(importFileTooLarge, "Die Datei ist zu groß für den Import.", "The file is too large to import.", "Le fichier est trop volumineux pour l'importation.") \
  X(importUnreadable, "Die Datei kann nicht gelesen werden.", "The file cannot be read.", "Le fichier ne peut pas être lu.") \
  X(importNumberExpected, "Hier wird eine Zahl erwartet.", "A number is expected here.", "Un nombre est attendu ici.") \
  X(importNumberTooLarge, "Die Zahl passt nicht in 32 Bit.", "The number does not fit in 32 bits.", "Le nombre ne tient pas sur 32 bits.") \
  X(importCoordinateTooFar, "Die Koordinate liegt zu weit außen.", "The coordinate lies too far out.", "La coordonnée est trop éloignée.") \
  X(importBadFormat, "Die Formatangabe %FS ist ungültig.", "The format statement %FS is not valid.", "L'instruction de format %FS n'est pas valide.") \
  X(importIncremental, "Inkrementelle Koordinaten werden nicht unterstützt.", "Incremental coordinates are not supported.", "Les coordonnées incrémentales ne sont pas prises en charge.") \
  X(importBadExpression, "Der Makro-Ausdruck ist ungültig.", "The macro expression is not valid.", "L'expression de la macro n'est pas valide.") \
  X(importTooMuchWork, "Die Datei verlangt zu viel Rechenarbeit.", "The file needs too much work to read.", "La lecture du fichier demande trop de calculs.") \
  X(importFileMissing, "Diese Datei existiert nicht.", "This file does not exist.", "Ce fichier n'existe pas.") \
  X(importNotGerber, "Diese Datei scheint keine gültige XGerber-Datei zu sein.", "This file seems not to be a valid XGerber-file.", "Ce fichier ne semble pas être un fichier XGerber valide.") \
  X(importNotExcellon, "Diese Datei scheint keine gültige Excellon-Datei zu sein.", "This file seems not to be a valid Excellon-file.", "Ce fichier ne semble pas être un fichier Excellon valide.") \
  X(importContinueAnyway, "Trotzdem fortfahren?", "Do you want to continue anyway?", "Voulez-vous continuer quand même ?") \
  X(importDeleteAll, "Alle Elemente auf der aktuellen Platine werden gelöscht.", "All elements on the current board will be deleted.", "Tous les éléments de la carte actuelle seront supprimés.") \
  X(importContinue, "Möchten Sie fortfahren?", "Do you want to continue?", "Voulez-vous continuer ?") \
  X(importNoSuppression, "Kann Suppression nicht erkennen", "Cannot detect zero suppression", "Impossible de détecter la suppression des zéros") \
  X(importOptimizing, "Verbundene Leiterbahnen optimieren...", "Optimize connected tracks...", "Optimiser les pistes connectées...") \
  X(importCancelWithEsc, "Abbrechen mit <ESC>", "Cancel with <ESC>", "Annuler avec <ÉCHAP>")
// clang-format on

namespace pravelo::texts {
PRAVELO_GERBER_IMPORT_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
