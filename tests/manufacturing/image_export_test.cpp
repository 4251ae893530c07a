#include "manufacturing/image_export.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstring>
#include <memory>

#include "manufacturing/bmp_file.h"
#include "manufacturing/gif_file.h"
#include "manufacturing/jpeg_file.h"
#include "manufacturing/vector_picture.h"
#include "support/sample_layout.h"
#include "view/colour_scheme.h"

namespace pravelo {
namespace {

constexpr std::int64_t kPlentyOfMemory = std::int64_t{1} << 40;

std::uint32_t le32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

std::uint16_t le16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// A board of `widthMm` x 10 mm with one C1 track across it at half height, from x0 to x1 mm.
Board trackBoard(double widthMm, float x0Mm, float x1Mm) {
  Board board;
  board.header = newBoardHeader(static_cast<std::int32_t>(widthMm * 10000), 100000);
  board.header.activeLayer = kLayerC1;
  testing::add(board, testing::strokeTrack(x0Mm * 10000, -50000, x1Mm * 10000, -50000, kLayerC1));
  board.objects.back()->width = 20000;  // 2 mm
  return board;
}

// Column of a millimetre position at p x 100 dpi.
int columnAt(double mm, int step) { return static_cast<int>(mm / 25.4 * step * 100); }

TEST(ImageExportSize, PixelsAndMemoryFollowTheResolutionStep) {
  BoardHeader header = newBoardHeader(1600000, 1000000);
  struct Case {
    int step;
    bool colour;
    ImagePixels pixels;
    std::int64_t kb;
  };
  // clang-format off
  const Case cases[] = {
      {6,  true,  {3780, 2362}, 26157},
      {6,  false, {3780, 2362}, 1089},
      {1,  true,  {630, 394},   726},
      {12, false, {7559, 4724}, 4359},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    EXPECT_EQ(imagePixels(header, c.step), c.pixels);
    EXPECT_EQ(imageMemoryKb(c.pixels, c.colour), c.kb);
  }
  const ImageFigures figures = imageFigures(header, 6, true);
  EXPECT_EQ(figures.size, "160.0 mm x 100.0 mm");
  EXPECT_EQ(figures.pixels, "3780 x 2362");
  EXPECT_EQ(figures.resolution, "600 dpi");
  EXPECT_EQ(figures.memory, "26157 kB");
  EXPECT_GT(imageMemoryKb({3780, 2362}, true), kLargeBitmapKb);
  EXPECT_LT(imageMemoryKb({3780, 2362}, false), kLargeBitmapKb);
}

TEST(ImageExportSize, PicturesBeyondAFormatsLimitsAreRefusedWithAMessage) {
  struct Case {
    ImageFormat format;
    ImagePixels pixels;
    bool colour;
    std::int64_t memory;
    bool refused;
  };
  // clang-format off
  const Case cases[] = {
      {ImageFormat::Gif,    {65535, 10},    true,  kPlentyOfMemory, false},
      {ImageFormat::Gif,    {10, 65536},    true,  kPlentyOfMemory, true},
      {ImageFormat::Jpeg,   {65500, 10},    true,  kPlentyOfMemory, false},
      {ImageFormat::Jpeg,   {65501, 10},    true,  kPlentyOfMemory, true},
      {ImageFormat::Bitmap, {40000, 36000}, true,  kPlentyOfMemory, true},   // over 4 GB of file
      {ImageFormat::Bitmap, {40000, 36000}, false, kPlentyOfMemory, false},  // 1 bit: 180 MB
      {ImageFormat::Jpeg,   {20000, 20000}, true,  std::int64_t{1} << 30, true},  // 2.4 GB
      {ImageFormat::Svg,    {900000, 900000}, true, 0, false},  // vectors need no raster
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pixels.width) + "x" + std::to_string(c.pixels.height));
    const std::string problem = imageSizeProblem(c.format, c.pixels, c.colour, c.memory);
    EXPECT_EQ(!problem.empty(), c.refused) << problem;
  }
}

TEST(ImageExportSize, TheExportOfAnImpossiblePictureTellsWhyAndWritesNothing) {
  // 1700 mm at 1000 dpi is 66929 pixels wide: beyond GIF's 65535.
  const Board board = trackBoard(1700, 1, 2);
  const ImageFile file =
      imageFile(board, standardScheme(), RenderOptions{}, {ImageFormat::Gif, 10, false});
  EXPECT_TRUE(file.bytes.empty());
  EXPECT_NE(file.problem.find("66929"), std::string::npos) << file.problem;
}

