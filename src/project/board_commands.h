#pragma once

#include <cstdint>
#include <string>

#include "base/host.h"
#include "document/document.h"

namespace pravelo {

// Delete board: refuses the last board; otherwise asks and removes the active board on OK.
// The document counts as modified after the question, whatever the answer.
void deleteBoardCommand(Document& doc, Host& host);

// "A new Board named "<name>" was added." in the run's language, for a name as stored.
std::string boardAddedMessage(const std::string& name);

// Whether switching the multilayer off would delete objects (the panel asks first).
bool hasInnerLayerObjects(const Board& board);

// Switches the board's inner layers on or off. Switching off deletes every object on them and
// their ground planes. Returns whether the switch changed.
bool setMultilayer(Board& board, bool on);

}  // namespace pravelo
