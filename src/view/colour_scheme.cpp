#include "view/colour_scheme.h"

#include <cstring>
#include <optional>
#include <string>

#include "base/atomic_file.h"
#include "base/file_io.h"

namespace pravelo {
namespace {

constexpr std::size_t kSchemeFileSize = kSchemeSlots * 4;

// Slots where older files may hold a negative value, which means black.
bool negativeMeansBlack(int slot) { return slot <= 4 || slot == 8 || slot == 9; }

}  // namespace

Rgb fromWindowsColour(std::uint32_t c) {
  return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
          static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

std::uint32_t toWindowsColour(Rgb c) {
  return c.r | (static_cast<std::uint32_t>(c.g) << 8) | (static_cast<std::uint32_t>(c.b) << 16);
}

ColourScheme standardScheme() {
  return {{{
      {0, 0, 0},        // background
      {30, 106, 249},   // C1
      {255, 0, 0},      // S1
      {0, 186, 0},      // C2
      {225, 215, 4},    // S2
      {194, 124, 20},   // I1
      {238, 182, 98},   // I2
      {255, 255, 255},  // O
      {215, 215, 215},  // rubber band
      {81, 227, 253},   // via
      {70, 70, 70},     // line grid
      {170, 170, 170},  // dot grid
  }}};
}

ColourScheme readSchemeFile(const std::filesystem::path& file) {
  const std::optional<std::string> read = readWholeFile(file.string());
  if (!read || read->size() != kSchemeFileSize) return standardScheme();
  const std::string& bytes = *read;
  ColourScheme scheme;
  for (int slot = 0; slot < kSchemeSlots; ++slot) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + 4 * slot, 4);
    if (value < 0 && negativeMeansBlack(slot)) value = 0;
    // Only the low 24 bits are a colour; the high byte of a Windows colour is a palette flag.
    scheme.colours[slot] = fromWindowsColour(static_cast<std::uint32_t>(value) & 0xFFFFFF);
  }
  return scheme;
}

bool writeSchemeFile(const std::filesystem::path& file, const ColourScheme& scheme) {
  std::string bytes(kSchemeFileSize, '\0');
  for (int slot = 0; slot < kSchemeSlots; ++slot) {
    const std::uint32_t value = toWindowsColour(scheme.colours[slot]);
    std::memcpy(bytes.data() + 4 * slot, &value, 4);
  }
  return writeFileAtomically(file, bytes);
}

std::filesystem::path userSchemeFile(const std::filesystem::path& settingsFolder, int number) {
  return settingsFolder / ("C_USER" + std::to_string(number) + ".DAT");
}

ColourScheme loadScheme(const std::filesystem::path& settingsFolder, int number) {
  if (number < 1 || number > 3) return standardScheme();
  return readSchemeFile(userSchemeFile(settingsFolder, number));
}

Rgb inverted(Rgb c) {
  return {static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
          static_cast<std::uint8_t>(255 - c.b)};
}

bool isDark(Rgb background) { return background.r + background.g + background.b < 383; }

Rgb highlightColour(Rgb background) {
  return isDark(background) ? Rgb{255, 170, 255} : Rgb{255, 0, 255};
}

Rgb groundPlaneColour(const ColourScheme& scheme, int layer, bool darkGroundPlane) {
  const Rgb c = scheme.layer(layer);
  if (!darkGroundPlane) return c;
  auto darker = [](std::uint8_t v) { return static_cast<std::uint8_t>(v * 6 / 10); };
  return {darker(c.r), darker(c.g), darker(c.b)};
}

}  // namespace pravelo
