#include "manufacturing/image_export.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <new>
#include <stdexcept>

#include "base/units.h"
#include "manufacturing/bmp_file.h"
#include "manufacturing/gif_file.h"
#include "manufacturing/image_texts.h"
#include "manufacturing/jpeg_file.h"
#include "manufacturing/vector_picture.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

constexpr double kImageUnitsPerInch = 254000;
// The renderer's scanlines count pixels in 16 bits, so large pictures are drawn in tiles.
constexpr int kImageTileSide = 4096;
constexpr std::int64_t kGifSideLimit = 65535;
constexpr std::int64_t kJpegSideLimit = 65500;
constexpr std::int64_t kBmpFileLimit = 0xFFFFFFFFLL;
constexpr int kJpegQuality = 90;

std::size_t imageStride(std::int64_t width, bool colour) {
  return static_cast<std::size_t>(colour ? width * 3 : (width + 7) / 8);
}

// The display settings that belong to the picture; everything the tools add stays off.
RenderOptions pictureOptions(const RenderOptions& display, const ImageChoice& choice) {
  RenderOptions o;
  o.showGrid = false;
  o.showOrigin = false;
  o.finishedBoard = true;
  if (!choice.colour) {
    // White ink on black, read back as black on white paper: plain edges, no shading.
    o.antiAliased = false;
    o.allWhite = true;
    o.darkGroundPlane = false;
    o.allGroundPlanes = display.allGroundPlanes;
    return o;
  }
  // A GIF palette holds the scheme's colours only when edges are not blended.
  o.antiAliased = choice.format != ImageFormat::Gif;
  o.transparent = display.transparent;
  o.darkGroundPlane = display.darkGroundPlane;
  o.allGroundPlanes = display.allGroundPlanes;
  o.drillHoleColour = display.drillHoleColour;
  return o;
}

ColourScheme blackWhiteScheme() {
  ColourScheme scheme;
  scheme.colours.fill({255, 255, 255});
  scheme.colours[kSlotBackground] = {0, 0, 0};
  return scheme;
}

void copyTile(const Frame& tile, int left, int top, ImageRaster& raster) {
  for (int y = 0; y < tile.height; ++y) {
    const std::uint8_t* from = tile.row(y);
    std::uint8_t* to = raster.row(top + y);
    for (int x = 0; x < tile.width; ++x, from += 4) {
      if (raster.colour) {
        std::copy(from, from + 3, to + 3 * static_cast<std::size_t>(left + x));
      } else if ((from[0] | from[1] | from[2]) >= 128) {
        to[(left + x) / 8] |= static_cast<std::uint8_t>(0x80 >> ((left + x) % 8));
      }
    }
  }
}

}  // namespace

const char* imageFileSuffix(ImageFormat format) {
  switch (format) {
    case ImageFormat::Gif:
      return "gif";
    case ImageFormat::Jpeg:
      return "jpg";
    case ImageFormat::Emf:
      return "emf";
    case ImageFormat::Svg:
      return "svg";
    case ImageFormat::Bitmap:
      break;
  }
  return "bmp";
}

const Text& imageFileFilter(ImageFormat format) {
  switch (format) {
    case ImageFormat::Gif:
      return texts::imageFileFilterGif;
    case ImageFormat::Jpeg:
      return texts::imageFileFilterJpeg;
    case ImageFormat::Emf:
      return texts::imageFileFilterEmf;
    case ImageFormat::Svg:
      return texts::imageFileFilterSvg;
    case ImageFormat::Bitmap:
      break;
  }
  return texts::imageFileFilterBitmap;
}

ImageFigures imageFigures(const BoardHeader& header, int step, bool colour) {
  const auto mm = [](std::int32_t units) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, units / 10000.0, std::chars_format::fixed, 1);
    return std::string(buffer, end.ptr);
  };
  const ImagePixels pixels = imagePixels(header, step);
  return {mm(header.width) + " mm x " + mm(header.height) + " mm",
          std::to_string(pixels.width) + " x " + std::to_string(pixels.height),
          std::to_string(imageDpi(step)) + " dpi",
          std::to_string(imageMemoryKb(pixels, colour)) + " kB"};
}

std::int64_t physicalMemoryBytes() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return INT64_MAX;
  return static_cast<std::int64_t>(pages) * pageSize;
}

ImagePixels imagePixels(const BoardHeader& header, int step) {
  const double dpi = imageDpi(step);
  return {roundHalfEven(dpi * header.width / kImageUnitsPerInch),
          roundHalfEven(dpi * header.height / kImageUnitsPerInch)};
}

