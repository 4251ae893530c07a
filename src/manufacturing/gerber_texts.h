#pragma once

#include "base/text.h"

// User texts of the Gerber export.
// clang-format off
#define PRAVELO_GERBER_TEXTS(X) \
  X(gerberFolderMissing, "Das Verzeichnis:\n%1\nexistiert nicht.\n\nBitte wählen Sie einen neuen Ausgabeordner.", "The directory:\n%1\ndoes not exist.\n\nPlease select a new output folder.", "Le dossier :\n%1\nn'existe pas.\n\nVeuillez choisir un nouveau dossier de sortie.") \
  X(gerberOverwrite, "Die Datei\n%1\nexistiert bereits.\n\nÜberschreiben?", "The file\n%1\nalready exists.\n\nOverwrite?", "Le fichier\n%1\nexiste déjà.\n\nÉcraser ?") \
  X(gerberOutOfRange, "Die Platine passt nicht in das Gerber-Zahlenformat 3.4: die Koordinate %1 mm in %2 liegt nicht innerhalb von ±999,9999 mm. Es wurde keine Datei geschrieben.", "The board does not fit the Gerber number format 3.4: the coordinate %1 mm in %2 is not within ±999.9999 mm. No file has been written.", "La carte ne tient pas dans le format numérique Gerber 3.4 : la coordonnée %1 mm dans %2 n'est pas comprise entre ±999,9999 mm. Aucun fichier n'a été écrit.") \
  X(gerberNotWritten, "Die Datei %1 konnte nicht geschrieben werden: %2.", "The file %1 could not be written: %2.", "Le fichier %1 n'a pas pu être écrit : %2.") \
  X(gerberFilesCreated, "%1 Dateien erstellt.", "%1 files created.", "%1 fichiers créés.") \
  X(gerberLogStart, "Erstellte Dateien:", "Created files:", "Fichiers créés :") \
  X(gerberExplanation, "Das Layout wird im Extended-Gerber-Format RS-274X exportiert.", "Pravelo Board exports Extended-Gerber-Format RS-274X.", "Pravelo Board exporte au format Gerber étendu RS-274X.") \
  X(gerberResetNames, "Alle Dateinamen auf die Standardwerte zurücksetzen?", "Reset all filenames to default values ?", "Remettre tous les noms de fichiers aux valeurs par défaut ?") \
  X(gerberChooseFolder, "Bitte wählen Sie einen Ordner.", "Please select a folder.", "Veuillez choisir un dossier.")
// clang-format on

namespace pravelo::texts {
PRAVELO_GERBER_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
