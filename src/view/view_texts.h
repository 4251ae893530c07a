#pragma once

#include "base/text.h"

// User texts of the view: the grid dialog's messages and the result of removing connections.
// clang-format off
#define PRAVELO_VIEW_TEXTS(X) \
  X(gridAtLeast, "Das Raster muss mindestens %1 betragen.", "The grid must be at least %1.", "La grille doit être d'au moins %1.") \
  X(gridAtMost, "Das Raster darf höchstens %1 betragen.", "The grid must not exceed %1.", "La grille ne doit pas dépasser %1.") \
  X(gridTooManyDigits, "Der Rasterwert darf höchstens 6 Ziffern haben.", "The grid value may have at most 6 digits.", "La valeur de la grille ne peut pas avoir plus de 6 chiffres.") \
  X(gridNotANumber, "Bitte geben Sie eine Zahl ein.", "Please enter a number.", "Veuillez saisir un nombre.") \
  X(connectionsRemoved, "Es konnten %1 Luftlinien entfernt werden.\rEs verbleiben noch %2 Luftlinien", "%1 connections (rubberbands) removed.\r%2 connections (rubberbands) remaining.", "%1 connexions (élastiques) supprimées.\r%2 connexions (élastiques) restantes.")
// clang-format on

namespace pravelo::texts {
PRAVELO_VIEW_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
