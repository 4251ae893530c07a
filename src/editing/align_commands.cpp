#include "editing/align_commands.h"

#include <optional>
#include <unordered_map>
#include <vector>

#include "base/units.h"
#include "editing/rubber_band.h"
#include "editing/selection_units.h"
#include "editing/snap.h"
#include "geometry/pad_geometry.h"
#include "geometry/translate.h"
#include "view/user_origin.h"

namespace pravelo {

namespace {

using Unit = std::vector<TObjekt*>;

// The point an object is put on the grid by.
std::optional<FPoint> gridPoint(const TObjekt& o) {
  switch (o.kind) {
    case kSmdPad:
      return smdPadCentre(o);
    case kTrack:
    case kZone:
      if (o.points.empty()) return std::nullopt;
      return o.points.front();
    default:
      return o.pos;
  }
}

DPoint gridOffset(const Unit& unit, double grid, IPoint origin) {
  const TObjekt* by = unit.front();
  for (const TObjekt* o : unit) {
    if (isPadKind(o->kind)) {
      by = o;
      break;
    }
  }
  const std::optional<FPoint> p = gridPoint(*by);
  if (!p) return {};
  const DPoint snapped = snapToGrid(toDPoint(*p), grid, origin);
  return {snapped.x - p->x, snapped.y - p->y};
}

// Moves every unit by its offset, with the track ends attached to its pads.
void moveUnits(const std::vector<Unit>& units, const std::vector<DPoint>& offsets,
               const std::vector<AttachedVertex>& attached) {
  std::unordered_map<const TObjekt*, DPoint> offsetOf;
  for (std::size_t i = 0; i < units.size(); ++i) {
    for (TObjekt* o : units[i]) {
      translateObject(*o, offsets[i].x, offsets[i].y);
      offsetOf[o] = offsets[i];
    }
  }
  for (const AttachedVertex& v : attached) {
    const DPoint d = offsetOf.at(v.pad);
    FPoint& p = v.track->points[v.vertex];
    p = {static_cast<float>(p.x + d.x), static_cast<float>(p.y + d.y)};
  }
}

bool finish(Editor& editor) {
  const bool changed = editor.commitGestureIfChanged();
  if (changed) editor.repaint.repaintAll();
  return changed;
}

template <class OffsetOf>
bool moveSelectionUnits(Editor& editor, OffsetOf offsetOf) {
  Board& board = editor.board();
  const std::vector<Unit> units = selectionUnits(board);
  if (units.empty()) return false;
  std::vector<DPoint> offsets;
  offsets.reserve(units.size());
  for (const Unit& unit : units) offsets.push_back(offsetOf(unit));
  const std::vector<AttachedVertex> attached =
      attachedVertices(board, editor.settings.optionen.Gummiband);
  editor.beginChange();
  moveUnits(units, offsets, attached);
  return finish(editor);
}

double centreX(const TRect& r) { return r.left + rectWidth(r) / 2.0; }
double centreY(const TRect& r) { return r.top + rectHeight(r) / 2.0; }

// World rectangles keep the smaller y in `top`: the top edge on the board is `bottom`.
DPoint alignmentOffset(Alignment alignment, const TRect& target, const TRect& unit) {
  switch (alignment) {
    case Alignment::Top:
      return {0, static_cast<double>(target.bottom) - unit.bottom};
    case Alignment::Bottom:
      return {0, static_cast<double>(target.top) - unit.top};
    case Alignment::Left:
      return {static_cast<double>(target.left) - unit.left, 0};
    case Alignment::Right:
      return {static_cast<double>(target.right) - unit.right, 0};
    case Alignment::HorizontalCentre:
      return {static_cast<double>(roundHalfEven(centreX(target) - centreX(unit))), 0};
    case Alignment::VerticalCentre:
      return {0, static_cast<double>(roundHalfEven(centreY(target) - centreY(unit)))};
  }
  return {};
}

std::vector<const TObjekt*> constUnit(const Unit& unit) { return {unit.begin(), unit.end()}; }

}  // namespace

bool snapSelectionToGridCommand(Editor& editor) {
  const BoardHeader& header = editor.board().header;
  const double grid = header.grid;
  const IPoint origin = userOrigin(header);
  return moveSelectionUnits(editor,
                            [&](const Unit& unit) { return gridOffset(unit, grid, origin); });
}

bool alignSelectionCommand(Editor& editor, Alignment alignment) {
  const std::optional<TRect> target = outlineBoundsOf(selectedObjects(editor.board()));
  if (!target) return false;
  return moveSelectionUnits(editor, [&](const Unit& unit) {
    return alignmentOffset(alignment, *target, outlineBoundsOf(constUnit(unit)).value());
  });
}

}  // namespace pravelo
