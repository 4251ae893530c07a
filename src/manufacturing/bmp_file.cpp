#include "manufacturing/bmp_file.h"

#include "base/units.h"
#include "document/byte_io.h"

namespace pravelo {
namespace {

constexpr std::uint32_t kBmpFileHeaderSize = 14;
constexpr std::uint32_t kBmpInfoHeaderSize = 40;
constexpr std::uint32_t kBmpMonoPaletteSize = 8;

std::uint64_t bmpRowBytes(std::int64_t width, bool colour) {
  const std::uint64_t bits = static_cast<std::uint64_t>(width) * (colour ? 24 : 1);
  return (bits + 31) / 32 * 4;
}

std::uint32_t bmpPixelOffset(bool colour) {
  return kBmpFileHeaderSize + kBmpInfoHeaderSize + (colour ? 0 : kBmpMonoPaletteSize);
}

}  // namespace

std::uint64_t bmpFileSize(std::int64_t width, std::int64_t height, bool colour) {
  return bmpPixelOffset(colour) + bmpRowBytes(width, colour) * static_cast<std::uint64_t>(height);
}

std::string bmpFileBytes(const ImageRaster& raster) {
  const std::uint64_t rowBytes = bmpRowBytes(raster.width, raster.colour);
  const std::uint64_t fileSize = bmpFileSize(raster.width, raster.height, raster.colour);
  const auto pixelsPerMetre = static_cast<std::uint32_t>(roundHalfEven(raster.dpi / 0.0254));
  std::string out;
  out.reserve(fileSize);
  ByteWriter bmp(out);
  out += "BM";
  bmp.put<std::uint32_t>(fileSize);
  bmp.put<std::uint32_t>(0);
  bmp.put<std::uint32_t>(bmpPixelOffset(raster.colour));
  bmp.put<std::uint32_t>(kBmpInfoHeaderSize);
  bmp.put<std::uint32_t>(raster.width);
  bmp.put<std::uint32_t>(raster.height);  // positive: rows bottom up
  bmp.put<std::uint16_t>(1);
  bmp.put<std::uint16_t>(raster.colour ? 24 : 1);
  bmp.put<std::uint32_t>(0);  // no compression
  bmp.put<std::uint32_t>(rowBytes * raster.height);
  bmp.put<std::uint32_t>(pixelsPerMetre);
  bmp.put<std::uint32_t>(pixelsPerMetre);
  bmp.put<std::uint32_t>(raster.colour ? 0 : 2);
  bmp.put<std::uint32_t>(0);
  if (!raster.colour) {
    bmp.put<std::uint32_t>(0x00FFFFFF);  // index 0: white paper
    bmp.put<std::uint32_t>(0x00000000);  // index 1: black
  }
  const std::size_t padding = rowBytes - raster.stride;
  for (int y = raster.height - 1; y >= 0; --y) {
    const std::uint8_t* row = raster.row(y);
    if (raster.colour) {
      for (int x = 0; x < raster.width; ++x, row += 3) {
        out += static_cast<char>(row[2]);
        out += static_cast<char>(row[1]);
        out += static_cast<char>(row[0]);
      }
    } else {
      out.append(reinterpret_cast<const char*>(row), raster.stride);
    }
    out.append(padding, '\0');
  }
  return out;
}

}  // namespace pravelo
