#include "project/macro_panel.h"

#include <system_error>

#include "project/macro_file.h"
#include "project/macro_side.h"
#include "project/macro_tree.h"

namespace pravelo {

std::optional<std::string> selectMacroFile(MacroPanel& panel, const std::filesystem::path& path,
                                           Language language) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || !isMacroFileName(path)) {
    return std::nullopt;
  }
  writeBackMacro(panel);
  panel.macro.clear();
  panel.line1.clear();
  panel.line2.clear();
  panel.modified = false;
  panel.file = path;
  LoadedMacro loaded = loadMacroFile(path, language);
  if (!loaded.ok) return loaded.message;
  panel.macro = std::move(loaded.contents.objects);
  panel.line1 = std::move(loaded.contents.line1);
  panel.line2 = std::move(loaded.contents.line2);
  if (!panel.macro.empty() && isTopSideMacro(panel.macro) != panel.top) flipMacro(panel.macro);
  showMacroLabels(panel.macro, panel.asComponent);
  return std::nullopt;
}

bool writeBackMacro(MacroPanel& panel) {
  std::error_code error;
  if (!panel.modified || panel.file.empty() || !std::filesystem::exists(panel.file, error)) {
    return true;
  }
  showMacroLabels(panel.macro, true);
  const bool written = saveMacro(panel.file, panel.macro, panel.line1, panel.line2);
  showMacroLabels(panel.macro, panel.asComponent);
  if (written) panel.modified = false;
  return written;
}

void setMacroSide(MacroPanel& panel, bool top) {
  panel.top = top;
  if (!panel.macro.empty() && isTopSideMacro(panel.macro) != top) flipMacro(panel.macro);
}

void setMacroAsComponent(MacroPanel& panel, bool on) {
  panel.asComponent = on;
  showMacroLabels(panel.macro, on);
}

void rotatePanelMacro(MacroPanel& panel, bool readableLabels) {
  if (panel.macro.empty()) return;
  rotateMacro(panel.macro, readableLabels, panel.top);
  panel.modified = true;
}

void setMacroLine(MacroPanel& panel, int line, const std::string& text) {
  (line == 1 ? panel.line1 : panel.line2) = text.substr(0, kMacroLineMax);
  panel.modified = true;
}

}  // namespace pravelo