TEST(ImageExportRaster, ShowsVisibleObjectsInTheirColourAndSelectedOnesUnhighlighted) {
  Board board = trackBoard(20, 2, 18);
  board.objects.back()->selected = 1;
  testing::add(board, testing::strokeTrack(100000, -20000, 100000, -80000, kLayerS2));
  board.header.layerVisible[kLayerS2 - 1] = 0;
  const ColourScheme scheme = standardScheme();
  const ImageRaster raster =
      renderImageRaster(board, scheme, RenderOptions{}, {ImageFormat::Bitmap, 3, true});
  ASSERT_EQ(raster.width, 236);
  const auto at = [&](double xMm, double yMm) {
    const std::uint8_t* p = raster.row(columnAt(yMm, 3)) + 3 * columnAt(xMm, 3);
    return Rgb{p[0], p[1], p[2]};
  };
  EXPECT_EQ(at(5, 5), scheme.layer(kLayerC1));
  EXPECT_EQ(at(10, 3), scheme.background());  // the hidden S2 track
  EXPECT_EQ(at(1, 1), scheme.background());
}

TEST(ImageExportRaster, BlackAndWhiteIsBlackInkOnWhitePaper) {
  const Board board = trackBoard(20, 2, 18);
  const ImageRaster raster =
      renderImageRaster(board, standardScheme(), RenderOptions{}, {ImageFormat::Bitmap, 3, false});
  EXPECT_FALSE(raster.colour);
  EXPECT_EQ(raster.stride, (236u + 7) / 8);
  EXPECT_TRUE(raster.black(columnAt(5, 3), columnAt(5, 3)));
  EXPECT_FALSE(raster.black(columnAt(5, 3), columnAt(1, 3)));
}

// Large pictures are drawn in tiles; a track across a tile border must stay where it is.
TEST(ImageExportRaster, TilesJoinWithoutShift) {
  const Board board = trackBoard(1200, 1000, 1100);  // 4724 pixels wide at 100 dpi
  const ImageRaster raster =
      renderImageRaster(board, standardScheme(), RenderOptions{}, {ImageFormat::Bitmap, 1, false});
  const int row = columnAt(5, 1);
  int first = -1;
  int last = -1;
  for (int x = 0; x < raster.width; ++x) {
    if (!raster.black(x, row)) continue;
    if (first < 0) first = x;
    last = x;
  }
  // Across the first tile's edge at 4096 pixels; with its round 2 mm ends 999 .. 1101 mm.
  EXPECT_NEAR(first, 999 / 25.4 * 100, 1.5);
  EXPECT_NEAR(last, 1101 / 25.4 * 100, 1.5);
  for (int x = first; x <= last; ++x) ASSERT_TRUE(raster.black(x, row)) << x;
}

ImageRaster smallRaster(bool colour) {
  ImageRaster r;
  r.width = 3;
  r.height = 2;
  r.colour = colour;
  r.dpi = 600;
  r.stride = colour ? 9 : 1;
  r.data.assign(r.stride * 2, 0);
  if (colour) {
    for (int i = 0; i < 9; ++i) r.data[i] = static_cast<std::uint8_t>(10 + i);  // top row
  } else {
    r.data[0] = 0xA0;  // top row: black, white, black
  }
  return r;
}

TEST(BmpFile, HeaderGivesSizeDepthAndResolutionAndRowsRunBottomUp) {
  const std::string colour = bmpFileBytes(smallRaster(true));
  ASSERT_EQ(colour.size(), 54u + 2 * 12);
  EXPECT_EQ(colour.substr(0, 2), "BM");
  EXPECT_EQ(le32(colour, 2), colour.size());
  EXPECT_EQ(le32(colour, 10), 54u);
  EXPECT_EQ(le32(colour, 18), 3u);
  EXPECT_EQ(le32(colour, 22), 2u);
  EXPECT_EQ(le16(colour, 28), 24);
  EXPECT_EQ(le32(colour, 38), 23622u);  // 600 dpi in pixels per metre
  // The top row is stored last, blue first, padded to 12 bytes.
  EXPECT_EQ(static_cast<unsigned char>(colour[54 + 12]), 12);
  EXPECT_EQ(static_cast<unsigned char>(colour[54 + 12 + 2]), 10);
  EXPECT_EQ(colour[54 + 12 + 9], 0);

  const std::string mono = bmpFileBytes(smallRaster(false));
  ASSERT_EQ(mono.size(), 62u + 2 * 4);
  EXPECT_EQ(le16(mono, 28), 1);
  EXPECT_EQ(le32(mono, 10), 62u);
  EXPECT_EQ(le32(mono, 54), 0x00FFFFFFu);  // white paper first
  EXPECT_EQ(static_cast<unsigned char>(mono[62 + 4]), 0xA0);
  EXPECT_EQ(bmpFileSize(3, 2, false), mono.size());
}

struct GifDecoded {
  int width = 0;
  int height = 0;
  int colours = 0;
  std::vector<Rgb> pixels;
};

