#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/host.h"
#include "document/document.h"

namespace pravelo {

// Appends a board with the defaults of a new board and activates it.
Board& addBoard(Document& doc, std::string name, std::int32_t width, std::int32_t height,
                bool originAtTop = false);

// Writes the editor's working state of the active board back into its header. The working
// state lives in the active header itself, so only the stored limits are applied here.
void storeActiveBoardState(Document& doc);

// Stores the active board's state and makes board `index` the active one; every object of that
// board is deselected, as refreshing its layer buttons does.
void activateBoard(Document& doc, int index);

// Frees board `index` and everything it owns, then activates the board whose tab is then
// selected (the same place, or the new last board). Marks the document modified.
void removeBoard(Document& doc, int index);

// Appends "Copy of <name>" with a copy of the active header and a deep copy of its objects,
// whose connections and route ends join the copies, and activates it.
void copyActiveBoard(Document& doc);

// The four move commands; each returns false (and changes nothing) when it cannot move.
bool moveActiveBoardToLast(Document& doc);
bool moveActiveBoardRight(Document& doc);
bool moveActiveBoardToFirst(Document& doc);
bool moveActiveBoardLeft(Document& doc);

// A board name as stored: trimmed of surrounding blanks.
std::string trimmedBoardName(const std::string& name);

// Appends the default board "Board 1" (in the run's language) of 160 mm x 100 mm.
void addDefaultBoard(Document& doc, bool originAtTop);

// The document as at start: one default board "Board 1" (in the run's language) of
// 160 mm x 100 mm, no file name, unmodified.
Document defaultDocument(bool originAtTop = false);

// Empties the document after asking to save a modified, non-empty one: Yes runs `save`,
// which returns whether the file was written completely. Returns false, leaving the document
// as it was, on Cancel or when the save did not complete.
bool discardDocument(Document& doc, Host& host, const std::function<bool()>& save);

}  // namespace pravelo
