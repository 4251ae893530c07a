#pragma once

#include <functional>

#include "base/host.h"
#include "document/document.h"
#include "manufacturing/gerber_import.h"

namespace pravelo {

enum class ImportOutcome { KeepDialogOpen, Stopped, Imported };

// The import dialog's "Import...": checks each file (a missing one keeps the dialog open, a
// doubtful one is imported only when the user agrees), asks before emptying a current board
// that has objects, reads every file, and only then puts the result on a new board "XGerber"
// or, as one undo step, on the active board. A file that cannot be read is reported with its
// line and leaves the document as it was.
ImportOutcome runGerberImport(Document& doc, const GerberImportRequest& request, bool newBoard,
                              Host& host, int undoDepth,
                              const std::function<bool()>& cancelled = {});

}  // namespace pravelo
