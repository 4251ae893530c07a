#pragma once

#include "base/text.h"

// User texts of the tile and circular arrangement that the core reports.
// clang-format off
#define PRAVELO_TILE_TEXTS(X) \
  X(tileTooManyComponents, "Für so viele Kopien reichen die Bauteilnummern nicht aus (höchstens 32767). Es wurde nichts eingefügt.", "There are not enough component numbers for this many copies (32767 at most). Nothing was added.", "Les numéros de composant ne suffisent pas pour autant de copies (32767 au plus). Rien n'a été ajouté.")
// clang-format on

namespace pravelo::texts {
PRAVELO_TILE_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
