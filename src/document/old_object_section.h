#pragma once

#include "document/byte_io.h"
#include "document/document.h"

namespace pravelo {

// The object section of a layout or macro file of format version 0 to 4, converted to today's
// model. Versions 0 to 2 store int16 numbers and no connections; versions 3 and 4 store int32
// numbers, a partner index per through-hole pad and the pads' connection lists, version 4 also
// the route ends of autorouted tracks.

// Fills the empty `objects` with the section's objects: each plated-through pad that the file
// kept as two pads naming each other becomes one via pad, which takes over the connections and
// route ends of the removed half; pad outlines are generated anew and legacy lines become
// tracks. Throws FileFormatError before allocating anything a count claims beyond what is left.
void readOldObjectSection(ByteReader& in, int version, ObjectList& objects);

// Versions 0 to 3 kept the two copper sides the other way round: swaps layers 1 and 3.
void exchangeCopperLayers(ObjectList& objects);

}  // namespace pravelo
