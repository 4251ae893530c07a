#include "manufacturing/jpeg_file.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace pravelo {
namespace {

// libjpeg ends the process on an error unless the handler jumps back out of it.
struct JpegWriteError {
  jpeg_error_mgr manager;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

void jpegWriteFailed(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegWriteError*>(info->err);
  info->err->format_message(info, error->message);
  std::longjmp(error->back, 1);
}

// Everything between setjmp and the end lives in C structures, so the jump skips no destructor.
bool compressJpeg(const ImageRaster& raster, int quality, std::vector<JSAMPLE>& grey,
                  unsigned char** buffer, unsigned long* size, JpegWriteError& error) {
  jpeg_compress_struct info{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = jpegWriteFailed;
  if (setjmp(error.back)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(raster.width);
  info.image_height = static_cast<JDIMENSION>(raster.height);
  info.input_components = raster.colour ? 3 : 1;
  info.in_color_space = raster.colour ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.write_JFIF_header = TRUE;
  info.density_unit = 1;  // dots per inch
  info.X_density = static_cast<UINT16>(raster.dpi);
  info.Y_density = static_cast<UINT16>(raster.dpi);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    JSAMPROW row = nullptr;
    if (raster.colour) {
      row = const_cast<JSAMPLE*>(raster.row(y));
    } else {
      for (int x = 0; x < raster.width; ++x) grey[x] = raster.black(x, y) ? 0 : 255;
      row = grey.data();
    }
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::string jpegFileBytes(const ImageRaster& raster, int quality) {
  std::vector<JSAMPLE> grey(raster.colour ? 0 : raster.width);
  JpegWriteError error{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool done = compressJpeg(raster, quality, grey, &buffer, &size, error);
  std::string bytes;
  if (done) bytes.assign(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  if (!done) throw std::runtime_error(error.message);
  return bytes;
}

}  // namespace pravelo
