#include "document/object_image.h"

#include <cstring>

namespace pravelo {
namespace {

template <typename T>
void store(std::uint8_t* image, std::size_t offset, T value) {
  std::memcpy(image + offset, &value, sizeof(T));
}

template <typename T>
void load(const std::uint8_t* image, std::size_t offset, T& value) {
  std::memcpy(&value, image + offset, sizeof(T));
}

}  // namespace

void writeObjectImage(const TObjekt& o, std::uint8_t* image) {
  std::memset(image, 0, kObjectImageSize);
  store(image, 0, o.kind);
  store(image, 1, o.pos.x);
  store(image, 5, o.pos.y);
  store(image, 9, o.dim.x);
  store(image, 13, o.dim.y);
  store(image, 17, o.width);
  store(image, 21, o.selected);
  store(image, 22, o.layer);
  store(image, 23, o.variant);
  store(image, 28, o.componentId);
  store(image, 31, o.paramA);
  store(image, 40, o.optA);
  store(image, 41, o.clearance);
  store(image, 49, o.autorouted);
  store(image, 50, o.optB);
  store(image, 51, o.optC);
  store(image, 52, o.cutout);
  store(image, 53, o.paramB);
  store(image, 57, o.via);
  store(image, 58, o.solderMask);
  store(image, 62, o.thermalStamp);
  store(image, 74, o.maskOnly);
}

void readObjectImage(const std::uint8_t* image, TObjekt& o) {
  load(image, 0, o.kind);
  load(image, 1, o.pos.x);
  load(image, 5, o.pos.y);
  load(image, 9, o.dim.x);
  load(image, 13, o.dim.y);
  load(image, 17, o.width);
  load(image, 21, o.selected);
  load(image, 22, o.layer);
  load(image, 23, o.variant);
  load(image, 28, o.componentId);
  o.scratch = 0;
  load(image, 31, o.paramA);
  load(image, 40, o.optA);
  load(image, 41, o.clearance);
  load(image, 49, o.autorouted);
  load(image, 50, o.optB);
  load(image, 51, o.optC);
  load(image, 52, o.cutout);
  load(image, 53, o.paramB);
  load(image, 57, o.via);
  load(image, 58, o.solderMask);
  load(image, 62, o.thermalStamp);
  load(image, 74, o.maskOnly);
}

}  // namespace pravelo
