#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// A macro file (.pvm): the version word, one object section as inside a board block, and two
// description lines of at most 50 bytes each. Its objects lie relative to the anchor at (0, 0).

inline constexpr std::size_t kMacroLineMax = 50;

struct MacroContents {
  ObjectList objects;
  std::string line1;  // Windows-1252
  std::string line2;
};

// Parses a macro file of any version 0 to 6, converting older versions to today's model; files
// before version 4 have no description lines. Throws FileFormatError, before allocating anything
// a count claims beyond what the file can hold.
MacroContents parseMacro(std::string_view bytes);

// Parses and applies the repairs every freshly read board gets.
MacroContents readMacro(std::string_view bytes);

// The objects as a version-6 macro file; longer description lines are cut at 50 bytes.
std::string writeMacroFile(const ObjectList& objects, const std::string& line1,
                           const std::string& line2);

// Writes the macro file at `path` without ever leaving a half-written file behind.
bool saveMacro(const std::filesystem::path& path, const ObjectList& objects,
               const std::string& line1, const std::string& line2,
               std::error_code* error = nullptr);

struct LoadedMacro {
  bool ok = false;
  std::string message;  // UTF-8, empty when loaded
  MacroContents contents;
};

// Reads the macro file at `path`; any failure gives "The macro can not be loaded." and no
// objects. Never more than the file's size is read.
LoadedMacro loadMacroFile(const std::filesystem::path& path, Language language);

}  // namespace pravelo
