#include "cli/png_file.h"

#include <png.h>

#include <string>

#include "document/atomic_file.h"

namespace pravelo {

bool writePngFile(const std::filesystem::path& file, const Frame& frame, std::error_code* error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(frame.width);
  image.height = static_cast<png_uint_32>(frame.height);
  // The frame's alpha is always opaque; RGB keeps the file small.
  std::string rgb(static_cast<std::size_t>(frame.width) * frame.height * 3, '\0');
  for (std::size_t i = 0, n = static_cast<std::size_t>(frame.width) * frame.height; i < n; ++i) {
    rgb[3 * i] = static_cast<char>(frame.pixels[4 * i]);
    rgb[3 * i + 1] = static_cast<char>(frame.pixels[4 * i + 1]);
    rgb[3 * i + 2] = static_cast<char>(frame.pixels[4 * i + 2]);
  }
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return false;
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
    return false;
  }
  bytes.resize(size);
  return writeFileAtomically(file, bytes, error);
}

}  // namespace pravelo
