#include "editing/generator_commands.h"

#include <algorithm>

#include "document/document_texts.h"
#include "editing/generator_texts.h"
#include "geometry/bounding_box.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

// Room left around a shape zoomed to fit, in pixels.
constexpr double kShapeFitMargin = 20;

void zoomOutToFit(Editor& editor, const ObjectList& shape) {
  const TRect box = objectListBounds(shape, {});
  if (rectWidth(box) <= 0 || rectHeight(box) <= 0) return;
  Board& board = editor.board();
  const double fit = std::min((static_cast<double>(editor.viewport.width) - kShapeFitMargin) /
                                  static_cast<double>(rectWidth(box)),
                              (static_cast<double>(editor.viewport.height) - kShapeFitMargin) /
                                  static_cast<double>(rectHeight(box)));
  const ViewTransform view = viewOf(board.header);
  if (fit >= view.zoom) return;
  storeView(board.header, setZoom(view, viewFrameOf(board, editor.viewport), fit));
  editor.repaint.viewChanged();
}

}  // namespace

void footprintWizardCommand(Editor& editor, ToolMachine& machine) {
  if (machine.tool() != ToolId::Edit) machine.chooseTool(ToolId::Edit);
  FootprintDialog dialog;
  dialog.values = editor.footprint;
  dialog.mil = editor.unit() == LengthUnit::Mil;
  const int layer = editor.board().header.activeLayer;
  ObjectList& clipboard = editor.doc.clipboard;
  dialog.refresh = [&clipboard, layer](const FootprintValues& values) -> const ObjectList& {
    clipboard.clear();
    generateFootprint(values, layer, clipboard);
    return clipboard;
  };
  const bool ok = editor.host.showFootprintDialog(dialog);
  editor.footprint = dialog.values;
  if (ok) {
    dialog.refresh(dialog.values);
    if (!clipboard.empty()) machine.chooseTool(ToolId::Placing);
  }
  editor.repaint.repaintAll();
}

bool specialShapeCommand(Editor& editor) {
  const Board& board = editor.board();
  const int layer = board.header.activeLayer;
  const std::int32_t clearance = newObjectSize(editor.sizes, SizeField::FreistanzOffset);
  ShapeDialog dialog;
  dialog.values = editor.shape;
  dialog.mil = editor.unit() == LengthUnit::Mil;
  dialog.board = &board.header;
  dialog.preview = [layer, clearance](const ShapeValues& values) {
    ObjectList shape;
    generateShape(values, layer, clearance, shape);
    return shape;
  };
  dialog.fits = [&board](const ObjectList& shape) { return shapeFitsBoard(shape, board.header); };
  const bool ok = editor.host.showShapeDialog(dialog);
  editor.shape = dialog.values;
  if (!ok) return false;
  editor.doc.clipboard.clear();
  generateShape(dialog.values, layer, clearance, editor.doc.clipboard);
  zoomOutToFit(editor, editor.doc.clipboard);
  return !editor.doc.clipboard.empty();
}

bool shapeAccepted(const ShapeDialog& dialog, Host& host) {
  if (dialog.fits(dialog.preview(dialog.values))) return true;
  host.showMessage(tr(texts::shapeTooBig), tr(texts::productName), MessageIcon::Warning);
  return false;
}

}  // namespace pravelo
