#pragma once

#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/host.h"
#include "document/document.h"

namespace pravelo {

// Shows the save dialog with `presetName` (the file name without its folder) and returns the
// chosen path, or nothing when the user cancels.
using ChooseSaveName = std::function<std::optional<std::string>(const std::string& presetName)>;

// `path` with its extension replaced by ".pvb6" unless it already is one, in any case.
std::string withLayoutExtension(const std::string& path);

// The backup of a document named board.pvb6 (or board.pvb) is board.pvb6.bak; a document
// without a file name, or one that is itself a backup, has none.
std::optional<std::string> backupFileName(const std::string& fileName);

// Stores the active board's state and writes the document to `path` through a temporary file,
// so that a failure leaves any previous file intact. Returns whether it was written completely;
// if not, `error` (when given) tells the system's reason.
bool writeDocumentFile(Document& doc, const std::string& path, std::error_code* error = nullptr);

// Save: writes the document under its file name with the extension rule (".pvb6"; the user
// decides whether the file of the old name is kept, and it is deleted only after the new file
// was written completely) and puts the file at the top of `recentFiles`. Without a file name
// it runs Save As. A failed write is reported with its reason, leaves the previous file intact
// and the document as it was. Returns whether it was written.
bool saveDocument(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                  const ChooseSaveName& choose);

// Save As: asks for a name (preset with the current one) and saves under it like Save.
bool saveDocumentAs(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                    const ChooseSaveName& choose);

// Backup saving: writes the document to its backup name; the file name and the modified flag
// stay. Returns whether a backup was written.
bool saveBackup(Document& doc);

}  // namespace pravelo
