#pragma once

#include <string_view>
#include <vector>

#include "manufacturing/gerber_blocks.h"

namespace pravelo {

// How a Gerber file writes its coordinates; the values are those of a file that does not say.
struct GerberFormat {
  int integerX = 3;
  int decimalX = 4;
  int integerY = 3;
  int decimalY = 4;
  bool leadingZerosOmitted = true;  // false: trailing zeros omitted
  bool inch = true;                 // false: millimetres
};

// What the reader assumes for a file without a format or unit statement.
struct GerberDefaults {
  int integerDigits = 3;
  int decimalDigits = 4;
  bool inch = true;
};

// Reads the format from the first "%FS" statement and the units from the first "MO" statement
// (without one, "G71" anywhere means millimetres and "G70" inches). A format statement with
// missing or impossible digits, or one asking for incremental coordinates, throws ImportError.
GerberFormat gerberFormat(const std::vector<GerberBlock>& blocks, const GerberDefaults& defaults);

// Whether the file has a format statement at all.
bool hasGerberFormatStatement(std::string_view bytes);

// One address of a data block: a letter and the sign, digits and point that follow it.
struct GerberWord {
  char letter;
  std::string_view value;
};
std::vector<GerberWord> gerberWords(std::string_view block);

// A coordinate or offset in file units. Leading zeros omitted: the digits are the number in
// steps of the last decimal place, whatever their count. Trailing zeros omitted: the first
// `integerDigits` digits are the integer part. A value with a point is read as written. Throws
// ImportError for a missing number and for digits beyond 32 bits.
double gerberNumber(std::string_view value, int integerDigits, int decimalDigits,
                    bool leadingZerosOmitted, int line);

// A plain decimal number of an aperture or macro: "0.254", "+1", "-.5". False when `text` is
// not one.
bool parseGerberDecimal(std::string_view text, double& value);

}  // namespace pravelo
