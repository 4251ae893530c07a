#pragma once

#include "base/host.h"
#include "document/document.h"
#include "manufacturing/excellon_file.h"

namespace pravelo {

// Tool numbers beyond this are unknown to many drilling machines.
inline constexpr int kMaxExcellonTools = 99;

// The silkscreen warning's text, or nothing when no pad has a hole there.
std::string silkscreenDrillWarning(const Board& board, Language language);

// Shows the silkscreen warning when it applies.
void warnAboutSilkscreenDrills(const Board& board, Host& host);

// When numbers are written with all their digits and no decimal point, a hole beyond the
// format's integer digits would be read at a wrong place: the message saying so, else nothing.
std::string formatRangeProblem(const Board& board, const ExcellonOptions& options,
                               Language language);

// The number of drills the file would get with the options.
int drillToolCount(const Board& board, const ExcellonOptions& options);

// While the file needs more than 99 drills and a coarser step is left, offers to round the
// diameters to it; each accepted offer raises the granularity of `options`.
void offerCoarserDrills(const Board& board, ExcellonOptions& options, Host& host);

}  // namespace pravelo
