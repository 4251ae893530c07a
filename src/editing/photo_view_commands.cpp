#include "editing/photo_view_commands.h"

#include "base/units.h"
#include "view/zoom.h"
#include "view/zoom_commands.h"

namespace pravelo {
namespace {

// Changes what is shown by `change` and draws it. When the picture turns over, the view scrolls
// so that the board point that was in the middle of it is there again, rather than showing the
// board's other edge.
template <typename Change>
void showAnew(Editor& editor, Change change) {
  const ViewTransform before = editor.view();
  const DPoint middle = viewCentre(before, editor.viewport);
  change();
  ViewTransform v = editor.view();
  if (v.mirrored != before.mirrored) {
    v.scrollX = 0;
    v.scrollX =
        roundHalfEven(screenX(v, middle.x) - static_cast<double>(editor.viewport.width) / 2);
    Board& board = editor.board();
    storeView(board.header, clampScroll(v, viewFrameOf(board, editor.viewport)));
    editor.repaint.viewChanged();
  }
  editor.repaint.repaintAll();
}

}  // namespace

PhotoOptions photoOptionsOf(const PhotoViewSettings& stored, PhotoSide side) {
  return {.side = side,
          .silkscreen = stored.Best,
          .xRay = stored.XRay,
          .boardColour = stored.PL_Color,
          .finish = stored.LS_Color};
}

PhotoViewSettings photoViewSettingsOf(const PhotoOptions& options) {
  return {.Best = options.silkscreen,
          .XRay = options.xRay,
          .LS_Color = options.finish,
          .PL_Color = options.boardColour};
}

void openPhotoView(Editor& editor) {
  if (editor.photoViewOn || editor.doc.activeBoard < 0) return;
  showAnew(editor, [&] {
    editor.photo = photoOptionsOf(editor.settings.photoView, editor.photo.side);
    editor.photoViewOn = true;
  });
}

void closePhotoView(Editor& editor) {
  if (!editor.photoViewOn) return;
  editor.settings.photoView = photoViewSettingsOf(editor.photo);
  if (editor.doc.activeBoard < 0) {
    editor.photoViewOn = false;
    return;
  }
  showAnew(editor, [&] { editor.photoViewOn = false; });
}

void setPhotoOptions(Editor& editor, const PhotoOptions& options) {
  if (!editor.photoViewOn || editor.doc.activeBoard < 0) {
    editor.photo = options;
    return;
  }
  showAnew(editor, [&] { editor.photo = options; });
}

}  // namespace pravelo
