#pragma once

#include "document/byte_io.h"
#include "document/document.h"

namespace pravelo {

// The object section shared by a board block of a layout file and a macro file: an int32 object
// count, the object blocks, the pads' connection lists and the autorouted tracks' route ends.

// Appends the section's objects to `objects`, resolving connection and route-end indices among
// them. Version 5 has the same section with images and vertices in old units (converted here).
// Throws FileFormatError before allocating anything a count claims beyond what is left.
void readObjectSection(ByteReader& in, ObjectList& objects, int version = 6);

// Connections and route ends to objects outside `objects` are left out.
void writeObjectSection(ByteWriter& out, const ObjectList& objects);

}  // namespace pravelo
