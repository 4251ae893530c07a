#pragma once

#include "base/text.h"

// User texts of the `nets` command of the command-line tool.
// clang-format off
#define PRAVELO_NETS_TEXTS(X) \
  X(cliNetsHelp, "Gibt die durch Kupfer verbundenen Gruppen einer Platine und den Stand jeder Luftlinie aus", "Print the copper-connected groups of a board and whether each connection is joined", "Affiche les groupes reliés par le cuivre d'une carte et l'état de chaque connexion") \
  X(cliNetsJsonHelp, "Ausgabe als JSON", "Print as JSON", "Sortie au format JSON") \
  X(cliGroupWord, "Gruppe ", "Group ", "Groupe ") \
  X(cliGroupsWord, " Gruppen", " groups", " groupes") \
  X(cliConnectionWord, "Luftlinie ", "Connection ", "Connexion ") \
  X(cliJoinedWord, "verbunden", "joined", "reliée") \
  X(cliOpenWord, "offen", "open", "ouverte")
// clang-format on

namespace pravelo::texts {
PRAVELO_NETS_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
