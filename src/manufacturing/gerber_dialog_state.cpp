#include "manufacturing/gerber_dialog_state.h"

namespace pravelo {

GerberDialogState gerberDialogState(const Board& board,
                                    const std::array<bool, kGerberOutputs.size()>& checked,
                                    bool punchChecked) {
  GerberDialogState s;
  for (std::size_t i = 0; i < kGerberOutputs.size(); ++i) {
    const GerberOutput& output = kGerberOutputs[i];
    s.enabled[i] = gerberOutputAvailable(board, output);
    s.checked[i] = s.enabled[i] && checked[i];
    if (!s.checked[i]) continue;
    s.createEnabled = true;
    if (output.content == GerberContent::SolderMask) s.solderMaskGroupEnabled = true;
    if (output.content == GerberContent::SmdMask) s.smdMaskGroupEnabled = true;
    if (output.content == GerberContent::Copper &&
        (output.layer == kLayerC1 || output.layer == kLayerC2)) {
      s.punchEnabled = true;
    }
  }
  s.centrePunchEnabled = s.punchEnabled && punchChecked;
  return s;
}

}  // namespace pravelo