std::int64_t imageMemoryKb(ImagePixels pixels, bool colour) {
  const std::int64_t kilopixels =
      roundHalfEven(static_cast<double>(pixels.width) * static_cast<double>(pixels.height) / 1024);
  return colour ? kilopixels * 3 : kilopixels / 8;
}

std::string imageSizeProblem(ImageFormat format, ImagePixels pixels, bool colour,
                             std::int64_t memory) {
  if (!isRasterFormat(format)) return {};
  const std::string w = std::to_string(pixels.width);
  const std::string h = std::to_string(pixels.height);
  const std::int64_t side = std::max(pixels.width, pixels.height);
  if (format == ImageFormat::Gif && side > kGifSideLimit) {
    return fillIn(texts::imageTooWideForFormat, {w, h, "GIF", std::to_string(kGifSideLimit)});
  }
  if (format == ImageFormat::Jpeg && side > kJpegSideLimit) {
    return fillIn(texts::imageTooWideForFormat, {w, h, "JPEG", std::to_string(kJpegSideLimit)});
  }
  const double rasterBytes =
      static_cast<double>(imageStride(pixels.width, colour)) * static_cast<double>(pixels.height);
  if (format == ImageFormat::Bitmap &&
      static_cast<double>(bmpFileSize(pixels.width, pixels.height, colour)) > kBmpFileLimit) {
    return fillIn(texts::imageTooLargeForFile, {w, h});
  }
  // The picture, one drawing tile, and the encoded file beside it.
  const double tileBytes = 4.0 * kImageTileSide * kImageTileSide;
  if (side > INT32_MAX || 2 * rasterBytes + tileBytes > static_cast<double>(memory)) {
    return fillIn(texts::imageOutOfMemory, {w, h});
  }
  return {};
}

ImageRaster renderImageRaster(const Board& board, const ColourScheme& scheme,
                              const RenderOptions& display, const ImageChoice& choice) {
  const ImagePixels pixels = imagePixels(board.header, choice.step);
  ImageRaster raster;
  raster.width = static_cast<int>(pixels.width);
  raster.height = static_cast<int>(pixels.height);
  raster.colour = choice.colour;
  raster.dpi = imageDpi(choice.step);
  raster.stride = imageStride(pixels.width, choice.colour);
  raster.data.assign(raster.stride * raster.height, 0);
  const RenderOptions options = pictureOptions(display, choice);
  const ColourScheme& colours = choice.colour ? scheme : blackWhiteScheme();
  const double zoom = raster.dpi / kImageUnitsPerInch;
  for (int top = 0; top < raster.height; top += kImageTileSide) {
    for (int left = 0; left < raster.width; left += kImageTileSide) {
      Frame tile(std::min(kImageTileSide, raster.width - left),
                 std::min(kImageTileSide, raster.height - top));
      renderBoard(board, ViewTransform{zoom, left, top}, colours, options, tile);
      copyTile(tile, left, top, raster);
    }
  }
  return raster;
}

ImageFile imageFile(const Board& board, const ColourScheme& scheme, const RenderOptions& display,
                    const ImageChoice& choice) {
  ImageFile file;
  if (!isRasterFormat(choice.format)) {
    const VectorPicture picture = composeVectorPicture(board, scheme, display, choice.colour);
    file.bytes = choice.format == ImageFormat::Emf ? emfFileBytes(picture) : svgFileBytes(picture);
    return file;
  }
  const ImagePixels pixels = imagePixels(board.header, choice.step);
  file.problem = imageSizeProblem(choice.format, pixels, choice.colour, physicalMemoryBytes());
  if (!file.problem.empty()) return file;
  try {
    const ImageRaster raster = renderImageRaster(board, scheme, display, choice);
    switch (choice.format) {
      case ImageFormat::Gif:
        file.bytes = gifFileBytes(raster);
        break;
      case ImageFormat::Jpeg:
        file.bytes = jpegFileBytes(raster, kJpegQuality);
        break;
      default:
        file.bytes = bmpFileBytes(raster);
        break;
    }
  } catch (const std::bad_alloc&) {
    file.bytes.clear();
    file.problem = fillIn(texts::imageOutOfMemory,
                          {std::to_string(pixels.width), std::to_string(pixels.height)});
  } catch (const std::runtime_error& error) {
    // The encoding library gives its reason in English only.
    file.bytes.clear();
    file.problem = fillIn(texts::imageEncodingFailed, {error.what()});
  }
  return file;
}

}  // namespace pravelo
