#include "project/legacy_texts.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "base/units.h"
#include "geometry/bounding_box.h"
#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

std::int32_t legacyRotation(std::int32_t orientation) {
  const bool quarter =
      orientation == 0 || orientation == 90 || orientation == 180 || orientation == 270;
  return quarter ? orientation : 0;
}

// A system font counts a negative height as the character height and a positive one as the
// cell height; both describe the same size here, so the sign never turns a text upside down.
std::int32_t strokeHeight(std::int32_t fontHeight, double pixelsPerInch) {
  const double mm = std::abs(static_cast<double>(fontHeight)) * 72 / pixelsPerInch / 10000 * 0.9;
  return static_cast<std::int32_t>(mmToUnits(mm));
}

// Moves the text so that the corner of its bounds that the legacy anchor stood for (the upper
// left one of the unturned text) lies on `anchor`.
void alignCorner(TObjekt& text, FPoint anchor) {
  const TRect box = objectBounds(text);
  const bool rightEdge = text.paramB == 90 || text.paramB == 180;
  const bool lowerEdge = text.paramB == 180 || text.paramB == 270;
  const double dx = anchor.x - (rightEdge ? box.right : box.left);
  const double dy = anchor.y - (lowerEdge ? box.top : box.bottom);  // y grows upwards
  auto move = [&](FPoint& p) { p = {static_cast<float>(p.x + dx), static_cast<float>(p.y + dy)}; };
  move(text.pos);
  for (TObjekt& stroke : text.children) {
    for (FPoint& p : stroke.points) move(p);
  }
}

bool hasVisibleContent(const std::string& s) {
  return s.find_first_not_of(' ') != std::string::npos;
}

}  // namespace

void replaceLegacyTexts(ObjectList& objects, double pixelsPerInch) {
  for (std::size_t i = 0; i < objects.size();) {
    const TObjekt& legacy = *objects[i];
    if (legacy.kind != kLegacyText) {
      ++i;
      continue;
    }
    if (!hasVisibleContent(legacy.text)) {
      objects.erase(objects.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    auto text = std::make_unique<TObjekt>(newObject());
    initText(*text, legacy.pos, legacy.text, 0, 0, legacy.layer, 1, 2,
             strokeHeight(legacy.width, pixelsPerInch), legacyRotation(legacy.paramA));
    text->clearance = legacy.clearance;
    text->groups = legacy.groups;
    buildTextStrokes(*text, false);
    alignCorner(*text, legacy.pos);
    objects[i] = std::move(text);
    ++i;
  }
}

}  // namespace pravelo
