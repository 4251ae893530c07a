#pragma once

#include <cstddef>
#include <cstdint>

#include "document/object.h"

namespace pravelo {

// Object images of the format versions 0 to 5. Those files measured lengths in steps of
// 10 micrometres, 100 of today's units.
inline constexpr int kOldLengthFactor = 100;

// 49 bytes for versions 0 to 2, 74 for version 3, 75 for version 4, 77 for version 5.
std::size_t oldObjectImageSize(int version);

// An old length in today's units; one that is not a finite number or lies beyond
// +-10000000 old units becomes 0, so every product stays far inside the 32-bit range.
float oldLength(float value);

// Reads the image of `version` into `o` (a fresh record) and converts it: the fields the
// version stored, the rotation of a version-4 text, sanitised and scaled lengths. Of the
// image's text only a legacy font text keeps its content; a text longer than its field is a
// format error at `fileOffset` plus the field's place in the image.
void readOldObjectImage(const std::uint8_t* image, int version, std::size_t fileOffset, TObjekt& o);

// The values an object of an old version takes that its file did not store, by kind.
void applyOldObjectDefaults(TObjekt& o, int version);

}  // namespace pravelo