int readGifBytes(GifFileType* gif, GifByteType* to, int length) {
  auto* source = static_cast<std::pair<const std::string*, std::size_t>*>(gif->UserData);
  const int n =
      static_cast<int>(std::min<std::size_t>(length, source->first->size() - source->second));
  std::memcpy(to, source->first->data() + source->second, n);
  source->second += n;
  return n;
}

GifDecoded decodeGif(const std::string& bytes) {
  std::pair<const std::string*, std::size_t> source{&bytes, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, readGifBytes, &error);
  GifDecoded d;
  if (!gif || DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) return d;
  const ColorMapObject* map = gif->SColorMap;
  d.width = gif->SWidth;
  d.height = gif->SHeight;
  d.colours = map->ColorCount;
  for (int i = 0; i < d.width * d.height; ++i) {
    const GifColorType c = map->Colors[gif->SavedImages[0].RasterBits[i]];
    d.pixels.push_back({c.Red, c.Green, c.Blue});
  }
  DGifCloseFile(gif, &error);
  return d;
}

TEST(GifFile, KeepsUpTo256ColoursExactlyAndMapsMoreToTheColourCube) {
  const GifDecoded few = decodeGif(gifFileBytes(smallRaster(true)));
  ASSERT_EQ(few.width, 3);
  EXPECT_EQ(few.pixels[1], (Rgb{13, 14, 15}));
  EXPECT_EQ(few.pixels[4], (Rgb{0, 0, 0}));

  ImageRaster many;
  many.width = 300;
  many.height = 1;
  many.stride = 900;
  for (int x = 0; x < 300; ++x) {
    many.data.insert(many.data.end(),
                     {static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(x / 2), 255});
  }
  const GifDecoded cube = decodeGif(gifFileBytes(many));
  ASSERT_EQ(cube.pixels.size(), 300u);
  EXPECT_EQ(cube.pixels[299], (Rgb{51, 170, 255}));  // (43, 149, 255) to the nearest steps
  EXPECT_EQ(cube.pixels[0], (Rgb{0, 0, 255}));

  const GifDecoded mono = decodeGif(gifFileBytes(smallRaster(false)));
  EXPECT_EQ(mono.colours, 2);
  EXPECT_EQ(mono.pixels[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(mono.pixels[1], (Rgb{255, 255, 255}));
}

TEST(JpegFile, HasAJfifDensityInDotsPerInchAndGreyForBlackAndWhite) {
  for (bool colour : {true, false}) {
    const std::string bytes = jpegFileBytes(smallRaster(colour), 90);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    EXPECT_TRUE(info.saw_JFIF_marker);
    EXPECT_EQ(info.density_unit, 1);
    EXPECT_EQ(info.X_density, 600);
    EXPECT_EQ(info.image_width, 3u);
    EXPECT_EQ(info.num_components, colour ? 3 : 1);
    jpeg_destroy_decompress(&info);
  }
}

TEST(VectorFiles, EmfRecordsAddUpAndEndWithTheEndRecord) {
  const Board board = trackBoard(20, 2, 18);
  const VectorPicture picture =
      composeVectorPicture(board, standardScheme(), RenderOptions{}, true);
  const std::string emf = emfFileBytes(picture);
  ASSERT_GT(emf.size(), 108u);
  EXPECT_EQ(le32(emf, 0), 1u);
  EXPECT_EQ(le32(emf, 40), 0x464D4520u);
  EXPECT_EQ(le32(emf, 48), emf.size());
  std::size_t at = 0;
  std::uint32_t records = 0;
  std::uint32_t last = 0;
  while (at < emf.size()) {
    last = le32(emf, at);
    const std::uint32_t size = le32(emf, at + 4);
    ASSERT_TRUE(size >= 8 && size % 4 == 0 && at + size <= emf.size()) << at;
    at += size;
    ++records;
  }
  EXPECT_EQ(records, le32(emf, 52));
  EXPECT_EQ(last, 14u);
  // 20 mm wide in hundredths of a millimetre.
  EXPECT_EQ(le32(emf, 32), 2000u);
}

TEST(VectorFiles, SvgIsSizedInMillimetresAndPaintsTheBoardFirst) {
  const Board board = trackBoard(20, 2, 18);
  const std::string svg =
      svgFileBytes(composeVectorPicture(board, standardScheme(), RenderOptions{}, false));
  EXPECT_NE(svg.find("width=\"20mm\" height=\"10mm\" viewBox=\"0 0 20 10\""), std::string::npos);
  EXPECT_NE(svg.find("<polygon fill=\"#ffffff\" points=\"0,0 20,0 20,10 0,10\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#000000\" stroke-width=\"2\" stroke-linecap=\"round\""),
            std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 8), "</svg>\r\n");
}

}  // namespace
}  // namespace pravelo
