#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "geometry/length_text.h"
#include "settings/settings.h"

namespace pravelo {

// The element types of the selector panel, in the order of its list (settings key "TYP").
enum SelectorType { kSelectPads, kSelectVias, kSelectSmdPads, kSelectTracks, kSelectTexts };
inline constexpr int kSelectorTypeCount = 5;

// The layer filters (settings key "LAYER").
enum SelectorLayers { kSelectCopper, kSelectSilkscreen, kSelectAllLayers };
inline constexpr int kSelectorLayerCount = 3;

// Captions in the language of the run.
std::vector<std::string> selectorTypeCaptions();
std::vector<std::string> selectorLayerCaptions();
// The sorting criteria of an element type (settings key "SORT" indexes them).
std::vector<std::string> sortCriterionCaptions(int type);

struct SelectorElement {
  int index = 0;  // into the board's object list
  std::string caption;
};

// One distinct value of the sorting criterion with the elements that have it.
struct SelectorValue {
  std::string caption;
  std::vector<SelectorElement> elements;
};

// The objects of the chosen type on the filtered layers, grouped by the value of the chosen
// criterion in ascending order; lengths in `unit`, element positions from the user origin.
// Hidden labels are left out: they cannot be selected. An index out of range counts as 0.
// Captions are UTF-8.
std::vector<SelectorValue> selectorTree(const Board& board, const SelectorSettings& choice,
                                        LengthUnit unit);

int elementCount(const std::vector<SelectorValue>& tree);
// "1 Element", "3 Elements".
std::string elementCountText(int count);

}  // namespace pravelo
