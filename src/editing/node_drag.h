#pragma once

#include "editing/editor.h"
#include "editing/input_event.h"
#include "editing/tool.h"
#include "geometry/angles.h"

namespace pravelo {

// The position of vertex `index` by the 45-degree construction: the segments to its neighbours
// run at multiples of 45 degrees, as near to `pointer` as possible. With `nearerOnly` only the
// neighbour whose segment is nearer to such an angle is followed, and only while the pointer
// stays within 8000 units of that line.
DPoint place45(const TObjekt& line, int index, DPoint pointer, bool nearerOnly);

// The angle of `pointer` seen from `centre`, anticlockwise in [0, 360000): in 15 degree steps,
// or `fine` to a thousandth of a degree.
MilliDeg handleAngle(FPoint centre, DPoint pointer, bool fine);

// Dragging one node handle of the only selected track, zone or circle (handle numbers as in
// node_handles.h). The undo step is recorded on the first movement; the release cleans the
// track or zone up.
class NodeDrag {
 public:
  NodeDrag(TObjekt& object, int handle, DPoint press, bool alt);

  void move(Editor& editor, const PointerEvent& e);
  ToolResult release(Editor& editor);
  // The crosshair at `at`: the distance from the handle's start, or for a circle its angles and
  // diameter.
  void showOverlay(Editor& editor, DPoint at) const;
  const TObjekt& object() const { return object_; }

 private:
  DPoint vertexTarget(const Editor& editor, const PointerEvent& e, DPoint pointer) const;
  void moveCircleHandle(Editor& editor, const PointerEvent& e, DPoint pointer);
  double gridStep(const Editor& editor, const Modifiers& m) const;

  TObjekt& object_;
  int handle_;
  DPoint press_;
  bool segment_ = false;  // Alt on a midpoint: the whole segment moves
  bool started_ = false;
  int vertex_ = -1;  // the vertex being moved
  bool inserted_ = false;
  FPoint start_;            // the handle's starting position
  FPoint segmentStart_[2];  // both ends of a moved segment
  double startRadius_ = 0;  // circles: the centre-line radius at the press
};

}  // namespace pravelo
