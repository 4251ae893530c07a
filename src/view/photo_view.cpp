#include "view/photo_view.h"

#include <algorithm>
#include <array>
#include <vector>

#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"
#include "view/canvas.h"
#include "view/canvas_surface.h"
#include "view/ground_plane_painter.h"
#include "view/layer_order.h"
#include "view/object_painter.h"

namespace pravelo {
namespace {

struct PhotoBoardColours {
  Rgb material;
  Rgb copper;
};

constexpr std::array<PhotoBoardColours, 3> kPhotoBoardColours{{
    {{22, 117, 22}, {0, 190, 0}},       // green
    {{36, 82, 200}, {132, 164, 228}},   // blue
    {{156, 116, 22}, {231, 183, 118}},  // copper
}};
constexpr Rgb kPhotoGold{220, 170, 20};
constexpr Rgb kPhotoSilver{210, 210, 210};
constexpr Rgb kPhotoSilkscreen{230, 230, 230};
constexpr Rgb kPhotoOutline{0, 0, 0};

std::uint8_t photoShadowPart(std::uint8_t v) {
  return static_cast<std::uint8_t>(v > 20 ? v - 20 : 0);
}

int photoIndex(int index, int count) { return index >= 0 && index < count ? index : 0; }

bool photoDrawn(const TObjekt& o) { return o.drawable && !o.cutout && !isHiddenLabel(o); }

// Whether each object's bounds reach into the frame; a pixel of margin for the smoothed edges.
std::vector<bool> photoObjectsInFrame(const Board& board, const ViewTransform& view,
                                      const Frame& frame) {
  const double pixel = 1 / view.zoom;
  const WorldRect shown = visibleWorldRect(view, {frame.width, frame.height});
  const SpokeLayer spokes = spokeLayerOf(board.header);
  std::vector<bool> inFrame(board.objects.size());
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TRect r = objectBounds(*board.objects[i], spokes);
    inFrame[i] = r.right + pixel >= shown.left && r.left - pixel <= shown.right &&
                 r.bottom + pixel >= shown.top && r.top - pixel <= shown.bottom;
  }
  return inFrame;
}

}  // namespace

PhotoPalette photoPalette(const PhotoOptions& options) {
  const PhotoBoardColours board =
      kPhotoBoardColours[photoIndex(options.boardColour, kPhotoBoardColours.size())];
  PhotoPalette p;
  p.material = board.material;
  p.copper = board.copper;
  switch (photoIndex(options.finish, 3)) {
    case 0:
      p.finish = kPhotoGold;
      break;
    case 1:
      p.finish = kPhotoSilver;
      break;
    default:
      p.finish = board.copper;
      break;
  }
  p.silkscreen = kPhotoSilkscreen;
  p.outline = kPhotoOutline;
  p.shadow = {photoShadowPart(board.material.r), photoShadowPart(board.material.g),
              photoShadowPart(board.material.b)};
  return p;
}

ViewTransform photoViewTransform(ViewTransform view, const BoardHeader& header, PhotoSide side) {
  view.mirrored = side == PhotoSide::Bottom;
  view.boardWidth = header.width;
  return view;
}

void renderPhotoView(const Board& board, const ViewTransform& view, const PhotoOptions& options,
                     Frame& frame) {
  const PhotoPalette palette = photoPalette(options);
  const bool top = options.side == PhotoSide::Top;
  const int copperLayer = top ? kLayerC1 : kLayerC2;
  const int silkLayer = top ? kLayerS1 : kLayerS2;
  const int otherCopper = top ? kLayerC2 : kLayerC1;
  const int otherSilk = top ? kLayerS2 : kLayerS1;
  Canvas canvas(frame, true);
  CanvasSurface surface(canvas, view);
  ObjectPainter painter(surface);
  // Only objects that reach into the frame are drawn, so that scrolling, which draws thin
  // strips, costs what is in them; each is tested once for all passes.
  const std::vector<bool> inFrame = photoObjectsInFrame(board, view, frame);
  const auto drawWhere = [&](Rgb colour, auto picked) {
    surface.setPaint({colour});
    for (std::size_t i = 0; i < board.objects.size(); ++i) {
      const TObjekt& o = *board.objects[i];
      if (inFrame[i] && photoDrawn(o) && picked(o)) painter.draw(o);
    }
  };

  // The board material, or the side's ground plane with its clearances and spokes.
  canvas.clear(palette.material);
  if (board.header.groundPlane[copperLayer - 1]) {
    surface.setPaint({palette.copper});
    surface.setClearPaint({palette.material});
    paintPlaneBase(surface, board, copperLayer);
  }
  if (options.xRay) {
    drawWhere(palette.shadow, [&](const TObjekt& o) {
      if (isVia(o)) return false;
      return o.layer == otherCopper || o.layer == kLayerI1 || o.layer == kLayerI2 ||
             (options.silkscreen && o.layer == otherSilk);
    });
  }
  const auto onCopperSide = [&](const TObjekt& o) {
    return (o.layer == copperLayer || isVia(o)) && !isMaskOnlyZone(o);
  };
  drawWhere(palette.copper, [&](const TObjekt& o) { return onCopperSide(o) && o.solderMask == 0; });
  drawWhere(palette.finish, [&](const TObjekt& o) { return onCopperSide(o) && o.solderMask != 0; });
  if (options.silkscreen) {
    drawWhere(palette.silkscreen, [&](const TObjekt& o) { return o.layer == silkLayer; });
  }
  drawWhere(palette.outline, [](const TObjekt& o) { return o.layer == kLayerO; });

  const Paint hole{kPhotoOutline};
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& o = *board.objects[i];
    if (!inFrame[i] || o.kind != kPad || !o.drawable || !(o.dim.y > 0) || !isCopperLayer(o.layer)) {
      continue;
    }
    canvas.disc(worldToScreen(view, o.pos), std::max(0.5, o.dim.y * view.zoom), hole);
  }
}

}  // namespace pravelo
