#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editing/tile_values.h"

namespace pravelo {

// What an edit script's `answer tile mode=… columns=… …` line does to the next tile dialog:
// each named field is set as if typed there, under the dialog's own limits; the others keep
// what the dialog shows.
struct TileAnswer {
  std::vector<std::function<void(TileValues&, const TileDialog&)>> fields;

  TileValues applyTo(const TileDialog& shown) const;
};

// Reads the `name=value` words after `answer tile`; throws BadTextAnswer on a bad field.
TileAnswer parseTileAnswer(const std::vector<std::string>& words);

}  // namespace pravelo
