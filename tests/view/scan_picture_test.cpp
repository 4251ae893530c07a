// The scan readers: pictures and resolutions from bitmaps and JPEG files, and refusal of
// damaged headers.

#include "view/scan_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "manufacturing/jpeg_file.h"
#include "support/file_bytes.h"

namespace pravelo {
namespace {

void scanPut32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A bottom-up 1-bit bitmap of `width` x `height`, palette black then white, every pixel white
// except the top-left one.
std::string monochromeBmp(int width, int height, std::uint32_t pixelsPerMetre) {
  const std::size_t stride = ((width + 31) / 32) * 4;
  std::string s(14 + 40 + 8 + stride * height, '\0');
  s[0] = 'B';
  s[1] = 'M';
  scanPut32(s, 2, static_cast<std::uint32_t>(s.size()));
  scanPut32(s, 10, 14 + 40 + 8);
  scanPut32(s, 14, 40);
  scanPut32(s, 18, static_cast<std::uint32_t>(width));
  scanPut32(s, 22, static_cast<std::uint32_t>(height));
  s[26] = 1;
  s[28] = 1;
  scanPut32(s, 38, pixelsPerMetre);
  scanPut32(s, 42, pixelsPerMetre);
  for (int i = 0; i < 3; ++i) s[58 + i] = static_cast<char>(0xFF);
  for (std::size_t i = 62; i < s.size(); ++i) s[i] = static_cast<char>(0xFF);
  s[62 + stride * (height - 1)] = 0x7F;  // the last row in the file is the top one
  return s;
}

std::string grayJpeg(int dpi) {
  ImageRaster raster;
  raster.width = 16;
  raster.height = 8;
  raster.colour = true;
  raster.dpi = dpi;
  raster.stride = 16 * 3;
  raster.data.assign(raster.stride * 8, 200);
  return jpegFileBytes(raster, 90);
}

TEST(ScanPictureTest, ReadsMonochromeBitmapTopRowFirst) {
  const std::optional<ScanPicture> picture = readBmpScan(monochromeBmp(10, 3, 11811));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 10);
  EXPECT_EQ(picture->height, 3);
  EXPECT_TRUE(picture->monochrome);
  EXPECT_EQ(picture->rgb[0], 0);
  EXPECT_EQ(picture->rgb[3], 255);
  EXPECT_EQ(picture->rgb[(2 * 10) * 3], 255);
}

TEST(ScanPictureTest, RefusesDamagedBitmapHeaders) {
  const std::string good = monochromeBmp(10, 3, 11811);
  std::string shortHeader = good.substr(0, 50);
  std::string smallInfo = good;
  scanPut32(smallInfo, 14, 12);
  std::string hugeInfo = good;
  scanPut32(hugeInfo, 14, 0x7FFFFFFF);
  std::string dataOutside = good;
  scanPut32(dataOutside, 10, 0xFFFFFFF0);
  std::string tooTall = good;
  scanPut32(tooTall, 22, 1000);
  std::string hugeSize = good;
  scanPut32(hugeSize, 18, 0x7FFFFFFF);
  scanPut32(hugeSize, 22, 0x7FFFFFFF);
  std::string compressed = good;
  scanPut32(compressed, 30, 1);
  for (const std::string* bad :
       {&shortHeader, &smallInfo, &hugeInfo, &dataOutside, &tooTall, &hugeSize, &compressed})
    EXPECT_FALSE(readBmpScan(*bad));
}

TEST(ScanPictureTest, BitmapResolutionFromPixelsPerMetre) {
  EXPECT_EQ(bmpScanResolution(monochromeBmp(8, 1, 11811)), 300);
  EXPECT_EQ(bmpScanResolution(monochromeBmp(8, 1, 23622)), 600);
  EXPECT_EQ(bmpScanResolution(monochromeBmp(8, 1, 0)), 0);
  EXPECT_EQ(bmpScanResolution("BM"), 0);
}

TEST(ScanPictureTest, DecodesJpegAndItsDensity) {
  const std::string jpeg = grayJpeg(600);
  const std::optional<ScanPicture> picture = readJpegScan(jpeg);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 16);
  EXPECT_EQ(picture->height, 8);
  EXPECT_FALSE(picture->monochrome);
  EXPECT_EQ(jfifScanResolution(jpeg), 600);
  EXPECT_FALSE(readJpegScan(jpeg.substr(0, 20)));
  EXPECT_FALSE(readJpegScan("not a picture"));
}

TEST(ScanPictureTest, JfifDensityUnitsAndBounds) {
  const std::string jfif("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01", 13);
  struct Case {
    std::string bytes;
    int dpi;
  };
  const Case cases[] = {
      {jfif + std::string("\x01\x01\x2C\x01\x2C", 5), 300},  // dots per inch
      {jfif + std::string("\x02\x00\x76\x00\x76", 5), 300},  // 118 dots per cm
      {jfif + std::string("\x00\x00\x48\x00\x48", 5), 72},   // no unit: the number as it is
      {jfif + std::string("\x01\x01", 2), 0},                // density cut off by the file's end
      {std::string(60, 'x') + "JFIF" + std::string(6, '\0'), 0},  // beyond the first 50 bytes
      {"\xFF\xD8\xFF\xDB", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(jfifScanResolution(c.bytes), c.dpi) << c.bytes.size();
}

TEST(ScanPictureTest, ResolutionFieldFallsBackAndClamps) {
  const std::pair<int, int> cases[] = {{0, 300},   {20, 300},    {21, 21},     {-5, 300},
                                       {600, 600}, {2400, 2400}, {5000, 2400}, {6001, 300}};
  for (const auto& [read, field] : cases) EXPECT_EQ(scanResolutionField(read), field) << read;
}

// The kept fuzzing inputs: each is read or refused, and the whole ones give their resolution.
TEST(ScanPictureTest, FuzzSeedsReadOrAreRefused) {
  const std::filesystem::path corpus = std::filesystem::path(PRAVELO_SOURCE_DIR) / "fuzz/corpus";
  for (const auto& entry : std::filesystem::directory_iterator(corpus / "bmp_scan")) {
    const std::string bytes = testing::fileBytes(entry.path());
    readBmpScan(bytes);
    scanResolutionField(bmpScanResolution(bytes));
  }
  for (const auto& entry : std::filesystem::directory_iterator(corpus / "jpeg_scan")) {
    const std::string bytes = testing::fileBytes(entry.path());
    readJpegScan(bytes);
    scanResolutionField(jfifScanResolution(bytes));
  }
  const std::string mono = testing::fileBytes(corpus / "bmp_scan/mono-300dpi.bmp");
  ASSERT_TRUE(readBmpScan(mono));
  EXPECT_EQ(readBmpScan(mono)->width, 17);
  EXPECT_EQ(bmpScanResolution(mono), 300);
  EXPECT_TRUE(readBmpScan(testing::fileBytes(corpus / "bmp_scan/grey-8bit.bmp")));
  EXPECT_TRUE(readBmpScan(testing::fileBytes(corpus / "bmp_scan/rgb-24bit.bmp")));
  const std::string perCm = testing::fileBytes(corpus / "jpeg_scan/gradient-per-cm.jpg");
  EXPECT_TRUE(readJpegScan(perCm));
  EXPECT_EQ(jfifScanResolution(perCm), 300);
  EXPECT_FALSE(readJpegScan(testing::fileBytes(corpus / "jpeg_scan/cut-short.jpg")));
}

}  // namespace
}  // namespace pravelo
