#include "manufacturing/bmp_file.h"

#include "base/units.h"

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

void putBmp16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void putBmp32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
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
  out += "BM";
  putBmp32(out, static_cast<std::uint32_t>(fileSize));
  putBmp32(out, 0);
  putBmp32(out, bmpPixelOffset(raster.colour));
  putBmp32(out, kBmpInfoHeaderSize);
  putBmp32(out, static_cast<std::uint32_t>(raster.width));
  putBmp32(out, static_cast<std::uint32_t>(raster.height));  // positive: rows bottom up
  putBmp16(out, 1);
  putBmp16(out, raster.colour ? 24 : 1);
  putBmp32(out, 0);  // no compression
  putBmp32(out, static_cast<std::uint32_t>(rowBytes * raster.height));
  putBmp32(out, pixelsPerMetre);
  putBmp32(out, pixelsPerMetre);
  putBmp32(out, raster.colour ? 0 : 2);
  putBmp32(out, 0);
  if (!raster.colour) {
    putBmp32(out, 0x00FFFFFF);  // index 0: white paper
    putBmp32(out, 0x00000000);  // index 1: black
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
