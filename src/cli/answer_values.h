#pragma once

#include <string>

namespace pravelo {

// Values of `name=value` words in edit-script answers; each throws BadTextAnswer naming the field
// when the value does not fit.
double answerNumber(const std::string& name, const std::string& value, double low, double high);
int answerWhole(const std::string& name, const std::string& value, int low, int high);
bool answerFlag(const std::string& name, const std::string& value);  // "1" or "0"

}  // namespace pravelo
