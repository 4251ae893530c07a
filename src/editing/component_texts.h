#pragma once

#include "base/text.h"

// User texts of making, editing and breaking up components that the core asks or reports.
// clang-format off
#define PRAVELO_COMPONENT_TEXTS(X) \
  X(makeComponentQuestion, "Möchten Sie die aus den markierten Elementen ein Bauteil erstellen ?", "Do you want to create a component from the selected elements ?", "Voulez-vous créer un composant à partir des éléments sélectionnés ?") \
  X(breakUpQuestion, "Möchten Sie das Bauteil wirklich auflösen ?\nAlle Bauteildaten wie Name oder Wert gehen dabei verloren.", "Do you really want to break up the component ?\nAll component data like name or value will be lost.", "Voulez-vous vraiment dissocier le composant ?\nToutes les données du composant, comme le nom ou la valeur, seront perdues.") \
  X(applyToSelectedComponents, "Sollen die Änderungen für alle markierten Bauteile übernommen werden ?", "Apply changes for all selected components ?", "Appliquer les modifications à tous les composants sélectionnés ?") \
  X(noComponentNumberLeft, "Für ein weiteres Bauteil ist keine Bauteilnummer mehr frei (höchstens 32767).", "There is no component number left for another component (32767 at most).", "Il ne reste aucun numéro pour un autre composant (32767 au plus).")
// clang-format on

namespace pravelo::texts {
PRAVELO_COMPONENT_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
