#include "document/old_object_image.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "document/byte_io.h"
#include "document/document_texts.h"

namespace pravelo {
namespace {

constexpr float kOldLengthLimit = 10000000;
constexpr std::size_t kOldTextCapacity = 15;
// Early versions gave every object this clearance to an automatic ground plane (0.4 mm).
constexpr std::int32_t kOldDefaultClearance = 4000;
constexpr std::int32_t kOldZoneHatchWidth = 60;

template <typename T>
T oldImageValue(const std::uint8_t* image, std::size_t offset) {
  T value;
  loadAt(image, offset, value);
  return value;
}

// The short string of 15 characters that versions 0 to 3 kept inside the image.
std::string oldImageText(const std::uint8_t* image, std::size_t offset, std::size_t fileOffset) {
  const std::size_t n = image[offset];
  if (n > kOldTextCapacity) {
    throw FileFormatError(texts::problemStringTooLong, texts::fieldText, fileOffset + offset);
  }
  return std::string(reinterpret_cast<const char*>(image + offset + 1), n);
}

void readVersion0To2Image(const std::uint8_t* image, std::size_t fileOffset, TObjekt& o) {
  auto coordinate = [&](std::size_t offset) {
    return static_cast<float>(oldImageValue<std::int16_t>(image, offset));
  };
  o.pos = {coordinate(1), coordinate(3)};
  o.dim = {coordinate(5), coordinate(7)};
  o.width = oldImageValue<std::int16_t>(image, 9);
  o.layer = image[12];
  o.variant = o.kind == kTrack ? 0 : image[13];
  if (o.kind == kLegacyText) o.text = oldImageText(image, 14, fileOffset);
  o.componentId = oldImageValue<std::int16_t>(image, 34);
  o.paramA = oldImageValue<std::int16_t>(image, 37);
}

// Versions 3 and 4 begin alike: kind, four int32 coordinates, width, selection, layer, variant.
void readInt32Start(const std::uint8_t* image, TObjekt& o) {
  o.pos = {static_cast<float>(oldImageValue<std::int32_t>(image, 1)),
           static_cast<float>(oldImageValue<std::int32_t>(image, 5))};
  o.dim = {static_cast<float>(oldImageValue<std::int32_t>(image, 9)),
           static_cast<float>(oldImageValue<std::int32_t>(image, 13))};
  o.width = oldImageValue<std::int32_t>(image, 17);
  o.layer = image[22];
  o.variant = image[23];
}

void readVersion3Image(const std::uint8_t* image, std::size_t fileOffset, TObjekt& o) {
  readInt32Start(image, o);
  if (o.kind == kLegacyText) o.text = oldImageText(image, 24, fileOffset);
  o.paramA = oldImageValue<std::int32_t>(image, 47);
  o.optA = image[56];
  o.clearance = oldImageValue<std::int32_t>(image, 57);
}

// Version 4 kept a text's rotation as a quarter-turn code.
std::int32_t quarterTurnDegrees(std::int32_t code) {
  switch (code) {
    case 1:
      return 90;
    case 2:
      return 180;
    case 3:
      return 270;
    default:
      return 0;
  }
}

void readVersion4Image(const std::uint8_t* image, TObjekt& o) {
  readInt32Start(image, o);
  o.paramA = oldImageValue<std::int32_t>(image, 31);
  o.optA = image[40];
  o.clearance = oldImageValue<std::int32_t>(image, 41);
  o.autorouted = image[53];
  if (o.kind == kText) {
    o.optB = image[54];
    o.optC = image[55];
    o.paramB = quarterTurnDegrees(o.paramA);
  }
  o.cutout = image[56];
}

// Version 5 has today's image; only the component number and the mask-only switch are not
// taken over.
void readVersion5Image(const std::uint8_t* image, TObjekt& o) {
  readObjectImage(image, o);
  o.selected = 0;
  o.componentId = 0;
  o.maskOnly = 0;
}

void scaleOldLengths(TObjekt& o) {
  o.pos = {oldLength(o.pos.x), oldLength(o.pos.y)};
  // A text's dim.y is its stroke thickness, an index.
  o.dim = {oldLength(o.dim.x), o.kind == kText ? o.dim.y : oldLength(o.dim.y)};
  o.clearance = std::abs(static_cast<std::int64_t>(o.clearance)) > kOldLengthLimit
                    ? 0
                    : o.clearance * kOldLengthFactor;
  // A circle's width is its stop angle, a text's its style.
  if (o.kind != kCircle && o.kind != kText &&
      std::abs(static_cast<std::int64_t>(o.width)) < kOldLengthLimit) {
    o.width *= kOldLengthFactor;
  }
}

}  // namespace

std::size_t oldObjectImageSize(int version) {
  if (version <= 2) return 49;
  if (version == 3) return 74;
  return version == 4 ? 75 : 77;
}

float oldLength(float value) {
  if (!std::isfinite(value) || std::fabs(value) > kOldLengthLimit) return 0;
  return value * kOldLengthFactor;
}

void readOldObjectImage(const std::uint8_t* image, int version, std::size_t fileOffset,
                        TObjekt& o) {
  o.kind = image[0];
  if (version <= 2) {
    readVersion0To2Image(image, fileOffset, o);
  } else if (version == 3) {
    readVersion3Image(image, fileOffset, o);
  } else if (version == 4) {
    readVersion4Image(image, o);
  } else {
    readVersion5Image(image, o);
  }
  if (version <= 4) o.solderMask = isPadKind(o.kind) ? 1 : 0;
  scaleOldLengths(o);
}

void applyOldObjectDefaults(TObjekt& o, int version) {
  const bool early = version <= 2;
  const bool withoutThermals = version <= 4;
  switch (o.kind) {
    case kCircle:
      if (early) o.paramA = o.width = o.optA = 0;
      break;
    case kZone:
      if (withoutThermals) {
        o.optB = 0;
        o.optC = 1;
        o.paramB = kOldZoneHatchWidth;
      }
      break;
    case kPad:
    case kSmdPad:
      if (withoutThermals) {
        o.paramB = kDefaultSpokeWidthPercent;
        o.paramA = kDefaultSmdSpokes;
        o.thermalStamp = kThermalStamp;
        o.optB = 0;
      }
      if (o.kind == kPad) o.optA = 0;
      break;
    case kTrack:
      o.variant = 0;
      break;
    case kText:
      o.variant = kPlainText;
      o.optA = 1;
      for (TObjekt& child : o.children) child.variant = 0;
      break;
    default:
      break;
  }
  if (early) {
    o.clearance = kOldDefaultClearance;
    o.via = 0;
  }
}

}  // namespace pravelo
