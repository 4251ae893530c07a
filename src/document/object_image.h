#pragma once

#include <cstddef>
#include <cstdint>

#include "document/object.h"

namespace pravelo {

// The fixed little-endian stored image of an object record, shared by layout and macro files.
inline constexpr std::size_t kObjectImageSize = 77;

// Writes the image; the in-memory list slots, `scratch` and the reserved bytes are written 0.
void writeObjectImage(const TObjekt& o, std::uint8_t* image);
// Reads the image fields into `o`, leaving its lists, strings and runtime state alone.
void readObjectImage(const std::uint8_t* image, TObjekt& o);

}  // namespace pravelo
