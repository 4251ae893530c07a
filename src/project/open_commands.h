#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/host.h"
#include "document/document.h"

namespace pravelo {

enum class OpenedFrom { Dialog, RecentList };

// Open, after the open dialog chose `path`, or a recent-file entry: checks and reads the file
// first, then discards the document (asking to save it, `save` saving it) and puts the file's
// boards in its place, names the document after the file and puts it at the top of
// `recentFiles`. A missing, foreign, newer or damaged file is reported (title "Open") and
// changes nothing. Returns whether the file was opened.
bool openLayoutFile(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                    const std::string& path, OpenedFrom from, const std::function<bool()>& save);

// Import boards from file: appends the file's boards behind the document's and activates the
// last one; the file name, recent files and project information stay. A file that cannot be
// read is reported and adds no board. Returns whether boards were added.
bool importBoardsFromFile(Document& doc, Host& host, const std::string& path);

}  // namespace pravelo
