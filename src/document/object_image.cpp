#include "document/object_image.h"

#include <cstring>

#include "document/byte_io.h"

namespace pravelo {
namespace {}  // namespace

void writeObjectImage(const TObjekt& o, std::uint8_t* image) {
  std::memset(image, 0, kObjectImageSize);
  storeAt(image, 0, o.kind);
  storeAt(image, 1, o.pos.x);
  storeAt(image, 5, o.pos.y);
  storeAt(image, 9, o.dim.x);
  storeAt(image, 13, o.dim.y);
  storeAt(image, 17, o.width);
  storeAt(image, 21, o.selected);
  storeAt(image, 22, o.layer);
  storeAt(image, 23, o.variant);
  storeAt(image, 28, o.componentId);
  storeAt(image, 31, o.paramA);
  storeAt(image, 40, o.optA);
  storeAt(image, 41, o.clearance);
  storeAt(image, 49, o.autorouted);
  storeAt(image, 50, o.optB);
  storeAt(image, 51, o.optC);
  storeAt(image, 52, o.cutout);
  storeAt(image, 53, o.paramB);
  storeAt(image, 57, o.via);
  storeAt(image, 58, o.solderMask);
  storeAt(image, 62, o.thermalStamp);
  storeAt(image, 74, o.maskOnly);
}

void readObjectImage(const std::uint8_t* image, TObjekt& o) {
  loadAt(image, 0, o.kind);
  loadAt(image, 1, o.pos.x);
  loadAt(image, 5, o.pos.y);
  loadAt(image, 9, o.dim.x);
  loadAt(image, 13, o.dim.y);
  loadAt(image, 17, o.width);
  loadAt(image, 21, o.selected);
  loadAt(image, 22, o.layer);
  loadAt(image, 23, o.variant);
  loadAt(image, 28, o.componentId);
  o.scratch = 0;
  loadAt(image, 31, o.paramA);
  loadAt(image, 40, o.optA);
  loadAt(image, 41, o.clearance);
  loadAt(image, 49, o.autorouted);
  loadAt(image, 50, o.optB);
  loadAt(image, 51, o.optC);
  loadAt(image, 52, o.cutout);
  loadAt(image, 53, o.paramB);
  loadAt(image, 57, o.via);
  loadAt(image, 58, o.solderMask);
  loadAt(image, 62, o.thermalStamp);
  loadAt(image, 74, o.maskOnly);
}

}  // namespace pravelo
