#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/text.h"
#include "document/document.h"
#include "view/colour_scheme.h"
#include "view/render_options.h"

namespace pravelo {

// The picture formats: three rasters and two vector formats.
enum class ImageFormat { Bitmap, Gif, Jpeg, Emf, Svg };

// What the export dialog chooses: the resolution step p (p x 100 dpi) and colour or black and
// white.
struct ImageChoice {
  ImageFormat format = ImageFormat::Bitmap;
  int step = 6;
  bool colour = true;
};

inline constexpr int kMinImageStep = 1;
inline constexpr int kMaxImageStep = 12;
// Above this memory need the dialog asks before it goes on.
inline constexpr std::int64_t kLargeBitmapKb = 25000;

inline int imageDpi(int step) { return step * 100; }
inline bool isRasterFormat(ImageFormat format) {
  return format == ImageFormat::Bitmap || format == ImageFormat::Gif || format == ImageFormat::Jpeg;
}

// The file-name ending of a format, without the dot, and the file chooser's filter.
const char* imageFileSuffix(ImageFormat format);
const Text& imageFileFilter(ImageFormat format);

struct ImagePixels {
  std::int64_t width = 0;
  std::int64_t height = 0;
  friend bool operator==(const ImagePixels&, const ImagePixels&) = default;
};

// The board at p x 100 dpi: round(p x 100 x board mm / 25.4) on each side.
ImagePixels imagePixels(const BoardHeader& header, int step);
// The dialog's memory figure in kB: a colour pixel takes three bytes, a black-and-white one a bit.
std::int64_t imageMemoryKb(ImagePixels pixels, bool colour);

// The four figures the export dialog shows: "160.0 mm x 100.0 mm", "3780 x 2362", "600 dpi",
// "26157 kB".
struct ImageFigures {
  std::string size;
  std::string pixels;
  std::string resolution;
  std::string memory;
};
ImageFigures imageFigures(const BoardHeader& header, int step, bool colour);

// The computer's memory in bytes.
std::int64_t physicalMemoryBytes();

// Why a picture of this size cannot be made in the format (each side's limit, the BMP file's
// 4 GB, `memory` bytes for the picture and its file); empty when it can.
std::string imageSizeProblem(ImageFormat format, ImagePixels pixels, bool colour,
                             std::int64_t memory);

// A picture for the raster encoders, rows top to bottom: colour rows hold R, G, B bytes;
// black-and-white rows hold one bit a pixel, the leftmost in the highest bit, 1 for black.
struct ImageRaster {
  int width = 0;
  int height = 0;
  bool colour = true;
  int dpi = 0;
  std::size_t stride = 0;  // bytes a row
  std::vector<std::uint8_t> data;

  const std::uint8_t* row(int y) const { return data.data() + stride * y; }
  std::uint8_t* row(int y) { return data.data() + stride * y; }
  bool black(int x, int y) const { return (row(y)[x / 8] >> (7 - x % 8)) & 1; }
};

// Draws every visible layer of the board as the view shows it (without grid, selection,
// handles, rubber bands and origin) at the chosen resolution. `display` carries the user's
// display settings. Throws std::bad_alloc when the memory runs out.
ImageRaster renderImageRaster(const Board& board, const ColourScheme& scheme,
                              const RenderOptions& display, const ImageChoice& choice);

// The picture file's bytes, or the message why it cannot be made.
struct ImageFile {
  std::string bytes;
  std::string problem;
};
ImageFile imageFile(const Board& board, const ColourScheme& scheme, const RenderOptions& display,
                    const ImageChoice& choice);

}  // namespace pravelo
