#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// The macro panel's state beside the layout: the selected macro in memory and the switches
// that decide how it is shown and dropped.
struct MacroPanel {
  ObjectList macro;
  std::filesystem::path file;  // empty when no macro is selected
  std::string line1;           // Windows-1252, at most 50 bytes
  std::string line2;
  bool modified = false;  // a description line edited or the macro turned
  bool top = true;        // the side the macro is shown and dropped on
  bool throughPads = false;
  bool asComponent = true;
};

// Selects the macro file at `path`: a modified macro is written back first, then the file is
// loaded, flipped to the panel's side and its labels shown as "as component" says. A path that
// is no ".pvm" file changes nothing; a damaged file empties the macro and gives the message.
std::optional<std::string> selectMacroFile(MacroPanel& panel, const std::filesystem::path& path,
                                           Language language);

// Writes a modified macro back to its file (labels shown, both lines); false when that failed.
bool writeBackMacro(MacroPanel& panel);

// The side switch: flips the macro when it is on the other side.
void setMacroSide(MacroPanel& panel, bool top);
void setMacroAsComponent(MacroPanel& panel, bool on);
void rotatePanelMacro(MacroPanel& panel, bool readableLabels);
void setMacroLine(MacroPanel& panel, int line, const std::string& text);

}  // namespace pravelo
