#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/text.h"

namespace pravelo {

// The tool numbers are the states of the tool machine; cursors, the tool hotkeys and the options
// dialog share them. 4 is not used; 12 is the placing state of pasted or generated objects.
enum class ToolId {
  Edit = 0,
  Track = 1,
  Pad = 2,
  Zoom = 3,
  Zone = 5,
  Circle = 6,
  Text = 7,
  Test = 8,
  Connections = 9,
  SpecialForm = 10,
  Autoroute = 11,
  Placing = 12,
  Measure = 13,
  SmdPad = 14,
  SolderMask = 15,
  PhotoView = 16,
  Rectangle = 17,
};

enum class Cursor { Arrow, Magnifier, Ring, Test, Connect, Autoroute, Node, Move, Hand };

struct ToolInfo {
  ToolId id;
  const char* button;      // object name of the tool button
  const char* scriptName;  // name in edit scripts
  Text hint;               // long hint of the button, shown in the help line
  Cursor cursor;
  int hotkeyIndex;  // position in the 15-letter hotkey string; -1: Esc chooses it
};

// The 16 tools with buttons, in the order of the tool column.
std::span<const ToolInfo> toolTable();
const ToolInfo& toolInfo(ToolId id);
std::optional<ToolId> toolByScriptName(std::string_view name);

// The tool whose letter in `hotkeys` (15 letters, "_" for none) is `typed`, compared without case;
// the first tool wins when a letter is given twice.
std::optional<ToolId> toolForHotkey(std::string_view hotkeys, char32_t typed);

}  // namespace pravelo
