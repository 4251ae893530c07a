#pragma once

#include <string>
#include <vector>

#include "base/host.h"
#include "base/text.h"
#include "copper/contour.h"
#include "document/document.h"
#include "geometry/length_text.h"
#include "manufacturing/isolation_loops.h"
#include "manufacturing/milling_jobs.h"
#include "manufacturing/milling_options.h"

namespace pravelo {

// A milling layer is chosen whose ground plane is on: the plane cannot be milled and is left
// out, which the user is told before the output.
bool millingIgnoresGroundPlane(const Board& board, const MillingOptions& options);

// The chosen name without its extension, plus "_Pen<n>.plt" or "_joblist.txt".
std::string penFilePath(const std::string& chosen, int pen);
std::string jobListPath(const std::string& chosen);

// What one output run wrote and milled.
struct MillingRun {
  std::vector<std::string> written;
  bool failed = false;  // a file could not be written (the host was told)
  ContourList paths;    // isolation paths in board coordinates, for the overlay
};

// Writes `text` to `path` (replacing it); a failure is shown through the host.
bool saveMillingText(const std::string& path, const std::string& text, Host& host,
                     Language language);

// Writes one file per job as `chosen`'s "_Pen<n>.plt", in job order, asking before replacing
// an existing file (a refused file is skipped), then the job list when the options ask for it.
MillingRun writeSeparateMillingFiles(const Board& board, const MillingOptions& options,
                                     const std::vector<MillingJob>& jobs, const std::string& chosen,
                                     Host& host, LengthUnit unit, Language language,
                                     const MillingProgress& progress = {});

// Asks before replacing an existing file; true when it may be written.
bool mayReplaceMillingFile(const std::string& path, Host& host, Language language);

}  // namespace pravelo
