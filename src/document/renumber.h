#pragma once

#include "document/document.h"

namespace pravelo {

// Numbers the board's groups and components consecutively from 1, keeping their order.
void renumberGroupsAndComponents(ObjectList& objects);

}  // namespace pravelo
