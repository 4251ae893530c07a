#pragma once

#include <span>
#include <string>
#include <vector>

#include "document/document.h"

namespace pravelo {

// One row of the component list. Texts are Windows-1252, as the labels keep them.
struct ComponentListEntry {
  int component = 0;
  std::string name;      // the ID label's text; empty without one
  std::string value;     // the value label's text
  std::string rotation;  // "---" without pick-and-place data
  std::string package;   // "---" without pick-and-place data
  std::string comment;
  bool topSide = true;
  bool smd = false;
  bool hasPickPlace = false;
  bool hasName = false;  // which labels exist, so which cells can be edited
  bool hasValue = false;
  friend bool operator==(const ComponentListEntry&, const ComponentListEntry&) = default;
};

// Every component of the list, sorted by `componentNameLess`.
std::vector<ComponentListEntry> componentList(const ObjectList& objects);

// The list order: names equal but for case by component number; otherwise by the prefix before
// the trailing digits (ignoring case), then by the number those digits make, so that R2 comes
// before R10. The digits are compared as strings, so that no length of number can overflow.
bool componentNameLess(const ComponentListEntry& a, const ComponentListEntry& b);

// A component whose SMD pads on copper layers are at least as many as its through-hole pads.
bool isSmdComponent(std::span<const TObjekt* const> members);

// The pick-and-place rotation rounded to one decimal, without trailing zeros ("90", "22.5").
std::string placeRotationText(double degrees);

// Which label of a component a list cell edits.
enum class ComponentListCell { Name, Value };

// The in-place edit of a list cell: the label's new text, its strokes laid out again. False,
// changing nothing, when the component has no such label.
bool setComponentListText(ObjectList& objects, int component, ComponentListCell cell,
                          const std::string& text);

}  // namespace pravelo
