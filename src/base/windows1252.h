#pragma once

#include <string>
#include <string_view>

namespace pravelo {

// Texts in layout files are Windows-1252 bytes (the stroke font is indexed by that code page);
// the edges that show them (user interface, JSON, command line) convert them to UTF-8. The five
// bytes the code page leaves undefined map to the control characters of the same number.
std::string windows1252ToUtf8(std::string_view bytes);
// The way back for text typed by the user: characters the code page cannot hold, and malformed
// UTF-8, become '?'.
std::string utf8ToWindows1252(std::string_view utf8);

}  // namespace pravelo
