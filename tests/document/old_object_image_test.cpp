#include "document/old_object_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "document/document_texts.h"
#include "document/file_format_error.h"
#include "support/old_file_bytes.h"

namespace pravelo {
namespace {

using testing::OldImage;
using testing::oldImageBytes;

TObjekt convertedImage(int version, const OldImage& fields) {
  const std::string bytes = oldImageBytes(version, fields);
  EXPECT_EQ(bytes.size(), oldObjectImageSize(version));
  TObjekt o = newObject();
  readOldObjectImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), version, 0, o);
  return o;
}

// Every stored field of the converted record.
struct OldImageResult {
  std::uint8_t kind;
  FPoint pos, dim;
  std::int32_t width;
  std::uint8_t layer, variant;
  std::string text;
  std::int16_t componentId;
  std::int32_t paramA, paramB;
  std::uint8_t optA, optB, optC;
  std::int32_t clearance;
  std::uint8_t autorouted, cutout, via, solderMask;
  std::uint32_t thermalStamp;
  std::uint8_t maskOnly;
};

void expectConverted(const TObjekt& o, const OldImageResult& r) {
  EXPECT_EQ(o.kind, r.kind);
  EXPECT_EQ(o.pos, r.pos);
  EXPECT_EQ(o.dim, r.dim);
  EXPECT_EQ(o.width, r.width);
  EXPECT_EQ(o.selected, 0);
  EXPECT_EQ(o.layer, r.layer);
  EXPECT_EQ(o.variant, r.variant);
  EXPECT_EQ(o.text, r.text);
  EXPECT_EQ(o.name, "");
  EXPECT_EQ(o.componentId, r.componentId);
  EXPECT_EQ(o.scratch, 0);
  EXPECT_EQ(o.paramA, r.paramA);
  EXPECT_EQ(o.paramB, r.paramB);
  EXPECT_EQ(o.optA, r.optA);
  EXPECT_EQ(o.optB, r.optB);
  EXPECT_EQ(o.optC, r.optC);
  EXPECT_EQ(o.clearance, r.clearance);
  EXPECT_EQ(o.autorouted, r.autorouted);
  EXPECT_EQ(o.cutout, r.cutout);
  EXPECT_EQ(o.via, r.via);
  EXPECT_EQ(o.solderMask, r.solderMask);
  EXPECT_EQ(o.thermalStamp, r.thermalStamp);
  EXPECT_EQ(o.maskOnly, r.maskOnly);
}

struct OldImageCase {
  const char* what;
  int version;
  OldImage stored;
  OldImageResult converted;
};

