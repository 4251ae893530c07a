#pragma once

#include <string>
#include <system_error>

#include "base/text.h"

namespace pravelo {

// Why a file could not be written, as the message after "could not be saved: " says it: the
// common system reasons in the user's words, any other as "writing failed".
const Text& saveProblem(std::error_code error);

// "The file "NAME" could not be saved: REASON." for a command-line tool's error output.
std::string couldNotSaveMessage(const std::string& path, std::error_code error, Language language);

}  // namespace pravelo
