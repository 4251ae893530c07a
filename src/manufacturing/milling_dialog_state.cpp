#include "manufacturing/milling_dialog_state.h"

#include <algorithm>

#include "manufacturing/milling_jobs.h"
#include "manufacturing/milling_objects.h"

namespace pravelo {
namespace {

bool anyMillSelection(const Board& board) {
  return std::ranges::any_of(board.objects, [](const auto& o) {
    const bool onLayer = isCopperLayer(o->layer) || o->layer == kLayerO;
    return o->selected != 0 && onLayer && o->cutout == 0 && !isMaskOnlyZone(*o);
  });
}

bool anyTakesPart(const Board& board, int layer, bool selectedOnly) {
  return std::ranges::any_of(board.objects, [&](const auto& o) {
    return takesPartInMilling(*o, board.header, layer, selectedOnly);
  });
}

// Texts taking part on a layer that is milled, selected or not.
bool anyMilledText(const Board& board, const MillingOptions& o, bool selected) {
  return std::ranges::any_of(board.objects, [&](const auto& t) {
    if (t->kind != kText || (t->selected != 0) != selected) return false;
    return (o.millC1 && t->layer == kLayerC1 &&
            takesPartInMilling(*t, board.header, kLayerC1, o.selectedOnly)) ||
           (o.millC2 && t->layer == kLayerC2 &&
            takesPartInMilling(*t, board.header, kLayerC2, o.selectedOnly));
  });
}

}  // namespace

MillingDialogState millingDialogState(const Board& board, const MillingOptions& requested) {
  MillingDialogState s;
  MillingOptions& o = s.options;
  o = requested;
  s.selectedOnlyEnabled = anyMillSelection(board);
  o.selectedOnly = o.selectedOnly && s.selectedOnlyEnabled;
  s.millC1Enabled = anyTakesPart(board, kLayerC1, o.selectedOnly);
  s.millC2Enabled = anyTakesPart(board, kLayerC2, o.selectedOnly);
  o.millC1 = o.millC1 && s.millC1Enabled;
  o.millC2 = o.millC2 && s.millC2Enabled;
  s.drillingsAvailable = hasMillingHoles(board, o.selectedOnly);
  s.punchC1Enabled = s.drillingsAvailable && o.millC1;
  s.punchC2Enabled = s.drillingsAvailable && o.millC2;
  o.punchC1 = o.punchC1 && s.punchC1Enabled;
  o.punchC2 = o.punchC2 && s.punchC2Enabled && !o.punchC1;
  s.overlapEnabled = o.passes > 1;
  s.normalTextsEnabled = anyMilledText(board, o, false);
  s.selectedTextsEnabled = anyMilledText(board, o, true);
  s.outlineAvailable = !outlineObjects(board, o.selectedOnly).empty();
  s.okEnabled = !millingJobs(board, o, LengthUnit::Mm, Language::English).empty();
  return s;
}

void choosePunchSide(MillingOptions& options, int layer, bool checked) {
  bool& mine = layer == kLayerC1 ? options.punchC1 : options.punchC2;
  bool& other = layer == kLayerC1 ? options.punchC2 : options.punchC1;
  mine = checked;
  if (checked) other = false;
}

}  // namespace pravelo
