#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pravelo {

// A scanned picture held for tracing: 3 bytes per pixel (R, G, B), rows top to bottom.
// `monochrome` marks a one-bit picture, drawn two-coloured with a tint instead of as it is.
struct ScanPicture {
  int width = 0;
  int height = 0;
  bool monochrome = false;
  std::vector<std::uint8_t> rgb;
};

// An uncompressed Windows bitmap of 1, 4, 8, 24 or 32 bits per pixel; nothing when the headers
// are short or inconsistent, the pixel data lie outside the file or the picture is too large.
std::optional<ScanPicture> readBmpScan(std::string_view bytes);

// A JPEG picture decoded to RGB; nothing when it cannot be decoded.
std::optional<ScanPicture> readJpegScan(std::string_view bytes);

// The resolution a bitmap's information header states, in dots per inch; 0 without one.
int bmpScanResolution(std::string_view bytes);

// The horizontal density of a JFIF header among the first 50 bytes, in dots per inch (dots per
// centimetre converted); 0 without one or when the header is cut off.
int jfifScanResolution(std::string_view bytes);

// What the resolution field shows for a resolution read from a file: 300 dpi when the file gave
// none usable, otherwise the value within 20 ... 2400.
int scanResolutionField(int readDpi);

}  // namespace pravelo
