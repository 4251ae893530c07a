#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pravelo {

// Per-board settings, stored byte for byte as the 499-byte header of a layout file.
struct BoardHeader {
  std::int32_t width = 0;                     // units
  std::int32_t height = 0;                    // units
  std::array<std::uint8_t, 7> groundPlane{};  // automatic ground plane per layer 1..7
  double grid = 12700.0;                      // units
  double zoom = 0.001;                        // screen pixels per unit
  std::int32_t scrollX = 0;                   // pixels
  std::int32_t scrollY = 0;
  std::int32_t activeLayer = 3;
  std::array<std::uint8_t, 7> layerVisible{1, 1, 1, 1, 0, 0, 1};
  std::array<std::uint8_t, 2> templateShown{};  // background pictures of top and bottom side
  std::array<std::string, 2> templateFile;      // Windows-1252, at most 200 bytes
  std::array<std::int32_t, 2> templateDpi{600, 600};
  std::array<std::int32_t, 2> templateOffsetX{};           // 1/10 mm
  std::array<std::int32_t, 2> templateOffsetY{};           // 1/10 mm
  std::array<std::int32_t, 2> templateTint{65280, 65280};  // 0x00BBGGRR
  std::int32_t originX = 0;                                // user origin, units
  std::int32_t originY = 0;
  std::uint8_t multilayer = 0;  // inner layers I1 and I2 in use

  friend bool operator==(const BoardHeader&, const BoardHeader&) = default;
};

// The view's zoom range, pixels per unit, and the grid dialog's range, units (0.001 mm to 10 mm).
inline constexpr double kMinZoom = 0.0001;
inline constexpr double kMaxZoom = 2.0;
inline constexpr double kMinGridSpacing = 10;
inline constexpr double kMaxGridSpacing = 100000;

// The largest board side accepted from a file: 10 m, so that the drawing surface at the highest
// zoom still fits the 32-bit scroll ranges of the toolkit.
inline constexpr std::int32_t kMaxBoardSide = 100000000;

inline constexpr std::size_t kBoardHeaderSize = 499;
inline constexpr std::size_t kTemplateNameMax = 200;

// A new board's header; the origin sits at the bottom-left corner, or at the top-left one when
// `originAtTop` (the option "origin at the top left").
BoardHeader newBoardHeader(std::int32_t width, std::int32_t height, bool originAtTop = false);

bool isLayerVisible(const BoardHeader& header, int layer);

void writeBoardHeader(const BoardHeader& header, std::uint8_t* bytes);
// Reads the fields; returns false when a template name's length byte exceeds 200.
bool readBoardHeader(const std::uint8_t* bytes, BoardHeader& header);
// The same for a header read from a file at `fileOffset`: a template name longer than its field
// is a FileFormatError at its place.
void readStoredBoardHeader(const std::uint8_t* bytes, std::size_t fileOffset, BoardHeader& header);

}  // namespace pravelo
