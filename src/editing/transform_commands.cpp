#include "editing/transform_commands.h"

#include <vector>

#include "base/text.h"
#include "document/document_texts.h"
#include "editing/editing_texts.h"
#include "editing/rubber_band.h"
#include "editing/selection_units.h"
#include "geometry/component_side.h"
#include "geometry/layer_change.h"
#include "geometry/point.h"
#include "geometry/rotate.h"

namespace pravelo {

namespace {

template <class Change>
void forEachSelected(Board& board, Change change) {
  for (const auto& o : board.objects) {
    if (o->selected) change(*o);
  }
}

bool finish(Editor& editor) {
  const bool changed = editor.commitGestureIfChanged();
  if (changed) editor.repaint.repaintAll();
  return changed;
}

// Mirroring or changing sides of a whole component is asked about first.
bool confirmedForComponents(Editor& editor) {
  if (selectedComponents(editor.board()).empty()) return true;
  return editor.host.ask(tr(texts::componentMirrorQuestion), tr(texts::productName),
                         Buttons::OkCancel, MessageIcon::Warning) == Answer::Ok;
}

// The component data lives on the ID text, hidden or not.
void rotatePlacements(Board& board, double degrees) {
  for (const std::vector<TObjekt*>& component : selectedComponents(board)) {
    const std::vector<const TObjekt*> members(component.begin(), component.end());
    const bool top = componentOnTopSide(members);
    for (TObjekt* o : component) {
      if (isIdText(*o)) rotatePlacement(o->component, degrees, top);
    }
  }
}

}  // namespace

bool rotateSelectionCommand(Editor& editor, double degrees, bool shift) {
  Board& board = editor.board();
  const std::optional<FPoint> centre = selectionCentre(board);
  if (!centre) return false;
  const double a = shift ? -degrees : degrees;
  const std::vector<AttachedVertex> attached =
      attachedVertices(board, editor.settings.optionen.Gummiband);
  editor.beginChange();
  forEachSelected(board, [&](TObjekt& o) { rotateObject(o, *centre, a); });
  if (editor.settings.optionen.BezWertFlip) {
    forEachSelected(board, [](TObjekt& o) { turnLabelReadable(o); });
  }
  rotatePlacements(board, a);
  for (const AttachedVertex& v : attached) {
    FPoint& p = v.track->points[v.vertex];
    p = rotatePoint(p, *centre, -a);
  }
  return finish(editor);
}

bool mirrorSelectionCommand(Editor& editor, MirrorAxis axis) {
  Board& board = editor.board();
  const std::optional<FPoint> centre = selectionCentre(board);
  if (!centre || !confirmedForComponents(editor)) return false;
  const double at = axis == MirrorAxis::Horizontal ? centre->x : centre->y;
  const std::vector<AttachedVertex> attached =
      attachedVertices(board, editor.settings.optionen.Gummiband);
  editor.beginChange();
  forEachSelected(board, [&](TObjekt& o) { mirrorObject(o, axis, at); });
  for (const AttachedVertex& v : attached) {
    FPoint& p = v.track->points[v.vertex];
    if (axis == MirrorAxis::Horizontal) {
      p.x = static_cast<float>(2 * at - p.x);
    } else {
      p.y = static_cast<float>(2 * at - p.y);
    }
  }
  return finish(editor);
}

bool changeBoardSideCommand(Editor& editor) {
  Board& board = editor.board();
  if (selectedObjects(board).empty() || !confirmedForComponents(editor)) return false;
  editor.beginChange();
  forEachSelected(board, [](TObjekt& o) {
    setObjectLayer(o, static_cast<std::uint8_t>(otherSideLayer(o.layer)));
  });
  return finish(editor);
}

bool setLayerCommand(Editor& editor, int layer) {
  Board& board = editor.board();
  const bool inner = layer == kLayerI1 || layer == kLayerI2;
  if (layer < kLayerC1 || layer > kLayerO || (inner && !board.header.multilayer)) return false;
  if (selectedObjects(board).empty()) return false;
  editor.beginChange();
  forEachSelected(board, [&](TObjekt& o) { setObjectLayer(o, static_cast<std::uint8_t>(layer)); });
  return finish(editor);
}

}  // namespace pravelo
