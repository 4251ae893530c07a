#include "editing/text_dialog_values.h"

#include <algorithm>

#include "base/units.h"

namespace pravelo {

namespace {

std::int32_t heightUnits(double mm) { return static_cast<std::int32_t>(mmToUnits(mm)); }

}  // namespace

double limitedTextHeight(double heightMm, int thickness) {
  const double least = thickness == 0 ? 2.5 : thickness == 1 ? 1.5 : 1.0;
  return std::max(heightMm, least);
}

TextDialogValues normaliseTextDialogValues(TextDialogValues v, bool limitHeight) {
  v.heightMm = std::clamp(v.heightMm, kMinTextHeightMm, kMaxTextHeightMm);
  v.thickness = std::clamp(v.thickness, 0, 2);
  v.style = std::clamp(v.style, 0, 2);
  v.rotation = std::clamp(v.rotation, 0, 359);
  v.startNumber = std::clamp(v.startNumber, 0, kMaxStartNumber);
  if (limitHeight) v.heightMm = limitedTextHeight(v.heightMm, v.thickness);
  return v;
}

bool mirroredOnLayer(int layer) { return layer == kLayerC2 || layer == kLayerS2; }

TextDialogValues textDialogValuesOf(const TObjekt& text) {
  TextDialogValues v;
  v.text = text.text;
  v.heightMm = unitsToMm(text.dim.x);
  v.thickness = static_cast<int>(text.dim.y);
  v.style = text.width;
  // Files may hold any angle; the field shows 0 to 359.
  v.rotation = (text.paramB % 360 + 360) % 360;
  v.mirrorHorizontal = text.optB != 0;
  v.mirrorVertical = text.optC != 0;
  return v;
}

TObjekt newTextObject(const TextDialogValues& v, const std::string& content, FPoint anchor,
                      int layer) {
  TObjekt o = newObject();
  initText(o, anchor, content, v.mirrorVertical ? 1 : 0, v.mirrorHorizontal ? 1 : 0,
           static_cast<std::uint8_t>(layer), v.style, v.thickness, heightUnits(v.heightMm),
           v.rotation);
  return o;
}

void storeTextDialogValues(TObjekt& text, const TextDialogValues& v) {
  text.text = v.text;
  text.dim = {static_cast<float>(heightUnits(v.heightMm)), static_cast<float>(v.thickness)};
  text.width = v.style;
  text.optB = v.mirrorHorizontal ? 1 : 0;
  text.optC = v.mirrorVertical ? 1 : 0;
  text.paramB = v.rotation;
}

}  // namespace pravelo
