#pragma once

#include <limits>
#include <optional>
#include <string>

#include "view/colour_scheme.h"

namespace pravelo {

// Values of `name=value` words in edit-script answers; each throws BadTextAnswer naming the field
// when the value does not fit.
double answerNumber(const std::string& name, const std::string& value,
                    double low = std::numeric_limits<double>::lowest(),
                    double high = std::numeric_limits<double>::max());
int answerWhole(const std::string& name, const std::string& value, int low, int high);
bool answerFlag(const std::string& name, const std::string& value);  // "1"/"yes" or "0"/"no"
// One of three words, or its number 0 to 2.
int answerChoice(const std::string& name, const std::string& value, const char* const (&words)[3]);

// A colour written RRGGBB in six hexadecimal digits; nothing for any other word.
std::optional<Rgb> hexColour(const std::string& word);

}  // namespace pravelo
