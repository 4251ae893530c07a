#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace pravelo {

// Natural order of macro and folder names, ignoring case: runs of digits compare as numbers of
// any length, so "R2" < "r3" < "R10". Negative, zero or positive like strcmp.
int naturalCompare(std::string_view a, std::string_view b);
inline bool naturalLess(std::string_view a, std::string_view b) { return naturalCompare(a, b) < 0; }

// Why a new name for a macro or folder of the tree is refused: empty, or a name that would
// leave its folder (a path separator or ".."). Nothing when it can be used.
std::optional<std::string> macroRenameProblem(const std::string& name, Language language);

}  // namespace pravelo
