#include "document/old_board_header.h"

#include <algorithm>

#include "document/byte_io.h"
#include "document/document_texts.h"
#include "document/old_object_image.h"

namespace pravelo {
namespace {

// Where the version-3 and version-4 headers keep their template fields.
constexpr std::size_t kOldTemplateName[2] = {48, 249};
constexpr std::size_t kOldTemplateNumbers = 450;
constexpr std::size_t kOldOrigin = 482;
// Version 4 and 5 origins were stored ten times finer than the board size.
constexpr std::int32_t kOldOriginDivisor = 10;

void readOldTemplateName(const std::uint8_t* bytes, std::size_t offset, std::size_t fileOffset,
                         std::string& name) {
  const std::size_t n = bytes[offset];
  if (n > kTemplateNameMax) {
    throw FileFormatError(texts::problemStringTooLong, texts::fieldTemplateName,
                          fileOffset + offset);
  }
  name.assign(reinterpret_cast<const char*>(bytes + offset + 1), n);
}

// Versions 3 and 4 kept the ground planes of the two copper sides only and the template
// numbers in a row: dpi, x offsets, y offsets, tints, each for side 1 and side 2.
void readVersion3Or4Header(const std::uint8_t* bytes, int version, std::size_t fileOffset,
                           BoardHeader& h) {
  loadAt(bytes, 4, h.width);
  loadAt(bytes, 8, h.height);
  h.groundPlane = {};
  h.groundPlane[kLayerC1 - 1] = bytes[12];
  h.groundPlane[kLayerC2 - 1] = bytes[13];
  loadAt(bytes, 14, h.grid);
  loadAt(bytes, 22, h.zoom);
  loadAt(bytes, 30, h.scrollX);
  loadAt(bytes, 34, h.scrollY);
  loadAt(bytes, 38, h.activeLayer);
  h.layerVisible = {1, 1, 1, 1, 1, 1, 1};
  if (version == 4) std::copy(bytes + 42, bytes + 46, h.layerVisible.begin());
  h.templateShown = {bytes[46], bytes[47]};
  for (int side = 0; side < 2; ++side) {
    readOldTemplateName(bytes, kOldTemplateName[side], fileOffset, h.templateFile[side]);
    loadAt(bytes, kOldTemplateNumbers + 4 * side, h.templateDpi[side]);
    loadAt(bytes, kOldTemplateNumbers + 8 + 4 * side, h.templateOffsetX[side]);
    loadAt(bytes, kOldTemplateNumbers + 16 + 4 * side, h.templateOffsetY[side]);
    loadAt(bytes, kOldTemplateNumbers + 24 + 4 * side, h.templateTint[side]);
  }
  h.originX = h.originY = 0;
  if (version == 4) {
    loadAt(bytes, kOldOrigin, h.originX);
    loadAt(bytes, kOldOrigin + 4, h.originY);
  }
  h.multilayer = 0;
}

}  // namespace

std::size_t oldBoardHeaderSize(int version) {
  if (version == 3) return 482;
  return version == 4 ? 490 : kBoardHeaderSize;
}

std::int32_t oldBoardSide(std::int64_t stored) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(stored * kOldLengthFactor, 0, kMaxBoardSide));
}

void readOldBoardHeader(const std::uint8_t* bytes, int version, std::size_t fileOffset,
                        BoardHeader& h) {
  if (version <= 4) {
    readVersion3Or4Header(bytes, version, fileOffset, h);
  } else {
    readStoredBoardHeader(bytes, fileOffset, h);
  }
  h.width = oldBoardSide(h.width);
  h.height = oldBoardSide(h.height);
  // Out-of-range products are taken to the limits by the load repairs.
  h.grid *= kOldLengthFactor;
  h.zoom /= kOldLengthFactor;
  if (version >= 4) {
    h.originX /= kOldOriginDivisor;
    h.originY /= kOldOriginDivisor;
  }
}

}  // namespace pravelo
