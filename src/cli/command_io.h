#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// What the file commands share: the board they work on and the file they write, each reporting
// on the error stream.

// Board `requested`, or the file's active board when it is negative; null, after saying so, when
// the file has no such board.
const Board* chosenBoard(const Document& doc, int requested, std::ostream& err, Language language);
Board* chosenBoard(Document& doc, int requested, std::ostream& err, Language language);

// Writes `bytes` to `path` through a temporary file: kExitOk, or kExitBadInput after the message.
int writeOutput(const std::string& path, std::string_view bytes, std::ostream& err,
                Language language);
// The same for the document as a layout file.
int writeLayoutOutput(Document& doc, const std::string& path, std::ostream& err, Language language);

}  // namespace pravelo
