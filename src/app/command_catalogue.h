#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "app/command_table.h"
#include "base/text.h"

namespace pravelo {

// One command of the main window, named after its handler.
#define PRAVELO_COMMAND_ID(handler, hde, hen, hfr, key) handler,
enum class CommandId { PRAVELO_COMMANDS(PRAVELO_COMMAND_ID) };
#undef PRAVELO_COMMAND_ID

#define PRAVELO_COUNT_COMMAND(handler, hde, hen, hfr, key) +1
inline constexpr std::size_t kCommandCount = 0 PRAVELO_COMMANDS(PRAVELO_COUNT_COMMAND);
#undef PRAVELO_COUNT_COMMAND

// One control that runs a command: a menu item or a tool-bar button.
#define PRAVELO_CONTROL_ID(name, handler, de, en, fr) name,
enum class ControlId { PRAVELO_CONTROLS(PRAVELO_CONTROL_ID) };
#undef PRAVELO_CONTROL_ID

struct Command {
  CommandId id;
  const char* handler;
  Text hint;             // long hint shown in the help line
  const char* shortcut;  // portable key sequence, "" for none
};

struct Control {
  ControlId id;
  const char* name;  // also the Qt objectName
  CommandId command;
  Text caption;
};

// The catalogue in table order; an entry's place is its id.
std::span<const Command> commands();
std::span<const Control> controls();
const Command& commandInfo(CommandId id);
const Control& controlInfo(ControlId id);
std::optional<ControlId> controlNamed(std::string_view name);
// The control that carries the command's shortcut: its first one.
ControlId shortcutControl(CommandId id);

// Commands whose controls exist in the catalogue but whose work is not built yet; the window
// leaves their controls out.
std::span<const CommandId> commandsNotYetBuilt();
bool isBuilt(CommandId id);

}  // namespace pravelo
