#include "project/component_list.h"

#include <algorithm>
#include <compare>
#include <map>
#include <string_view>

#include "base/units.h"
#include "geometry/component_side.h"
#include "geometry/length_text.h"
#include "geometry/text_strokes.h"
#include "project/components.h"

namespace pravelo {

namespace {

const char kNoPickPlaceData[] = "---";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::weak_ordering compareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(lowerAscii(a[i]));
    const auto cb = static_cast<unsigned char>(lowerAscii(b[i]));
    if (ca != cb) return ca <=> cb;
  }
  return a.size() <=> b.size();
}

// A name as its prefix and its trailing digits.
struct SplitName {
  std::string_view prefix;
  std::string_view digits;
};

SplitName splitName(std::string_view name) {
  std::size_t start = name.size();
  while (start > 0 && isDigit(name[start - 1])) --start;
  return {name.substr(0, start), name.substr(start)};
}

// Digit strings by the number they make: fewer significant digits first, then digit by digit;
// equal numbers by their text, so that "01" and "1" still have an order.
std::weak_ordering compareDigitStrings(std::string_view a, std::string_view b) {
  const std::string_view sa = a.substr(std::min(a.find_first_not_of('0'), a.size()));
  const std::string_view sb = b.substr(std::min(b.find_first_not_of('0'), b.size()));
  if (sa.size() != sb.size()) return sa.size() <=> sb.size();
  if (const auto c = sa.compare(sb); c != 0) return c <=> 0;
  return a.compare(b) <=> 0;
}

ComponentListEntry listEntry(int component, std::span<const TObjekt* const> members) {
  ComponentListEntry e;
  e.component = component;
  const TObjekt* id = nullptr;
  for (const TObjekt* o : members) {
    if (o->kind != kText) continue;
    if (o->variant == kComponentIdText && !e.hasName) {
      id = o;
      e.name = o->text;
      e.hasName = true;
    } else if (o->variant == kComponentValueText && !e.hasValue) {
      e.value = o->text;
      e.hasValue = true;
    }
  }
  e.hasPickPlace = id && id->component.usePickPlace != 0;
  e.rotation = e.hasPickPlace ? placeRotationText(id->component.placeRotation) : kNoPickPlaceData;
  e.package = e.hasPickPlace ? id->component.package : kNoPickPlaceData;
  e.comment = e.hasPickPlace ? id->component.comment : "";
  e.topSide = componentOnTopSide(members);
  e.smd = isSmdComponent(members);
  return e;
}

}  // namespace

bool componentNameLess(const ComponentListEntry& a, const ComponentListEntry& b) {
  if (compareIgnoringCase(a.name, b.name) == 0) return a.component < b.component;
  const SplitName sa = splitName(a.name);
  const SplitName sb = splitName(b.name);
  if (const auto c = compareIgnoringCase(sa.prefix, sb.prefix); c != 0) return c < 0;
  return compareDigitStrings(sa.digits, sb.digits) < 0;
}

std::vector<ComponentListEntry> componentList(const ObjectList& objects) {
  std::map<int, std::vector<const TObjekt*>> byComponent;
  for (const auto& o : objects) {
    if (o->componentId != 0) byComponent[o->componentId].push_back(o.get());
  }
  std::vector<ComponentListEntry> list;
  list.reserve(byComponent.size());
  for (const auto& [component, members] : byComponent) {
    list.push_back(listEntry(component, members));
  }
  std::ranges::sort(list, componentNameLess);
  return list;
}

bool isSmdComponent(std::span<const TObjekt* const> members) {
  int smdPads = 0;
  int throughHolePads = 0;
  for (const TObjekt* o : members) {
    if (!isCopperLayer(o->layer)) continue;
    if (o->kind == kSmdPad) ++smdPads;
    if (o->kind == kPad) ++throughHolePads;
  }
  return smdPads >= throughHolePads;
}

std::string placeRotationText(double degrees) {
  std::string text = formatFixed(roundToDecimals(degrees, 1), 1);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

bool setComponentListText(ObjectList& objects, int component, ComponentListCell cell,
                          const std::string& text) {
  const TextRole role = cell == ComponentListCell::Name ? kComponentIdText : kComponentValueText;
  TObjekt* label = componentLabel(componentMembers(objects, component), role);
  if (!label) return false;
  label->text = text;
  buildTextStrokes(*label, false);
  return true;
}

}  // namespace pravelo
