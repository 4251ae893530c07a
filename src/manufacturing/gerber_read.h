#pragma once

#include <cstdint>
#include <string_view>

#include "document/document.h"
#include "manufacturing/gerber_format.h"

namespace pravelo {

// Files from this size on are refused.
inline constexpr std::size_t kGerberFileLimit = 4000000;

// Reads one Gerber file into new objects on `layer`, in document units with the file's own
// origin: draws become tracks, arcs circle objects, regions zones, flashes pads, SMD pads,
// tracks and zones by their aperture. Zones are cleaned of doubled points afterwards, and
// regular octagons become octagonal pads. Only dark features are kept (arcs excepted).
// Throws ImportError naming the line for a file that cannot be read; nothing is returned then.
ObjectList readGerber(std::string_view bytes, std::uint8_t layer, const GerberDefaults& defaults);

}  // namespace pravelo
