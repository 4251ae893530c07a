#include "document/board_header.h"

#include <algorithm>
#include <cstring>

namespace pravelo {
namespace {

template <typename T>
void store(std::uint8_t* bytes, std::size_t offset, T value) {
  std::memcpy(bytes + offset, &value, sizeof(T));
}

template <typename T>
void load(const std::uint8_t* bytes, std::size_t offset, T& value) {
  std::memcpy(&value, bytes + offset, sizeof(T));
}

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
  store(bytes, 4, h.width);
  store(bytes, 8, h.height);
  std::memcpy(bytes + 12, h.groundPlane.data(), 7);
  store(bytes, 19, h.grid);
  store(bytes, 27, h.zoom);
  store(bytes, 35, h.scrollX);
  store(bytes, 39, h.scrollY);
  store(bytes, 43, h.activeLayer);
  std::memcpy(bytes + 47, h.layerVisible.data(), 7);
  bytes[54] = h.templateShown[0];
  bytes[55] = h.templateShown[1];
  storeShortString(bytes, 56, h.templateFile[0]);
  storeShortString(bytes, 257, h.templateFile[1]);
  for (int side = 0; side < 2; ++side) {
    store(bytes, 458 + 4 * side, h.templateDpi[side]);
    store(bytes, 466 + 4 * side, h.templateOffsetX[side]);
    store(bytes, 474 + 4 * side, h.templateOffsetY[side]);
    store(bytes, 482 + 4 * side, h.templateTint[side]);
  }
  store(bytes, 490, h.originX);
  store(bytes, 494, h.originY);
  bytes[498] = h.multilayer;
}

bool readBoardHeader(const std::uint8_t* bytes, BoardHeader& h) {
  load(bytes, 4, h.width);
  load(bytes, 8, h.height);
  std::memcpy(h.groundPlane.data(), bytes + 12, 7);
  load(bytes, 19, h.grid);
  load(bytes, 27, h.zoom);
  load(bytes, 35, h.scrollX);
  load(bytes, 39, h.scrollY);
  load(bytes, 43, h.activeLayer);
  std::memcpy(h.layerVisible.data(), bytes + 47, 7);
  h.templateShown = {bytes[54], bytes[55]};
  if (!loadShortString(bytes, 56, h.templateFile[0])) return false;
  if (!loadShortString(bytes, 257, h.templateFile[1])) return false;
  for (int side = 0; side < 2; ++side) {
    load(bytes, 458 + 4 * side, h.templateDpi[side]);
    load(bytes, 466 + 4 * side, h.templateOffsetX[side]);
    load(bytes, 474 + 4 * side, h.templateOffsetY[side]);
    load(bytes, 482 + 4 * side, h.templateTint[side]);
  }
  load(bytes, 490, h.originX);
  load(bytes, 494, h.originY);
  h.multilayer = bytes[498];
  return true;
}

}  // namespace pravelo
