// Feeds arbitrary bytes to the reader of the colour chooser's custom colours (COLORS.DAT).

#include <cstdint>
#include <string_view>

#include "app/colour_scheme_choice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pravelo::customColoursFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
