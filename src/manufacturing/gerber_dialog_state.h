#pragma once

#include <array>

#include "document/document.h"
#include "manufacturing/gerber_layers.h"

namespace pravelo {

// Which controls of the Gerber dialog can be used, recomputed after every change of a layer
// box: an output only when the board has something for it (an unusable box is unchecked), the
// punch boxes only with a copper file, the mask groups only with a mask file, and "Create" only
// with any file.
struct GerberDialogState {
  std::array<bool, kGerberOutputs.size()> enabled{};
  std::array<bool, kGerberOutputs.size()> checked{};
  bool punchEnabled = false;
  bool centrePunchEnabled = false;
  bool solderMaskGroupEnabled = false;
  bool smdMaskGroupEnabled = false;
  bool createEnabled = false;
};

GerberDialogState gerberDialogState(const Board& board,
                                    const std::array<bool, kGerberOutputs.size()>& checked,
                                    bool punchChecked);

}  // namespace pravelo
