#include "editing/autoroute_commands.h"

#include <algorithm>
#include <charconv>

#include "base/units.h"
#include "editing/selection.h"

namespace pravelo {

RouteRequest autorouteRequest(const Editor& editor) {
  const AutorouterSettings& s = editor.settings.autorouter;
  const BoardHeader& header = editor.board().header;
  RouteRequest rq;
  rq.layer = header.activeLayer;
  rq.width = s.Width;
  rq.clearance = s.Abstand;
  rq.trackClearance = newObjectSize(editor.sizes, SizeField::FreistanzOffset);
  rq.grid = routeGrid(s.Width, s.Abstand, s.Raster, header);
  return rq;
}

std::string routeGridLabel(double pitch, bool mil, char decimalPoint) {
  double value = mil ? unitsToMil(pitch) : unitsToMm(pitch);
  value = roundToDecimals(value, mil ? (value > 10 ? 2 : 3) : 5);
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 8).ptr;
  std::string text(buffer, end);
  std::replace(text.begin(), text.end(), '.', decimalPoint);
  return text + (mil ? " mil" : " mm");
}

RouteReport autorouteConnection(Editor& editor, int padA, int padB, const RouteMonitor& monitor) {
  RouteRequest rq = autorouteRequest(editor);
  rq.padA = padA;
  rq.padB = padB;
  editor.beginChange();
  const RouteReport report = routeConnection(editor.board(), rq, monitor);
  if (report.outcome != RouteOutcome::Routed) {
    editor.revertGesture();
    return report;
  }
  deselectAll(editor.board());
  editor.commitGesture();
  editor.repaint.repaintAll();
  return report;
}

std::vector<ConnectionRoute> autorouteAll(Editor& editor, const RouteAllMonitor& monitor) {
  editor.beginChange();
  std::vector<ConnectionRoute> routes = routeAll(editor.board(), autorouteRequest(editor), monitor);
  const bool any = std::any_of(routes.begin(), routes.end(), [](const ConnectionRoute& r) {
    return r.report.outcome == RouteOutcome::Routed;
  });
  if (any) {
    editor.commitGesture();
    editor.repaint.repaintAll();
  } else {
    editor.revertGesture();
  }
  return routes;
}

}  // namespace pravelo