// Fields a version does not store are written with values that must not arrive.
// clang-format off
const OldImageCase kOldImageCases[] = {
  {"v0 track: variant cleared, text dropped", 0,
   {.kind = 6, .x1 = 10, .y1 = 20, .x2 = 30, .y2 = 20, .width = 25, .layer = 3, .variant = 2,
    .text = "xy", .componentId = 7, .paramA = 5},
   {6, {1000, 2000}, {3000, 2000}, 2500, 3, 0, "", 7, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  {"v1 legacy text keeps its content", 1,
   {.kind = 3, .x1 = 100, .y1 = -50, .x2 = 400, .y2 = -150, .width = -20, .layer = 2,
    .text = "R1", .componentId = -3, .paramA = 90},
   {3, {10000, -5000}, {40000, -15000}, -2000, 2, 0, "R1", -3, 90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  {"v2 pad: solder mask opening", 2,
   {.kind = 2, .x1 = 50, .y1 = -60, .x2 = 40, .y2 = 15, .width = 7, .layer = 1, .variant = 3,
    .paramA = 85},
   {2, {5000, -6000}, {4000, 1500}, 700, 1, 3, "", 0, 85, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
  {"v2 circle: the width is an angle", 2,
   {.kind = 5, .x1 = 1, .y1 = 2, .x2 = 30, .y2 = 20, .width = 9000, .layer = 2, .paramA = 4500},
   {5, {100, 200}, {3000, 2000}, 9000, 2, 0, "", 0, 4500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  {"v3 legacy text: component number not stored", 3,
   {.kind = 3, .x1 = 70000, .y1 = -80000, .x2 = 70100, .y2 = -80100, .width = -300, .layer = 4,
    .variant = 1, .text = "Hello, world!!!", .componentId = 9, .paramA = 270, .optA = 1,
    .clearance = 40},
   {3, {7000000, -8000000}, {7010000, -8010000}, -30000, 4, 1, "Hello, world!!!", 0, 270, 0, 1,
    0, 0, 4000, 0, 0, 0, 0, 0, 0}},
  {"v3 zone: text dropped", 3,
   {.kind = 4, .width = 10, .layer = 1, .variant = 4, .text = "abc", .paramA = -1, .optA = 1,
    .clearance = -5},
   {4, {0, 0}, {0, 0}, 1000, 1, 4, "", 0, -1, 0, 1, 0, 0, -500, 0, 0, 0, 0, 0, 0}},
  {"v4 text: quarter-turn code, mirror flags, unscaled thickness and style", 4,
   {.kind = 7, .x1 = 500, .y1 = -600, .x2 = 200, .y2 = 2, .width = 1, .layer = 2, .variant = 1,
    .componentId = 4, .paramA = 2, .optA = 1, .clearance = 3, .autorouted = 0, .optB = 1,
    .optC = 1, .cutout = 0},
   {7, {50000, -60000}, {20000, 2}, 1, 2, 1, "", 0, 2, 180, 1, 1, 1, 300, 0, 0, 0, 0, 0, 0}},
  {"v4 track: mirror flags only for texts", 4,
   {.kind = 6, .width = 30, .layer = 3, .paramA = 3, .clearance = 40, .autorouted = 1, .optB = 1,
    .optC = 1, .cutout = 1},
   {6, {0, 0}, {0, 0}, 3000, 3, 0, "", 0, 3, 0, 0, 0, 0, 4000, 1, 1, 0, 0, 0, 0}},
  {"v4 SMD pad", 4,
   {.kind = 8, .x1 = 100, .y1 = -100, .x2 = 80, .y2 = 40, .layer = 1},
   {8, {10000, -10000}, {8000, 4000}, 0, 1, 0, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
  {"v5 SMD pad: component number and mask switch dropped", 5,
   {.kind = 8, .x1 = 12.5f, .y1 = -7.25f, .x2 = 80, .y2 = 40, .width = 0, .layer = 1, .variant = 0,
    .componentId = 5, .paramA = 17, .optA = 1, .clearance = 40, .autorouted = 0, .optB = 1,
    .optC = 0, .cutout = 1, .paramB = 70, .via = 1, .solderMask = 0, .thermalStamp = 123456789,
    .maskOnly = 1},
   {8, {1250, -725}, {8000, 4000}, 0, 1, 0, "", 0, 17, 70, 1, 1, 0, 4000, 0, 1, 1, 0, 123456789, 0}},
  {"v5 text: style and thickness unscaled", 5,
   {.kind = 7, .x1 = 1, .y1 = -2, .x2 = 150, .y2 = 1, .width = 2, .layer = 2, .variant = 1,
    .paramB = 90},
   {7, {100, -200}, {15000, 1}, 2, 2, 1, "", 0, 0, 90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};
// clang-format on

TEST(OldObjectImage, ConvertsEveryStoredFieldOfEachVersion) {
  for (const OldImageCase& c : kOldImageCases) {
    SCOPED_TRACE(c.what);
    expectConverted(convertedImage(c.version, c.stored), c.converted);
  }
}

TEST(OldObjectImage, UnusableLengthsBecomeZeroAndProductsStayInRange) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float stored;
    float converted;
  };
  const Case coordinates[] = {
      {nan, 0}, {inf, 0}, {-inf, 0}, {10000001, 0}, {-10000000, -1000000000}, {0.5f, 50}};
  for (const Case& c : coordinates) {
    const TObjekt o = convertedImage(
        5, {.kind = 5, .x1 = c.stored, .y1 = c.stored, .x2 = c.stored, .y2 = c.stored});
    EXPECT_EQ(o.pos, (FPoint{c.converted, c.converted})) << c.stored;
    EXPECT_EQ(o.dim, (FPoint{c.converted, c.converted})) << c.stored;
  }
  struct IntCase {
    std::int32_t stored;
    std::int32_t clearance;  // out of range: 0
    std::int32_t width;      // out of range: kept as stored
  };
  const IntCase numbers[] = {
      {10000000, 1000000000, 10000000},
      {9999999, 999999900, 999999900},
      {-10000001, 0, -10000001},
      {std::numeric_limits<std::int32_t>::min(), 0, std::numeric_limits<std::int32_t>::min()}};
  for (const IntCase& c : numbers) {
    const TObjekt o =
        convertedImage(3, {.kind = 6, .width = c.stored, .layer = 1, .clearance = c.stored});
    EXPECT_EQ(o.clearance, c.clearance) << c.stored;
    EXPECT_EQ(o.width, c.width) << c.stored;
  }
}

TEST(OldObjectImage, ALegacyTextLongerThanItsFieldIsAFormatError) {
  for (int version : {0, 3}) {
    std::string bytes = oldImageBytes(version, {.kind = 3, .layer = 2, .text = "ok"});
    const std::size_t textAt = version == 0 ? 14 : 24;
    bytes[textAt] = 16;
    TObjekt o = newObject();
    try {
      readOldObjectImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), version, 100, o);
      ADD_FAILURE() << "accepted, version " << version;
    } catch (const FileFormatError& e) {
      EXPECT_EQ(&e.problem(), &texts::problemStringTooLong);
      EXPECT_EQ(&e.field(), &texts::fieldText);
      EXPECT_EQ(e.offset(), 100 + textAt);
    }
    // Other kinds never use the field, so its length does not matter.
    bytes[0] = kTrack;
    TObjekt track = newObject();
    readOldObjectImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), version, 100, track);
    EXPECT_EQ(track.text, "");
  }
}

}  // namespace
}  // namespace pravelo
