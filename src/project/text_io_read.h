#pragma once

#include <cstdint>
#include <string_view>

#include "document/document.h"

namespace pravelo {

// The clearance every kind but zones takes when a record leaves it out; the writer omits it then.
inline constexpr std::int32_t kTextIoStandardClearance = 4000;

// What the editor supplies for values a record leaves out.
struct TextIoDefaults {
  std::int32_t trackWidth = 8000;                     // tracks and zone outlines
  std::uint8_t layer = kLayerC1;                      // the active layer, for tracks and zones
  std::int32_t clearance = kTextIoStandardClearance;  // zones only
};

// Reads Text-IO records into new objects, ready to be placed like a paste. A record ends at the
// first ";" outside the "|...|" of a text, whatever follows on its line; line breaks inside a
// record are dropped. Records without "," and unknown keywords are skipped. Parameter names and
// blanks are free in case and place; the first parameter of a name counts.
// A value that is not a 32-bit integer, out of range, missing where required, or a point
// without "/" throws TextIoError naming the record and its first line; nothing is returned then.
ObjectList readTextIo(std::string_view bytes, const TextIoDefaults& defaults);

}  // namespace pravelo
