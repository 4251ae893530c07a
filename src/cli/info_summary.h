#pragma once

#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// A human summary of a loaded document: project, boards with their sizes and a table of object
// counts per kind and layer. UTF-8, lines ending in LF.
std::string infoSummary(const Document& doc, const std::string& path, Language language);

}  // namespace pravelo
