#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pravelo {

// The program's arguments joined with single blanks: a path with a blank that the shell split
// into two arguments names the file again.
std::string joinArguments(int argc, const char* const* argv);

// The layout file to open at start: the joined arguments when they name an existing file that
// begins with a layout file's version word. Anything else is ignored without a message.
std::optional<std::filesystem::path> startupLayoutFile(std::string_view joinedArguments);

}  // namespace pravelo
