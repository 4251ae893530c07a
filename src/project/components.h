#pragma once

#include <vector>

#include "document/document.h"

namespace pravelo {

// Components: objects bound under one component number, labelled by an ID text and a value
// text.

// The objects carrying component number `component`, in board order.
std::vector<TObjekt*> componentMembers(const ObjectList& objects, int component);

// The component ID (role 1) or value (role 2) text among `members`, or null.
TObjekt* componentLabel(const std::vector<TObjekt*>& members, TextRole role);

// Makes the selection one new component labelled by `id` and `value`, which are appended
// selected with their roles and placed beside it. Every selected object loses its group stack.
// Components the selection absorbs lose their own labels (hidden ones too), so that the new
// component has exactly one of each. Returns the new number, or 0, changing nothing, when no
// number is left in the int16 range.
int makeComponent(ObjectList& objects, TObjekt id, TObjekt value);

// Breaks a component up into plain objects that stay together as one new group; its labels
// are removed. False when no object carries the number.
bool breakUpComponent(ObjectList& objects, int component);

}  // namespace pravelo
