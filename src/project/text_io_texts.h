#pragma once

#include "base/text.h"

// User texts of the Text-IO export and import.
// clang-format off
#define PRAVELO_TEXT_IO_TEXTS(X) \
  X(textIoFilter, "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*", "Textfiles (*.txt)|*.txt|All files (*.*)|*.*", "Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*") \
  X(textIoNoValidData, "Keine gültigen Daten gefunden.", "No valid data found.", "Pas de données valides trouvé.") \
  X(textIoUnwritableText, "Der Text %1 enthält ein „|“ oder einen Zeilenumbruch und kann nicht als Text-IO geschrieben werden.", "The text %1 contains a \"|\" or a line break and cannot be written as Text-IO.", "Le texte %1 contient un « | » ou un saut de ligne et ne peut pas être écrit en Text-IO.") \
  X(textIoError, "Text-IO-Datei, Zeile %1, Datensatz %2: %3.", "Text-IO file, line %1, record %2: %3.", "Fichier Text-IO, ligne %1, enregistrement %2 : %3.") \
  X(textIoNotInteger, "der Wert von %1 ist keine ganze Zahl", "the value of %1 is not an integer", "la valeur de %1 n'est pas un nombre entier") \
  X(textIoTooLarge, "der Wert von %1 passt nicht in 32 Bit", "the value of %1 does not fit in 32 bits", "la valeur de %1 ne tient pas sur 32 bits") \
  X(textIoOutOfRange, "der Wert von %1 liegt außerhalb des erlaubten Bereichs", "the value of %1 is out of range", "la valeur de %1 est hors de la plage permise") \
  X(textIoMissing, "%1 fehlt", "%1 is missing", "%1 manque") \
  X(textIoNoSlash, "dem Punkt %1 fehlt das „/“", "the point %1 has no \"/\"", "il manque le « / » au point %1") \
  X(textIoTooFewVertices, "%1 hat zu wenige Eckpunkte", "%1 has too few vertices", "%1 a trop peu de sommets") \
  X(textIoUnclosedText, "dem Text fehlt das schließende „|“", "the text has no closing \"|\"", "il manque le « | » fermant au texte") \
  X(textIoNoSemicolon, "der Datensatz endet nicht mit „;“", "the record does not end with \";\"", "l'enregistrement ne se termine pas par « ; »")
// clang-format on

namespace pravelo::texts {
PRAVELO_TEXT_IO_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
