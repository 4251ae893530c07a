#include "editing/selector.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "base/units.h"
#include "base/windows1252.h"
#include "editing/selector_texts.h"
#include "geometry/pad_geometry.h"
#include "view/user_origin.h"

namespace pravelo {
namespace {

enum Criterion {
  kDrill,
  kAnnularRing,
  kSize,
  kShape,
  kSmdSize,
  kWidth,
  kHeight,
  kThickness,
  kString
};

std::vector<Criterion> criteria(int type) {
  switch (type) {
    case kSelectSmdPads:
      return {kSmdSize};
    case kSelectTracks:
      return {kWidth};
    case kSelectTexts:
      return {kHeight, kThickness, kString};
    default:
      return {kDrill, kAnnularRing, kSize, kShape};
  }
}

const Text& criterionCaption(Criterion c) {
  switch (c) {
    case kDrill:
      return texts::sortDrillings;
    case kAnnularRing:
      return texts::sortAnnularRing;
    case kShape:
      return texts::sortShape;
    case kWidth:
      return texts::sortWidth;
    case kHeight:
      return texts::sortHeight;
    case kThickness:
      return texts::sortThickness;
    case kString:
      return texts::sortString;
    default:
      return texts::sortSize;
  }
}

int inRange(int value, int count) { return value >= 0 && value < count ? value : 0; }

bool ofType(const TObjekt& o, int type) {
  switch (type) {
    case kSelectVias:
      return o.kind == kPad && o.via != 0;
    case kSelectSmdPads:
      return o.kind == kSmdPad;
    case kSelectTracks:
      return o.kind == kTrack;
    case kSelectTexts:
      return o.kind == kText && !isHiddenLabel(o);
    default:
      return o.kind == kPad;
  }
}

bool onLayers(const TObjekt& o, int layers) {
  switch (layers) {
    case kSelectCopper:
      return isCopperLayer(o.layer);
    case kSelectSilkscreen:
      return o.layer == kLayerS1 || o.layer == kLayerS2 || o.layer == kLayerO;
    default:
      return true;
  }
}

// What elements are grouped and ordered by: one or two lengths in whole units, or a text.
using ValueKey = std::tuple<std::int64_t, std::int64_t, std::string>;

std::int64_t units(double v) { return roundHalfEven(v); }

ValueKey valueKey(const TObjekt& o, Criterion c) {
  switch (c) {
    case kDrill:
      return {units(2.0 * o.dim.y), 0, {}};
    case kAnnularRing:
      return {units(static_cast<double>(o.dim.x) - o.dim.y), 0, {}};
    case kSize:
      return {units(2.0 * o.dim.x), 0, {}};
    case kShape:
      return {o.variant, 0, {}};
    case kSmdSize:
      return {units(o.dim.x), units(o.dim.y), {}};
    case kWidth:
      return {o.width, 0, {}};
    case kHeight:
      return {units(o.dim.x), 0, {}};
    case kThickness:
      return {units(o.dim.y), 0, {}};
    case kString:
      return {0, 0, o.text};
  }
  return {};
}

const char* shapeName(std::int64_t shape) {
  static const Text* const kNames[] = {
      &texts::shapeCircular, &texts::shapeOctagon,  &texts::shapeSquare,
      &texts::shapeRoundedH, &texts::shapeOctagonH, &texts::shapeRectangleH,
      &texts::shapeRoundedV, &texts::shapeOctagonV, &texts::shapeRectangleV};
  return shape >= 1 && shape <= 9 ? tr(*kNames[shape - 1]) : "?";
}

const char* thicknessName(std::int64_t thickness) {
  static const Text* const kNames[] = {&texts::thicknessThin, &texts::thicknessNormal,
                                       &texts::thicknessBold};
  return thickness >= 0 && thickness <= 2 ? tr(*kNames[thickness]) : "?";
}

std::string valueCaption(const ValueKey& key, Criterion c, LengthUnit unit) {
  const auto& [a, b, text] = key;
  switch (c) {
    case kShape:
      return shapeName(a);
    case kThickness:
      return thicknessName(a);
    case kString:
      return windows1252ToUtf8(text);
    case kSmdSize:
      return formatLength(static_cast<double>(a), unit) + " x " +
             formatLength(static_cast<double>(b), unit);
    default:
      return formatLength(static_cast<double>(a), unit);
  }
}

// Where an element sits: a pad's centre, a track's first vertex, a text's anchor.
FPoint elementPosition(const TObjekt& o) {
  if (o.kind == kSmdPad) return smdPadCentre(o);
  if (o.kind == kTrack && !o.points.empty()) return o.points.front();
  return o.pos;
}

std::string elementCaption(const TObjekt& o, const BoardHeader& header, LengthUnit unit) {
  if (!o.name.empty()) return windows1252ToUtf8(o.name);
  if (o.kind == kText) return windows1252ToUtf8(o.text);
  const CoordinateReadout at =
      coordinateReadout(toDPoint(elementPosition(o)), userOrigin(header), unit);
  return at.x + " / " + at.y;
}

}  // namespace

std::vector<std::string> selectorTypeCaptions() {
  return {tr(texts::selectorAllPads), tr(texts::selectorVias), tr(texts::selectorSmdPads),
          tr(texts::selectorTracks), tr(texts::selectorTexts)};
}

std::vector<std::string> selectorLayerCaptions() {
  return {tr(texts::layersCopper), tr(texts::layersSilkscreen), tr(texts::layersAll)};
}

std::vector<std::string> sortCriterionCaptions(int type) {
  std::vector<std::string> captions;
  for (Criterion c : criteria(inRange(type, kSelectorTypeCount))) {
    captions.push_back(tr(criterionCaption(c)));
  }
  return captions;
}

std::vector<SelectorValue> selectorTree(const Board& board, const SelectorSettings& choice,
                                        LengthUnit unit) {
  const int type = inRange(choice.TYP, kSelectorTypeCount);
  const int layers = inRange(choice.LAYER, kSelectorLayerCount);
  const std::vector<Criterion> all = criteria(type);
  const Criterion criterion = all[inRange(choice.SORT, static_cast<int>(all.size()))];

  std::map<ValueKey, SelectorValue> values;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& o = *board.objects[i];
    if (!ofType(o, type) || !onLayers(o, layers)) continue;
    const ValueKey key = valueKey(o, criterion);
    SelectorValue& value = values[key];
    if (value.elements.empty()) value.caption = valueCaption(key, criterion, unit);
    value.elements.push_back({static_cast<int>(i), elementCaption(o, board.header, unit)});
  }
  std::vector<SelectorValue> tree;
  tree.reserve(values.size());
  for (auto& entry : values) tree.push_back(std::move(entry.second));
  return tree;
}

int elementCount(const std::vector<SelectorValue>& tree) {
  int count = 0;
  for (const SelectorValue& value : tree) count += static_cast<int>(value.elements.size());
  return count;
}

std::string elementCountText(int count) {
  return std::to_string(count) + tr(count == 1 ? texts::countOneElement : texts::countElements);
}

}  // namespace pravelo
