#include "view/scan_picture.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstring>

#include "base/units.h"

namespace pravelo {
namespace {

constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;
// Larger scans than this (about 16,000 x 16,000) would not fit in memory comfortably.
constexpr std::int64_t kScanPixelLimit = 256LL * 1024 * 1024;
constexpr std::size_t kJfifSearchBytes = 50;

std::uint32_t bmpLittle32(std::string_view bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return v;
}

std::uint16_t bmpLittle16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                    (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

bool scanSizeAcceptable(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width * height <= kScanPixelLimit;
}

// libjpeg ends the process on an error unless the handler jumps back out of it.
struct ScanJpegError {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

void scanJpegFailed(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ScanJpegError*>(info->err)->back, 1);
}

void scanJpegQuiet(j_common_ptr, int) {}

// Everything between setjmp and the end lives in C structures or in `picture`, which is only
// resized before the first jump point can be reached again, so the jump skips no destructor.
bool decompressScan(std::string_view bytes, ScanPicture& picture) {
  jpeg_decompress_struct info{};
  ScanJpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = scanJpegFailed;
  error.manager.emit_message = scanJpegQuiet;
  if (setjmp(error.back)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  if (!scanSizeAcceptable(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.rgb.assign(static_cast<std::size_t>(picture.width) * picture.height * 3, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row =
        picture.rgb.data() + static_cast<std::size_t>(info.output_scanline) * picture.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<ScanPicture> readBmpScan(std::string_view bytes) {
  if (bytes.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize || bytes.substr(0, 2) != "BM")
    return std::nullopt;
  const std::uint32_t dataOffset = bmpLittle32(bytes, 10);
  const std::uint32_t infoSize = bmpLittle32(bytes, 14);
  const auto width = static_cast<std::int32_t>(bmpLittle32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(bmpLittle32(bytes, 22));
  const int bits = bmpLittle16(bytes, 28);
  const std::uint32_t compression = bmpLittle32(bytes, 30);
  if (infoSize < kBmpInfoHeaderSize || infoSize > bytes.size() - kBmpFileHeaderSize)
    return std::nullopt;
  if (compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
    return std::nullopt;
  const bool bottomUp = rawHeight > 0;
  const std::int64_t height = bottomUp ? rawHeight : -static_cast<std::int64_t>(rawHeight);
  if (!scanSizeAcceptable(width, height)) return std::nullopt;

  // The colour table follows the information header; a count of 0 means the full table.
  std::vector<std::uint8_t> palette;
  if (bits <= 8) {
    std::uint32_t colours = bmpLittle32(bytes, 46);
    if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
    const std::size_t tableAt = kBmpFileHeaderSize + infoSize;
    if (tableAt + 4ull * colours > bytes.size()) return std::nullopt;
    palette.assign(bytes.begin() + static_cast<std::ptrdiff_t>(tableAt),
                   bytes.begin() + static_cast<std::ptrdiff_t>(tableAt + 4ull * colours));
  }
  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  if (dataOffset > bytes.size() || stride * height > bytes.size() - dataOffset) return std::nullopt;

  ScanPicture picture;
  picture.width = width;
  picture.height = static_cast<int>(height);
  picture.monochrome = bits == 1;
  picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  const std::size_t colourCount = palette.size() / 4;
  for (std::int64_t y = 0; y < height; ++y) {
    const std::int64_t fileRow = bottomUp ? height - 1 - y : y;
    const auto* row =
        reinterpret_cast<const std::uint8_t*>(bytes.data()) + dataOffset + fileRow * stride;
    std::uint8_t* out = picture.rgb.data() + static_cast<std::size_t>(y) * width * 3;
    for (std::int32_t x = 0; x < width; ++x, out += 3) {
      if (bits >= 24) {
        const std::uint8_t* p = row + static_cast<std::size_t>(x) * (bits / 8);
        out[0] = p[2];
        out[1] = p[1];
        out[2] = p[0];
        continue;
      }
      const std::size_t bit = static_cast<std::size_t>(x) * bits;
      const int shift = 8 - bits - static_cast<int>(bit % 8);
      std::size_t index = (row[bit / 8] >> shift) & ((1u << bits) - 1);
      if (index >= colourCount) index = 0;
      out[0] = palette[index * 4 + 2];
      out[1] = palette[index * 4 + 1];
      out[2] = palette[index * 4];
    }
  }
  return picture;
}

std::optional<ScanPicture> readJpegScan(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  ScanPicture picture;
  if (!decompressScan(bytes, picture)) return std::nullopt;
  return picture;
}

int bmpScanResolution(std::string_view bytes) {
  if (bytes.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize) return 0;
  const auto perMetre = static_cast<std::int32_t>(bmpLittle32(bytes, 38));
  return static_cast<int>(roundHalfEven(perMetre * 2.54 / 100.0));
}

int jfifScanResolution(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, kJfifSearchBytes);
  const std::size_t k = head.find(std::string_view("JFIF\0", 5));
  // The unit and both density bytes must lie within the file.
  if (k == std::string_view::npos || k + 10 > bytes.size()) return 0;
  const int unit = static_cast<std::uint8_t>(bytes[k + 7]);
  const int density =
      (static_cast<std::uint8_t>(bytes[k + 8]) << 8) | static_cast<std::uint8_t>(bytes[k + 9]);
  if (unit == 2) return static_cast<int>(roundHalfEven(density * 2.54));
  return density;
}

int scanResolutionField(int readDpi) {
  if (readDpi < 0 || readDpi > 6000) readDpi = 0;
  if (readDpi < 21) return 300;
  return std::clamp(readDpi, 20, 2400);
}

}  // namespace pravelo
