#include "ui/command_catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace pravelo {

namespace {

#define PRAVELO_COMMAND_ENTRY(name, handler, de, en, fr, hde, hen, hfr, key) \
  Command{#name, #handler, Text{de, en, fr}, Text{hde, hen, hfr}, key},
constexpr std::array kCommands = {PRAVELO_COMMANDS(PRAVELO_COMMAND_ENTRY)};
#undef PRAVELO_COMMAND_ENTRY

}  // namespace

std::span<const Command> commandCatalogue() { return kCommands; }

const Command& command(std::string_view name) {
  for (const Command& c : kCommands) {
    if (name == c.name) return c;
  }
  throw std::out_of_range("no command " + std::string(name));
}

}  // namespace pravelo
