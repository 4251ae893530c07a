#include "editing/text_io_defaults.h"

namespace pravelo {

TextIoDefaults textIoDefaults(const SizeFields& sizes, const BoardHeader& header) {
  const auto remembered = [&](SizeField f) {
    return sizes.remembered[static_cast<std::size_t>(f)];
  };
  return {.trackWidth = remembered(SizeField::Breite),
          .layer = static_cast<std::uint8_t>(header.activeLayer),
          .clearance = remembered(SizeField::FreistanzOffset)};
}

}  // namespace pravelo
