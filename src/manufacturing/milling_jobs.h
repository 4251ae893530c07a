#pragma once

#include <string>
#include <vector>

#include "base/text.h"
#include "document/document.h"
#include "geometry/length_text.h"
#include "manufacturing/milling_options.h"

namespace pravelo {

// Pen numbers name the job kinds; pens from 6 on are the drills of the per-diameter drilling.
inline constexpr int kPenReferenceHoles = 1;
inline constexpr int kPenIsolationC1 = 2;
inline constexpr int kPenIsolationC2 = 3;
inline constexpr int kPenDrillings = 4;
inline constexpr int kPenOutline = 5;
inline constexpr int kPenFirstDrill = 6;

// One row of the job list (texts in UTF-8): its pen, the job and the side it works from ("-"
// for the reference holes).
struct MillingJob {
  int pen = 0;
  std::string job;
  std::string side;
  friend bool operator==(const MillingJob&, const MillingJob&) = default;
};

// The jobs the options ask for and the board has, in pen order; `unit` formats the drill
// diameters of the per-diameter jobs.
std::vector<MillingJob> millingJobs(const Board& board, const MillingOptions& options,
                                    LengthUnit unit, Language language);

// The row's text as the list shows it: "# <pen>;<job>;<side>" (reference holes "# 1 ;…").
std::string jobRowText(const MillingJob& job);

// The job-list text file: a line "Pen <n>", tab, side, tab, job per job in output order, the
// isolation and circle-drilling jobs with their cutter width; CR LF line ends, UTF-8, since the
// German and French texts are not ASCII.
std::string jobListText(const std::vector<MillingJob>& jobs, const MillingOptions& options,
                        LengthUnit unit, Language language);

// The text of a cutter width field: mm with two decimals or mil with one.
std::string cutterWidthText(std::int32_t width, LengthUnit unit);

}  // namespace pravelo
