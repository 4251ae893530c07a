#include "manufacturing/drill_export.h"

#include "document/document_texts.h"
#include "manufacturing/drill_texts.h"

namespace pravelo {

std::string silkscreenDrillWarning(const Board& board, Language language) {
  const int count = silkscreenDrillCount(board);
  if (count == 0) return {};
  return fillIn(texts::drillSilkscreenWarning, language, {std::to_string(count)});
}

void warnAboutSilkscreenDrills(const Board& board, Host& host) {
  const std::string warning = silkscreenDrillWarning(board, currentLanguage());
  if (!warning.empty()) {
    host.showMessage(warning, tr(texts::productName), MessageIcon::Information);
  }
}

std::string formatRangeProblem(const Board& board, const ExcellonOptions& options,
                               Language language) {
  if (options.decimalPoint || options.deleteLeadingZeros) return {};
  DrillSelection selection = options.selection;
  selection.singleTool = false;
  selection.sorted = false;
  const int count = holesOutOfRange(board, collectDrills(board, selection), options);
  if (count == 0) return {};
  const bool metric = options.format != ExcellonFormat::Inch24;
  return fillIn(texts::drillOutOfRange, language,
                {std::to_string(count), metric ? "999 mm" : "99 inch"});
}

int drillToolCount(const Board& board, const ExcellonOptions& options) {
  DrillSelection selection = options.selection;
  selection.singleTool = false;
  selection.sorted = false;
  return static_cast<int>(collectDrills(board, selection).size());
}

void offerCoarserDrills(const Board& board, ExcellonOptions& options, Host& host) {
  while (options.selection.granularity < 2) {
    const int count = drillToolCount(board, options);
    if (count <= kMaxExcellonTools) return;
    const int next = options.selection.granularity + 1;
    const bool english = currentLanguage() == Language::English;
    const std::string step = next == 1 ? (english ? "0.1" : "0,1") : (english ? "0.2" : "0,2");
    const std::string question = fillIn(texts::drillTooManyTools, {std::to_string(count), step});
    if (host.ask(question, tr(texts::productName), Buttons::YesNo, MessageIcon::Warning) !=
        Answer::Yes) {
      return;
    }
    options.selection.granularity = next;
  }
}

}  // namespace pravelo
