#pragma once

#include <nlohmann/json.hpp>

#include "document/document.h"

namespace pravelo {

// The document in the shape of `pravelo-cli info --json`: field names are the record's, texts
// are converted from Windows-1252 to UTF-8, and every number prints so that it reads back as
// the same 32-bit or 64-bit value.
nlohmann::ordered_json layoutJson(const Document& doc);

// The objects of a board or a macro as `info --json` prints them; connections and route ends
// name objects by their index in `list`.
nlohmann::ordered_json objectsJson(const ObjectList& list);

// The double whose shortest printed form is the shortest form of `f`, so that a float prints
// as "0.1" and not as the widened "0.10000000149011612".
double jsonFloat(float f);

}  // namespace pravelo
