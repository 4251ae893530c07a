#include "manufacturing/gif_file.h"

#include <gif_lib.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace pravelo {
namespace {

constexpr int kGifCubeRed = 6;
constexpr int kGifCubeGreen = 7;
constexpr int kGifCubeBlue = 6;

std::uint32_t gifColourKey(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}

// How a colour picture's pixels become palette indices.
struct GifPalette {
  std::vector<GifColorType> colours;
  std::unordered_map<std::uint32_t, GifPixelType> exact;  // empty: the colour cube
};

int gifCubeStep(std::uint8_t v, int levels) { return (v * (levels - 1) + 127) / 255; }

GifPalette gifPalette(const ImageRaster& raster) {
  GifPalette palette;
  if (!raster.colour) {
    palette.colours = {{255, 255, 255}, {0, 0, 0}};
    return palette;
  }
  for (int y = 0; y < raster.height; ++y) {
    const std::uint8_t* p = raster.row(y);
    for (int x = 0; x < raster.width; ++x, p += 3) {
      const auto [at, added] = palette.exact.try_emplace(
          gifColourKey(p), static_cast<GifPixelType>(palette.colours.size()));
      if (!added) continue;
      if (palette.colours.size() == 256) {
        palette.exact.clear();
        palette.colours.clear();
        for (int r = 0; r < kGifCubeRed; ++r) {
          for (int g = 0; g < kGifCubeGreen; ++g) {
            for (int b = 0; b < kGifCubeBlue; ++b) {
              palette.colours.push_back({static_cast<GifByteType>(r * 255 / (kGifCubeRed - 1)),
                                         static_cast<GifByteType>(g * 255 / (kGifCubeGreen - 1)),
                                         static_cast<GifByteType>(b * 255 / (kGifCubeBlue - 1))});
            }
          }
        }
        return palette;
      }
      palette.colours.push_back({p[0], p[1], p[2]});
    }
  }
  return palette;
}

GifPixelType gifIndex(const GifPalette& palette, const std::uint8_t* p) {
  if (!palette.exact.empty()) return palette.exact.at(gifColourKey(p));
  return static_cast<GifPixelType>(
      (gifCubeStep(p[0], kGifCubeRed) * kGifCubeGreen + gifCubeStep(p[1], kGifCubeGreen)) *
          kGifCubeBlue +
      gifCubeStep(p[2], kGifCubeBlue));
}

int appendGifBytes(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

[[noreturn]] void gifFailed(int error) { throw std::runtime_error(GifErrorString(error)); }

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
  }
};

struct GifMapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

std::string gifFileBytes(const ImageRaster& raster) {
  const GifPalette palette = gifPalette(raster);
  int size = 2;
  int bits = 1;
  while (size < static_cast<int>(palette.colours.size())) {
    size *= 2;
    ++bits;
  }
  std::vector<GifColorType> entries = palette.colours;
  entries.resize(size, GifColorType{0, 0, 0});
  const std::unique_ptr<ColorMapObject, GifMapFree> map(GifMakeMapObject(size, entries.data()));
  if (!map) throw std::bad_alloc();
  std::string bytes;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendGifBytes, &error));
  if (!gif) gifFailed(error);
  if (EGifPutScreenDesc(gif.get(), raster.width, raster.height, bits, 0, map.get()) == GIF_ERROR ||
      EGifPutImageDesc(gif.get(), 0, 0, raster.width, raster.height, false, nullptr) == GIF_ERROR) {
    gifFailed(gif->Error);
  }
  std::vector<GifPixelType> line(raster.width);
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      line[x] = raster.colour ? gifIndex(palette, raster.row(y) + 3 * static_cast<std::size_t>(x))
                              : static_cast<GifPixelType>(raster.black(x, y));
    }
    if (EGifPutLine(gif.get(), line.data(), raster.width) == GIF_ERROR) gifFailed(gif->Error);
  }
  GifFileType* done = gif.release();
  if (EGifCloseFile(done, &error) == GIF_ERROR) gifFailed(error);
  return bytes;
}

}  // namespace pravelo
