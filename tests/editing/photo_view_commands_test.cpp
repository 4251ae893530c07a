#include "editing/photo_view_commands.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "view/zoom.h"

namespace pravelo::testing {
namespace {

class PhotoViewCommandsTest : public EditorTest {
 protected:
  DPoint middle() { return viewCentre(editor.view(), editor.viewport); }
  void showSide(PhotoSide side) {
    PhotoOptions options = editor.photo;
    options.side = side;
    setPhotoOptions(editor, options);
  }
};

TEST_F(PhotoViewCommandsTest, OpeningTakesTheStoredOptionsAndClosingPutsThemBack) {
  settings.photoView = {.Best = false, .XRay = false, .LS_Color = 2, .PL_Color = 1};
  editor.photo.side = PhotoSide::Bottom;
  type(U'v');
  ASSERT_TRUE(editor.photoViewOn);
  EXPECT_EQ(editor.photo, (PhotoOptions{PhotoSide::Bottom, false, false, 1, 2}));
  EXPECT_TRUE(editor.view().mirrored);

  setPhotoOptions(editor, {PhotoSide::Bottom, true, true, 2, 0});
  EXPECT_EQ(settings.photoView.PL_Color, 1) << "written back only when the view closes";
  key(Key::Escape);
  EXPECT_FALSE(editor.photoViewOn);
  EXPECT_FALSE(editor.view().mirrored);
  EXPECT_EQ(settings.photoView, (PhotoViewSettings{true, true, 0, 2}));

  // The side is no setting: it stays as chosen for the next opening.
  type(U'v');
  EXPECT_EQ(editor.photo.side, PhotoSide::Bottom);
}

TEST_F(PhotoViewCommandsTest, TurningTheBoardOverKeepsTheBoardPointInTheMiddle) {
  board().header.scrollX = 2000;
  board().header.scrollY = 1500;
  const DPoint before = middle();  // (280000, -200000)
  type(U'v');
  EXPECT_EQ(board().header.scrollX, 2000) << "the top side is not mirrored";
  showSide(PhotoSide::Bottom);
  EXPECT_NEAR(middle().x, before.x, 100);
  EXPECT_EQ(board().header.scrollX, 6400);  // (1000000 - 280000) * 0.01 - 800
  EXPECT_EQ(board().header.scrollY, 1500);
  key(Key::Escape);
  EXPECT_EQ(board().header.scrollX, 2000);
}

TEST_F(PhotoViewCommandsTest, TheMouseAndTheWheelZoomAboutTheMirroredPoint) {
  editor.photo.side = PhotoSide::Bottom;
  type(U'v');
  const double zoom = board().header.zoom;
  click(300000, -400000);
  EXPECT_NEAR(board().header.zoom, zoom * 1.4, 1e-9);
  EXPECT_NEAR(middle().x, 300000, 100);
  EXPECT_NEAR(middle().y, -400000, 100);
  // A right click zooms out as in the Zoom tool, and the view stays.
  click(300000, -400000, {}, MouseButton::Right);
  EXPECT_NEAR(board().header.zoom, zoom, 1e-9);
  EXPECT_EQ(machine.tool(), ToolId::PhotoView);

  machine.wheel(screen(700000, -300000), 1);
  EXPECT_NEAR(middle().x, 700000, 100);
  EXPECT_NEAR(middle().y, -300000, 100);
}

TEST_F(PhotoViewCommandsTest, SpaceAndTheLayerKeysDoNothingThere) {
  type(U'v');
  machine.keyDown({Key::Space, 0, {}, false});
  EXPECT_EQ(machine.tool(), ToolId::PhotoView);
  machine.keyUp({Key::Space, 0, {}, false});
  EXPECT_EQ(machine.tool(), ToolId::PhotoView);
  for (const Key k : {Key::F9, Key::F11}) {
    key(k);
    EXPECT_EQ(board().header.activeLayer, kLayerC1);
  }
  key(Key::Escape);
  key(Key::F9);
  EXPECT_EQ(board().header.activeLayer, kLayerC2);
}

}  // namespace
}  // namespace pravelo::testing
