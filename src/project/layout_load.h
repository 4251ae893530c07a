#pragma once

#include <string>
#include <string_view>

#include "base/text.h"
#include "document/document.h"
#include "document/layout_file.h"

namespace pravelo {

// Parses a version-6 layout file and applies every load repair to its boards. Throws
// FileFormatError; nothing outside the result is touched, so a failed read changes nothing.
LayoutContents readLayout(std::string_view bytes);

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
  LayoutContents contents;  // the repaired boards when the file was read
};

// Reads the layout file at `path`, which must be an ordinary file, after the version check; never
// more than the file's size is read. Messages name the file without its folder. Versions 0 to 5
// are refused for now.
LoadedLayout loadLayoutFile(const std::string& path, Language language);

}  // namespace pravelo
