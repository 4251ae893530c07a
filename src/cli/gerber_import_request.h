#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "base/text.h"
#include "cli/import_gerber_command.h"
#include "manufacturing/gerber_import.h"

namespace pravelo {

// The files and reading options of an import as the command line or an edit script names them,
// in the form the import dialog hands on. A layer slot, a number format or an empty file list that
// cannot be used gives its message. What the drill file leaves open (zero suppression that cannot
// be detected) is said on `notes`.
std::optional<std::string> gerberImportRequest(const ImportGerberRequest& words,
                                               GerberImportRequest& request, std::ostream& notes,
                                               Language language);

}  // namespace pravelo
