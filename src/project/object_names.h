#pragma once

#include <string>
#include <string_view>

#include "document/document.h"

namespace pravelo {

// Free object names: several objects may share one, so that a set can be selected again later.

// The name of the first selected object that has one, or the empty string.
std::string firstSelectedName(const ObjectList& objects);

// The name offered by the context menu: that of the object the right click picked (`picked`,
// -1 for none) when it has one, else that of the first named selected object.
std::string contextMenuName(const ObjectList& objects, int picked);

// Gives every selected object `entered` without leading and trailing blanks; an empty entry
// clears the names.
void nameSelection(ObjectList& objects, std::string_view entered);

}  // namespace pravelo
