#include "document/object_image.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "document/board_header.h"

namespace pravelo {
namespace {

template <typename T>
T at(const std::array<std::uint8_t, kObjectImageSize>& image, std::size_t offset) {
  T v;
  std::memcpy(&v, image.data() + offset, sizeof(T));
  return v;
}

TEST(ObjectImage, FieldsSitAtTheirOffsets) {
  TObjekt o = newObject();
  o.kind = 8;
  o.pos = {1.5f, -2.5f};
  o.dim = {3.5f, 4.5f};
  o.width = -7;
  o.selected = 1;
  o.layer = 3;
  o.variant = 9;
  o.componentId = -2;
  o.scratch = 77;
  o.paramA = 0x12345678;
  o.optA = 1;
  o.clearance = 4000;
  o.autorouted = 1;
  o.optB = 2;
  o.optC = 3;
  o.cutout = 1;
  o.paramB = 250;
  o.via = 1;
  o.solderMask = 1;
  o.thermalStamp = kThermalStamp;
  o.maskOnly = 1;
  std::array<std::uint8_t, kObjectImageSize> image;
  writeObjectImage(o, image.data());

  EXPECT_EQ(image[0], 8);
  EXPECT_EQ(at<float>(image, 1), 1.5f);
  EXPECT_EQ(at<float>(image, 5), -2.5f);
  EXPECT_EQ(at<float>(image, 9), 3.5f);
  EXPECT_EQ(at<float>(image, 13), 4.5f);
  EXPECT_EQ(at<std::int32_t>(image, 17), -7);
  EXPECT_EQ(image[21], 1);
  EXPECT_EQ(image[22], 3);
  EXPECT_EQ(image[23], 9);
  EXPECT_EQ(at<std::int16_t>(image, 28), -2);
  EXPECT_EQ(image[30], 0) << "scratch is never stored";
  EXPECT_EQ(at<std::int32_t>(image, 31), 0x12345678);
  EXPECT_EQ(image[40], 1);
  EXPECT_EQ(at<std::int32_t>(image, 41), 4000);
  EXPECT_EQ(image[49], 1);
  EXPECT_EQ(image[50], 2);
  EXPECT_EQ(image[51], 3);
  EXPECT_EQ(image[52], 1);
  EXPECT_EQ(at<std::int32_t>(image, 53), 250);
  EXPECT_EQ(image[57], 1);
  EXPECT_EQ(image[58], 1);
  EXPECT_EQ(at<std::uint32_t>(image, 62), kThermalStamp);
  EXPECT_EQ(image[74], 1);
  for (std::size_t slot : {24, 35, 45}) EXPECT_EQ(at<std::uint32_t>(image, slot), 0u);

  TObjekt back = newObject();
  readObjectImage(image.data(), back);
  std::array<std::uint8_t, kObjectImageSize> again;
  writeObjectImage(back, again.data());
  EXPECT_EQ(image, again);
}

TEST(BoardHeader, NewBoardDefaultsAndOffsets) {
  BoardHeader h = newBoardHeader(1600000, 1000000);
  EXPECT_EQ(h.originY, -1000000);
  EXPECT_EQ(newBoardHeader(1600000, 1000000, true).originY, 0);
  EXPECT_TRUE(isLayerVisible(h, kLayerC1));
  EXPECT_FALSE(isLayerVisible(h, kLayerI1));
  EXPECT_EQ(h.activeLayer, kLayerC2);

  h.templateFile[1] = "scan.bmp";
  h.multilayer = 1;
  std::array<std::uint8_t, kBoardHeaderSize> bytes;
  writeBoardHeader(h, bytes.data());
  std::int32_t width;
  std::memcpy(&width, bytes.data() + 4, 4);
  EXPECT_EQ(width, 1600000);
  double grid;
  std::memcpy(&grid, bytes.data() + 19, 8);
  EXPECT_EQ(grid, 12700.0);
  EXPECT_EQ(bytes[257], 8);
  EXPECT_EQ(bytes[258], 's');
  std::int32_t tint;
  std::memcpy(&tint, bytes.data() + 486, 4);
  EXPECT_EQ(tint, 65280);
  EXPECT_EQ(bytes[498], 1);

  BoardHeader back;
  ASSERT_TRUE(readBoardHeader(bytes.data(), back));
  EXPECT_EQ(back, h);

  bytes[56] = 201;
  EXPECT_FALSE(readBoardHeader(bytes.data(), back));
}

}  // namespace
}  // namespace pravelo
