#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

namespace pravelo {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Slots of a colour scheme.
enum ColourSlot {
  kSlotBackground = 0,  // slots 1..7 are the layers 1..7
  kSlotRubberBand = 8,
  kSlotVia = 9,
  kSlotLineGrid = 10,
  kSlotDotGrid = 11,
};
inline constexpr int kSchemeSlots = 12;

struct ColourScheme {
  std::array<Rgb, kSchemeSlots> colours;

  Rgb layer(int layer) const { return colours[layer]; }
  Rgb background() const { return colours[kSlotBackground]; }
};

// A colour as files and settings keep it, 0x00BBGGRR, and back.
Rgb fromWindowsColour(std::uint32_t c);
std::uint32_t toWindowsColour(Rgb c);

// The fixed scheme "Standard".
ColourScheme standardScheme();

// Scheme files hold twelve 32-bit colours 0x00BBGGRR. A file that is missing or not exactly
// 48 bytes long gives the standard scheme.
ColourScheme readSchemeFile(const std::filesystem::path& file);
bool writeSchemeFile(const std::filesystem::path& file, const ColourScheme& scheme);
// "C_USER1.DAT" .. "C_USER3.DAT" for the user schemes 1..3.
std::filesystem::path userSchemeFile(const std::filesystem::path& settingsFolder, int number);
// The scheme chosen by the settings key "Farbschema": 0 standard, 1..3 the user schemes.
ColourScheme loadScheme(const std::filesystem::path& settingsFolder, int number);

Rgb inverted(Rgb c);
bool isDark(Rgb background);
// The selection colour: light magenta on a dark background, magenta on a light one.
Rgb highlightColour(Rgb background);
// A copper layer's ground-plane colour, 40 % darker with "dark ground plane" on.
Rgb groundPlaneColour(const ColourScheme& scheme, int layer, bool darkGroundPlane);

}  // namespace pravelo
