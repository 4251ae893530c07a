#include "document/board_header.h"

#include <algorithm>
#include <cstring>

#include "document/byte_io.h"
#include "document/document_texts.h"
#include "document/file_format_error.h"

namespace pravelo {
namespace {

// Where the two template names lie in the header.
constexpr std::size_t kTemplateNameAt[2] = {56, 257};

void storeShortString(std::uint8_t* bytes, std::size_t offset, const std::string& s) {
  const std::size_t n = std::min(s.size(), kTemplateNameMax);
  bytes[offset] = static_cast<std::uint8_t>(n);
  std::memcpy(bytes + offset + 1, s.data(), n);
}

bool loadShortString(const std::uint8_t* bytes, std::size_t offset, std::string& s) {
  const std::size_t n = bytes[offset];
  if (n > kTemplateNameMax) return false;
  s.assign(reinterpret_cast<const char*>(bytes + offset + 1), n);
  return true;
}

}  // namespace

BoardHeader newBoardHeader(std::int32_t width, std::int32_t height, bool originAtTop) {
  BoardHeader h;
  h.width = width;
  h.height = height;
  h.originY = originAtTop ? 0 : -height;
  return h;
}

bool isLayerVisible(const BoardHeader& header, int layer) {
  return layer >= 1 && layer <= 7 && header.layerVisible[layer - 1] != 0;
}

void writeBoardHeader(const BoardHeader& h, std::uint8_t* bytes) {
  std::memset(bytes, 0, kBoardHeaderSize);  // offset 0 is the in-memory object list slot
  storeAt(bytes, 4, h.width);
  storeAt(bytes, 8, h.height);
  std::memcpy(bytes + 12, h.groundPlane.data(), 7);
  storeAt(bytes, 19, h.grid);
  storeAt(bytes, 27, h.zoom);
  storeAt(bytes, 35, h.scrollX);
  storeAt(bytes, 39, h.scrollY);
  storeAt(bytes, 43, h.activeLayer);
  std::memcpy(bytes + 47, h.layerVisible.data(), 7);
  bytes[54] = h.templateShown[0];
  bytes[55] = h.templateShown[1];
  storeShortString(bytes, kTemplateNameAt[0], h.templateFile[0]);
  storeShortString(bytes, kTemplateNameAt[1], h.templateFile[1]);
  for (int side = 0; side < 2; ++side) {
    storeAt(bytes, 458 + 4 * side, h.templateDpi[side]);
    storeAt(bytes, 466 + 4 * side, h.templateOffsetX[side]);
    storeAt(bytes, 474 + 4 * side, h.templateOffsetY[side]);
    storeAt(bytes, 482 + 4 * side, h.templateTint[side]);
  }
  storeAt(bytes, 490, h.originX);
  storeAt(bytes, 494, h.originY);
  bytes[498] = h.multilayer;
}

bool readBoardHeader(const std::uint8_t* bytes, BoardHeader& h) {
  loadAt(bytes, 4, h.width);
  loadAt(bytes, 8, h.height);
  std::memcpy(h.groundPlane.data(), bytes + 12, 7);
  loadAt(bytes, 19, h.grid);
  loadAt(bytes, 27, h.zoom);
  loadAt(bytes, 35, h.scrollX);
  loadAt(bytes, 39, h.scrollY);
  loadAt(bytes, 43, h.activeLayer);
  std::memcpy(h.layerVisible.data(), bytes + 47, 7);
  h.templateShown = {bytes[54], bytes[55]};
  if (!loadShortString(bytes, kTemplateNameAt[0], h.templateFile[0])) return false;
  if (!loadShortString(bytes, kTemplateNameAt[1], h.templateFile[1])) return false;
  for (int side = 0; side < 2; ++side) {
    loadAt(bytes, 458 + 4 * side, h.templateDpi[side]);
    loadAt(bytes, 466 + 4 * side, h.templateOffsetX[side]);
    loadAt(bytes, 474 + 4 * side, h.templateOffsetY[side]);
    loadAt(bytes, 482 + 4 * side, h.templateTint[side]);
  }
  loadAt(bytes, 490, h.originX);
  loadAt(bytes, 494, h.originY);
  h.multilayer = bytes[498];
  return true;
}

void readStoredBoardHeader(const std::uint8_t* bytes, std::size_t fileOffset, BoardHeader& h) {
  for (std::size_t offset : kTemplateNameAt) {
    if (bytes[offset] > kTemplateNameMax) {
      throw FileFormatError(texts::problemStringTooLong, texts::fieldTemplateName,
                            fileOffset + offset);
    }
  }
  readBoardHeader(bytes, h);
}

}  // namespace pravelo
