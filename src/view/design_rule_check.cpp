#include "view/design_rule_check.h"

#include "view/connectivity.h"

namespace pravelo {

DrcResult runDrc(const Board& board, const DrcSettings& rules, const TRect& area,
                 const DrcProgress& progress) {
  return runDrcChecks(
      board, rules, area, [&board] { return Connectivity(board).components(); }, progress);
}

}  // namespace pravelo
