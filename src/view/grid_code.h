#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pravelo {

// The units a grid value can be given in; the number is the code's leading digit.
enum class GridUnit { Mm = 1, Um = 2, Mil = 3 };

// A grid value code U DDDDDD P: the unit, six digits, and the position of the decimal separator
// before the P-th digit (0: none). 10001275 is 1.27 mm, 23968753 is 39.6875 µm.
// The value in mm; none for a malformed code or a value that is not positive.
std::optional<double> decodeGridCode(std::int32_t code);

// A value typed into the grid dialog, as a code or as the message that refuses it.
struct GridCodeResult {
  std::int32_t code = 0;
  std::string error;  // in the run's language; empty on success
  bool ok() const { return error.empty(); }
};

// Encodes typed digits with at most one separator ("," or "."). A value without a separator
// keeps its digits as they are; one with more significant digits than the code holds is
// refused.
GridCodeResult encodeGridValue(std::string_view typed, GridUnit unit);

// The grid dialog's OK: the value must lie between 0.001 mm and 10 mm (as shown in the chosen
// unit), then it is encoded.
GridCodeResult gridDialogValue(std::string_view typed, GridUnit unit);

// The grid dialog's key filter: the character to insert for `key`, or none when it is refused.
// `remaining` is the field's text less its selected part, which the key replaces.
std::optional<char> gridDialogKey(std::string_view remaining, char key);

double gridValueToMm(double value, GridUnit unit);

}  // namespace pravelo
