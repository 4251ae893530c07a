#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pravelo {

// The display unit of every length: one switch for the whole program (settings key "MIL"),
// owned by the main window and passed to whoever formats or reads a length. Stored values
// never change with it.
enum class LengthUnit { Mm, Mil };

inline LengthUnit otherUnit(LengthUnit unit) {
  return unit == LengthUnit::Mm ? LengthUnit::Mil : LengthUnit::Mm;
}
// "mm" or "mil": the unit button's caption and the length fields' unit label.
const char* unitCaption(LengthUnit unit);

// Fixed-point text with `decimals` decimals and a point as separator, whatever the locale.
std::string formatFixed(double value, int decimals);
// The same with trailing zeros after the point, and then a bare point, removed: "1.5", "2", "0".
std::string formatFixedTrimmed(double value, int decimals);

// The standard length text: units as mm with 3 decimals or as mil with 1 decimal (or
// `decimals`), rounded to 6 significant digits first, followed by " mm" or " mil".
std::string formatLength(double units, LengthUnit unit, int decimals = -1);

// A number with 6 - (digits of its integer part) decimals, trailing zeros and a trailing
// separator removed: the form of grid and list captions.
std::string formatTrimmed(double value);

// The caption form of a length given in mm: "1.27 mm", "50 mil", or for values below 1 mm
// that would need more than 4 decimals "39.6875 µm".
std::string formatCaptionLength(double mm, LengthUnit unit);

// Reads a decimal number, a comma counting as the decimal point; blanks around it are ignored.
std::optional<double> parseDecimal(std::string_view text);

// Reads a length into units: a number optionally followed by "mm", "mil" or "µm" (which then
// decides the unit), otherwise in `unit`.
std::optional<double> parseLengthUnits(std::string_view text, LengthUnit unit);

}  // namespace pravelo
