#include "cli/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace pravelo {
namespace {

// An odd-sized frame of flat areas and pseudo-random pixels, so that some rows compress well
// and others hardly at all.
Frame sampleFrame() {
  Frame frame(301, 77);
  std::uint32_t seed = 12345;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      std::uint8_t* p = frame.row(y) + 4 * x;
      seed = seed * 1103515245u + 12345u;
      const bool noisy = (y / 8) % 2 == 1;
      p[0] = noisy ? static_cast<std::uint8_t>(seed >> 24) : 30;
      p[1] = noisy ? static_cast<std::uint8_t>(seed >> 16) : static_cast<std::uint8_t>(x);
      p[2] = noisy ? static_cast<std::uint8_t>(seed >> 8) : static_cast<std::uint8_t>(y);
      p[3] = 255;
    }
  }
  return frame;
}

TEST(PngFile, DecodesToTheSameOpaqueRgbPixels) {
  testing::TempFolder folder;
  const std::string file = folder.file("frame.png");
  const Frame frame = sampleFrame();
  ASSERT_TRUE(writePngFile(file, frame));

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, file.c_str())) << image.message;
  EXPECT_EQ(image.format, static_cast<png_uint_32>(PNG_FORMAT_RGB)) << "no alpha channel stored";
  ASSERT_EQ(image.width, 301u);
  ASSERT_EQ(image.height, 77u);
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) << image.message;
  for (std::size_t i = 0; i < rgb.size() / 3; ++i) {
    for (std::size_t c = 0; c < 3; ++c) {
      ASSERT_EQ(rgb[3 * i + c], frame.pixels[4 * i + c]) << "pixel " << i << " channel " << c;
    }
  }
}

TEST(PngFile, FailedWriteLeavesNothing) {
  testing::TempFolder folder;
  const std::string file = folder.file("missing/frame.png");
  EXPECT_FALSE(writePngFile(file, sampleFrame()));
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace pravelo
