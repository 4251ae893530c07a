#pragma once

#include "base/text.h"

// User texts of the name commands and the board clean-up commands.
// clang-format off
#define PRAVELO_CLEANUP_TEXTS(X) \
  X(namePromptTitle, "Benennen", "Name:", "Name:") \
  X(solderMaskResetQuestion, "Diese Funktion macht alle manuellen Änderungen der Lötstoppmaske rückgängig,\nund setzt die Lötstoppmaske wieder auf den Standard (alle Lötaugen und SMD-Pads).\n\nMöchten Sie fortfahren?", "This function will undo all manual changes to the solder mask,\nand reset the solder mask to default (all Pads and SMD-Pads).\n\nContinue?", "Cette fonction annule toutes les modifications manuelles du masque de soudure,\net remet le masque de soudure à sa valeur par défaut (toutes les pastilles et pastilles CMS).\n\nContinuer ?") \
  X(solderMaskResetDone, "Die Lötstoppmaske wurde zurückgesetzt.", "The soldermask is resetted.", "Le masque soudure a été réinitialisé.")
// clang-format on

namespace pravelo::texts {
PRAVELO_CLEANUP_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
