#pragma once

#include "base/text.h"

// User texts of the macro library.
// clang-format off
#define PRAVELO_MACRO_TEXTS(X) \
  X(macroNotLoaded, "Das Makro kann nicht geladen werden.", "The macro can not be loaded.", "La macro ne peut pas être chargée.") \
  X(fieldMacroLine, "Makrobeschreibung", "macro description", "description de la macro") \
  X(macroNameExists, "Name %1 existiert bereits.", "Name %1 already exists.", "Le nom %1 existe déjà.") \
  X(macroCannotRename, "Datei kann nicht umbenannt werden.", "Cannot rename file.", "Impossible de renommer le fichier.") \
  X(macroBadName, "Der Name %1 darf weder einen Ordner noch \"..\" enthalten.", "The name %1 must contain neither a folder nor \"..\".", "Le nom %1 ne doit contenir ni dossier ni « .. ».") \
  X(macroDeleteAsk, "Möchten Sie die Datei %1 wirklich löschen?", "Delete file %1 ?", "Voulez-vous vraiment supprimer le fichier %1 ?") \
  X(macroSaveWholeAsk, "Keine Objekte markiert.\nGanzes Layout als Makro speichern?", "No objects selected.\nSave whole layout as macro?", "Aucun objet sélectionné.\nEnregistrer tout le layout comme macro ?") \
  X(macroCannotSave, "Das Makro kann nicht gespeichert werden.", "The macro can not be saved.", "La macro ne peut pas être enregistrée.") \
  X(macroNoElements, "Es sind keine Elemente auf der Platine.", "There are no elements on the board.", "Il n'y a aucun élément sur la carte.") \
  X(macroSeveralComponents, "Das Makro besteht aus mehr als 1 Bauteil.\nEine getrennte Bearbeitung der Bauteile ist nicht möglich.", "The macro consists of more than 1 component.\nA separate editing of the components is not possible.", "La macro se compose de plus d'un composant.\nLes composants ne peuvent pas être modifiés séparément.")
// clang-format on

namespace pravelo::texts {
PRAVELO_MACRO_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
