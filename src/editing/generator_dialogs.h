#pragma once

#include <functional>

#include "document/document.h"
#include "project/footprint.h"
#include "project/special_shape.h"

namespace pravelo {

// What the footprint wizard is shown with. The dialog changes `values` as the user edits them
// and calls `refresh` after every change and whenever it paints its preview: that puts the
// pattern into the clipboard, where it stays also after Cancel, and returns it for the preview.
struct FootprintDialog {
  FootprintValues values;
  bool mil = false;  // lengths are shown in mil
  std::function<const ObjectList&(const FootprintValues&)> refresh;
};

// What the special shapes dialog is shown with. `preview` generates a shape into a list of its
// own; `fits` tells whether a shape may be placed on the board, else OK shows the "too big"
// message and the dialog stays open.
struct ShapeDialog {
  ShapeValues values;
  bool mil = false;
  const BoardHeader* board = nullptr;  // for "Autosize"
  std::function<ObjectList(const ShapeValues&)> preview;
  std::function<bool(const ObjectList&)> fits;
};

}  // namespace pravelo
