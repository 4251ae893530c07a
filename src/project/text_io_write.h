#pragma once

#include <string>
#include <vector>

#include "document/document.h"

namespace pravelo {

// Text-IO: one record per object, "KEYWORD,NAME=value,...;" with CR LF, in Windows-1252 bytes.
// Lengths are whole units, rounded half to even; y is written downwards (negated).

// What an export writes: the selected objects when any are selected, otherwise all of them.
std::vector<const TObjekt*> textIoExportObjects(const ObjectList& objects);

// The first text whose content the format cannot carry: a "|" would end the content early and
// a line break vanishes on reading. Null when every text can be written.
const TObjekt* unwritableText(const std::vector<const TObjekt*>& objects);

// The records of `objects` in order; legacy lines and legacy font texts give none. Texts must
// have passed `unwritableText`.
std::string writeTextIo(const std::vector<const TObjekt*>& objects);

}  // namespace pravelo
