#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/host.h"
#include "document/document.h"

namespace pravelo {

enum class OpenedFrom { Dialog, RecentList };

// What Open or Import did: whether the file's boards arrived, and whether the window is to fit
// the now active board into the view because the file stored no view of it.
struct OpenOutcome {
  bool opened = false;
  bool fitView = false;
  explicit operator bool() const { return opened; }
};

// Open, after the open dialog chose `path`, or a recent-file entry: checks and reads the file
// first, then discards the document (asking to save it, `save` saving it) and puts the file's
// boards in its place, names the document after the file and puts it at the top of
// `recentFiles`. A missing, foreign, newer or damaged file is reported (title "Open") and
// changes nothing. A file of an older version that had its copper sides exchanged says so.
OpenOutcome openLayoutFile(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                           const std::string& path, OpenedFrom from,
                           const std::function<bool()>& save);

// Import boards from file: appends the file's boards behind the document's and activates the
// last one; the file name, recent files and project information stay. A file that cannot be
// read is reported and adds no board; an older file is noted as by Open.
OpenOutcome importBoardsFromFile(Document& doc, Host& host, const std::string& path);

}  // namespace pravelo
