#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/byte_io.h"
#include "document/document.h"

namespace pravelo {

// Reading the building blocks that layout and macro files of every format version share.

// An int32 count of `itemSize`-byte items, checked against what is left of the file before
// anything is allocated for it; a mask-only zone stores one more than it has (`surplus`).
std::size_t readCount(ByteReader& in, const Text& field, std::size_t itemSize,
                      std::int32_t surplus = 0);
// The same for the int16 counts of the earliest versions.
std::size_t readShortCount(ByteReader& in, const Text& field, std::size_t itemSize);

// An int32 length and that many bytes; a length of 0 or less is an empty string.
std::string readCountedString(ByteReader& in, const Text& field, std::size_t max);

// A length byte and a field of `capacity` bytes.
std::string readShortString(ByteReader& in, std::size_t capacity, const Text& field);

// Fills the pads' connection lists from `partners` (indices into `objects`, one list per
// object). An index outside the list, at the pad itself, at an object that is not a pad, or
// repeated, is skipped; a partner missing the way back gets it, so that the lists end up
// symmetric.
void linkConnections(ObjectList& objects, const std::vector<std::vector<std::uint32_t>>& partners);

}  // namespace pravelo
