#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pravelo {

// A board as one undo or redo step keeps it. The objects are packed into bytes (object_pack.h):
// a plain deep copy of a 10,000-object board takes about four times the memory.
struct UndoSnapshot {
  std::string objects;
  std::int32_t originX = 0;  // user origin, units
  std::int32_t originY = 0;
  std::int32_t width = 0;  // board size, units
  std::int32_t height = 0;
  std::array<std::uint8_t, 7> groundPlane{};  // the plane switches, per layer 1..7
};

// Newest step last.
using UndoStack = std::vector<UndoSnapshot>;

}  // namespace pravelo
