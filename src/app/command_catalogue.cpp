#include "app/command_catalogue.h"

#include <algorithm>
#include <array>

namespace pravelo {

namespace {

#define PRAVELO_COMMAND_ENTRY(handler, hde, hen, hfr, key) \
  Command{CommandId::handler, #handler, Text{hde, hen, hfr}, key},
constexpr std::array kCommands = {PRAVELO_COMMANDS(PRAVELO_COMMAND_ENTRY)};
#undef PRAVELO_COMMAND_ENTRY

#define PRAVELO_CONTROL_ENTRY(name, handler, de, en, fr) \
  Control{ControlId::name, #name, CommandId::handler, Text{de, en, fr}},
constexpr std::array kControls = {PRAVELO_CONTROLS(PRAVELO_CONTROL_ENTRY)};
#undef PRAVELO_CONTROL_ENTRY

// Shrinks as the later parts of the editor land.
constexpr std::array<CommandId, 0> kNotYetBuilt{};

}  // namespace

std::span<const Command> commands() { return kCommands; }

std::span<const Control> controls() { return kControls; }

const Command& commandInfo(CommandId id) { return kCommands[static_cast<std::size_t>(id)]; }

const Control& controlInfo(ControlId id) { return kControls[static_cast<std::size_t>(id)]; }

std::optional<ControlId> controlNamed(std::string_view name) {
  for (const Control& c : kControls) {
    if (name == c.name) return c.id;
  }
  return std::nullopt;
}

ControlId shortcutControl(CommandId id) {
  return std::ranges::find(kControls, id, &Control::command)->id;
}

std::span<const CommandId> commandsNotYetBuilt() { return kNotYetBuilt; }

bool isBuilt(CommandId id) { return std::ranges::find(kNotYetBuilt, id) == kNotYetBuilt.end(); }

}  // namespace pravelo
