#pragma once

#include <cstddef>
#include <cstdint>

#include "document/board_header.h"

namespace pravelo {

// Board headers of the format versions 3 (482 bytes), 4 (490 bytes) and 5 (499 bytes, today's
// layout), with lengths in the old 10-micrometre steps.
std::size_t oldBoardHeaderSize(int version);

// A board side stored in old units, in today's units within 0 .. kMaxBoardSide.
std::int32_t oldBoardSide(std::int64_t stored);

// Reads the header of `version` into `header` and converts it to today's fields and units.
// A template name longer than its field is a format error at its place after `fileOffset`.
void readOldBoardHeader(const std::uint8_t* bytes, int version, std::size_t fileOffset,
                        BoardHeader& header);

}  // namespace pravelo
