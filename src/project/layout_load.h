#pragma once

#include <string>
#include <string_view>

#include "base/text.h"
#include "document/document.h"
#include "document/layout_file.h"

namespace pravelo {

// Parses a layout file of any version 0 to 6 and applies every load repair to its boards. Throws
// FileFormatError; nothing outside the result is touched, so a failed read changes nothing. The
// board of a version 0 to 2 file is named in `language`.
LayoutContents readLayout(std::string_view bytes, Language language = currentLanguage());

// Files of versions 0 to 3 kept the copper sides the other way round: the note that tells the
// user they were exchanged, or nothing for later versions.
std::string copperExchangeNotice(int formatVersion, Language language);

// Files of versions 0 to 2 stored no view of their board: it is fitted into the window.
inline bool storesBoardView(int formatVersion) { return formatVersion >= 3; }

// Normal mode: the file's boards and project information replace the document's; the stored
// active board (the first one when the stored index lies outside the boards) becomes active
// with its groups and components renumbered; the document counts as unmodified.
void installLayout(Document& doc, LayoutContents contents);

// Append mode: the file's boards join behind the document's and the last one becomes active
// with its groups and components renumbered; the document's project information stays and the
// document counts as modified.
void appendLayout(Document& doc, LayoutContents contents);

enum class LoadFailure { None, NotFound, NotAFile, Unreadable, Version, Damaged };

struct LoadedLayout {
  LoadFailure failure = LoadFailure::None;
  std::string message;      // why the file was not read, UTF-8; empty on success
  std::string notice;       // what the user is told about a converted older file, UTF-8
  LayoutContents contents;  // the repaired boards when the file was read
};

// Reads the layout file at `path`, which must be an ordinary file, after the version check; never
// more than the file's size is read. Messages name the file without its folder.
LoadedLayout loadLayoutFile(const std::string& path, Language language);

}  // namespace pravelo
