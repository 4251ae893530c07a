#pragma once

#include <string>
#include <string_view>

#include "document/document.h"

namespace pravelo {

// Packs an object list into bytes that unpack to an equal list: every field, list and string of
// each object and its text children, the component data of ID texts, and connections and route
// ends as positions in the list. Selection is not kept, nor is runtime-only state: unpacked
// objects are unselected and drawable, and zones are closed, as after loading. Partners outside
// the list are dropped. The bytes are for this run only (native layout, no checks on reading).
// `bytes` is replaced; a buffer kept between calls saves growing a new one to megabytes.
void packObjects(const ObjectList& objects, std::string& bytes);
ObjectList unpackObjects(std::string_view bytes);

}  // namespace pravelo
