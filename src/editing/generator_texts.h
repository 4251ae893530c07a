#pragma once

#include "base/text.h"

// User texts of the footprint wizard and the special shapes commands.
// clang-format off
#define PRAVELO_GENERATOR_EDITING_TEXTS(X) \
  X(shapeTooBig, "Obekt zu groß für die momentane Arbeitsfläche.", "Object too big for the current working-space.", "Objet trop grand pour la surface de travail courante.")
// clang-format on

namespace pravelo::texts {
PRAVELO_GENERATOR_EDITING_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
