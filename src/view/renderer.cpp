#include "view/renderer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

#include "geometry/arc.h"
#include "geometry/bounding_box.h"
#include "geometry/layer_presence.h"
#include "geometry/pad_geometry.h"
#include "view/background_template.h"
#include "view/canvas.h"
#include "view/canvas_surface.h"
#include "view/grid_lines.h"
#include "view/ground_plane_painter.h"
#include "view/layer_buffer.h"
#include "view/layer_order.h"
#include "view/object_painter.h"
#include "view/photo_view.h"

namespace pravelo {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kMagenta{255, 0, 255};

// A colour moved 20 % towards black.
Rgb dimmed(Rgb c) {
  const auto part = [](std::uint8_t v) {
    return static_cast<std::uint8_t>(std::nearbyint(v * 0.8));
  };
  return {part(c.r), part(c.g), part(c.b)};
}

// Everything one frame needs, with the colours derived once.
struct FrameContext {
  const Board& board;
  const BoardHeader& header;
  const ViewTransform& view;
  const ColourScheme& scheme;
  const RenderOptions& options;
  Canvas& canvas;
  Rgb background;
  Rgb invertedBackground;
  Rgb highlight;
  // How objects meet what lies below: Add or Subtract in the transparent display, where each
  // layer is first drawn into `layerBuffer` and then blended as a whole.
  Blend objectBlend;
  std::unique_ptr<LayerBuffer> layerBuffer;
  bool layerPending = false;
  CanvasSurface surface;  // into `layerBuffer` while there is one, else into the frame
  ObjectPainter painter;
  SpokeLayer spokes;
  WorldRect visibleWorld;
  // Per-frame clip cache, by object index: 0 not yet tested, 1 inside, 2 outside.
  std::vector<std::uint8_t> clipState;

  FrameContext(const Board& b, const ViewTransform& v, const ColourScheme& s,
               const RenderOptions& o, Canvas& c)
      : board(b),
        header(b.header),
        view(v),
        scheme(s),
        options(o),
        canvas(c),
        background(s.background()),
        invertedBackground(inverted(s.background())),
        highlight(o.dimmedHighlight ? dimmed(highlightColour(s.background()))
                                    : highlightColour(s.background())),
        objectBlend(!o.transparent           ? Blend::Normal
                    : isDark(s.background()) ? Blend::Add
                                             : Blend::Subtract),
        layerBuffer(o.transparent ? std::make_unique<LayerBuffer>(c.frame().width, c.frame().height,
                                                                  c.antiAliased(), objectBlend)
                                  : nullptr),
        surface(layerBuffer ? layerBuffer->canvas() : c, v),
        painter(surface),
        spokes(spokeLayerOf(b.header)),
        visibleWorld(visibleWorldRect(v, {c.frame().width, c.frame().height})),
        clipState(b.objects.size(), 0) {}

  double px(double units) const { return units * view.zoom; }
  DPoint at(FPoint p) const { return worldToScreen(view, p); }

  bool inView(std::size_t index) {
    if (!options.clipToView) return true;
    std::uint8_t& state = clipState[index];
    if (state == 0) {
      const TRect r = objectBounds(*board.objects[index], spokes);
      const bool inside = r.right >= visibleWorld.left && r.left <= visibleWorld.right &&
                          r.bottom >= visibleWorld.top && r.top <= visibleWorld.bottom;
      state = inside ? 1 : 2;
    }
    return state == 1;
  }

  bool shownSelected(const TObjekt& o) const { return o.selected && !options.finishedBoard; }

  bool maskOpeningStandsOut(const TObjekt& o) const {
    return options.solderMaskMode && (o.solderMask != 0 || isMaskOnlyZone(o));
  }

  Rgb colourOf(const TObjekt& o) const {
    if (options.allWhite) return kWhite;
    if (shownSelected(o)) return highlight;
    if (maskOpeningStandsOut(o)) return scheme.layer(kLayerO);
    if (isVia(o) && !options.showAllLayers) return scheme.colours[kSlotVia];
    return scheme.layer(o.layer);
  }

  Paint paintOf(Rgb colour) const {
    return layerBuffer ? layerBuffer->paint(colour) : Paint{colour};
  }

  void draw(const TObjekt& o) {
    surface.setPaint(paintOf(colourOf(o)));
    painter.draw(o);
    layerPending = true;
  }

  // Blends the objects drawn since the last call into the frame as one layer.
  void endLayer() {
    if (layerBuffer && layerPending) layerBuffer->mergeInto(canvas.frame());
    layerPending = false;
  }
};

// Draws the objects that `drawn` picks by their index. The order of the transparent display's
// blends does not matter, so there they are taken layer by layer; else in list order.
template <typename Pick>
void drawEachLayer(FrameContext& f, Pick drawn) {
  const auto& objects = f.board.objects;
  if (!f.layerBuffer) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
      if (drawn(i)) f.draw(*objects[i]);
    }
    return;
  }
  for (int layer = kLayerC1; layer <= kLayerO; ++layer) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
      if (objects[i]->layer == layer && drawn(i)) f.draw(*objects[i]);
    }
    f.endLayer();
  }
}

bool drawnInLayerPass(const FrameContext& f, const TObjekt& o) {
  return o.drawable && !f.shownSelected(o) && !o.cutout && !isHiddenLabel(o);
}

// Step 1: the board area, in the active layer's ground-plane colour when its plane is on.
void fillBoardArea(FrameContext& f) {
  f.canvas.clear(f.background);
  const Rgb fill =
      isCopperLayer(f.header.activeLayer) && f.header.groundPlane[f.header.activeLayer - 1]
          ? groundPlaneColour(f.scheme, f.header.activeLayer, f.options.darkGroundPlane)
          : f.background;
  const DPoint topLeft = f.at({0, 0});
  const DPoint bottomRight =
      f.at({static_cast<float>(f.header.width), static_cast<float>(-f.header.height)});
  f.canvas.fillRect(topLeft.x - 2, topLeft.y - 2, bottomRight.x + 2, bottomRight.y + 2, {fill});
}

// Step 2: the automatic ground planes of the active layer, or of every shown copper layer.
void drawGroundPlanes(FrameContext& f) {
  std::vector<int> layers;
  for (int layer : layerDrawingOrder(f.header.activeLayer)) {
    if (!isCopperLayerInUse(f.header, layer) || !f.header.groundPlane[layer - 1]) continue;
    if (layer == f.header.activeLayer ||
        (f.options.allGroundPlanes && layerShown(f.header, layer, f.options.showAllLayers))) {
      layers.push_back(layer);
    }
  }
  const GroundPlaneStyle style{f.background, f.options.darkGroundPlane};
  if (layers.size() == 1) {
    paintGroundPlane(f.canvas, f.view, f.board, layers[0], f.scheme, style);
    return;
  }
  // Several planes: each is painted on its own and merged with the background as the
  // transparent colour.
  for (int layer : layers) {
    Frame plane(f.canvas.frame().width, f.canvas.frame().height);
    Canvas planeCanvas(plane, f.canvas.antiAliased());
    planeCanvas.clear(f.background);
    paintGroundPlane(planeCanvas, f.view, f.board, layer, f.scheme, style);
    mergeExceptColour(f.canvas.frame(), plane, f.background);
  }
}

// Step 3: the scanned copy of the active side, only where no ground plane covers the board.
// With every layer hidden no plane covers it.
void drawTemplate(FrameContext& f) {
  const int layer = f.header.activeLayer;
  const int side = templateSideOfLayer(layer);
  if (side == 0 || !f.header.templateShown[side - 1]) return;
  if (f.header.groundPlane[layer - 1] && !f.options.templateAlone) return;
  const ScanPicture* picture = f.options.templatePictures[side - 1];
  if (picture == nullptr || picture->width == 0) return;
  drawBackgroundTemplate(f.canvas.frame(), *picture, f.header, side, f.view, f.background);
}

void drawGrid(FrameContext& f) {
  if (!f.options.showGrid) return;
  const GridLayout grid = gridLayout(f.view, f.visibleWorld, {f.header.originX, f.header.originY},
                                     f.header.grid, f.options.gridMarking);
  const Frame& frame = f.canvas.frame();
  if (!f.options.dotGrid) {
    const Paint paint{f.scheme.colours[kSlotLineGrid]};
    const double markedPx = std::max(1.0, f.px(grid.markedWidth));
    for (const GridLine& column : grid.columns) {
      const double x = std::floor(column.screen) + 0.5;
      f.canvas.line({x, 0}, {x, double(frame.height)}, column.marked ? markedPx : 1, paint);
    }
    for (const GridLine& row : grid.rows) {
      const double y = std::floor(row.screen) + 0.5;
      f.canvas.line({0, y}, {double(frame.width), y}, row.marked ? markedPx : 1, paint);
    }
    return;
  }
  const Paint paint{f.scheme.colours[kSlotDotGrid]};
  for (const GridLine& column : grid.columns) {
    for (const GridLine& row : grid.rows) {
      const double x = std::floor(column.screen);
      const double y = std::floor(row.screen);
      if (column.marked && row.marked) {
        f.canvas.fillRect(x + kGridCrossFrom, y, x + kGridCrossTo + 1, y + 1, paint);
        f.canvas.fillRect(x, y + kGridCrossFrom, x + 1, y + kGridCrossTo + 1, paint);
      } else {
        f.canvas.fillRect(x, y, x + 1, y + 1, paint);
      }
    }
  }
}

void drawObject(FrameContext& f, const TObjekt& o) {
  f.draw(o);
  // Autorouted tracks show a thin centre line in the autoroute tool.
  if (o.kind == kTrack && o.autorouted && f.options.autorouteTool && f.px(o.width) > 2) {
    TObjekt centre = o;
    centre.width = std::max(1, o.width / 4);
    centre.variant = 0;
    f.surface.setPaint(f.paintOf(f.scheme.colours[kSlotRubberBand]));
    f.painter.drawTrack(centre);
  }
}

// Steps 5 to 8: copper layers, vias, mask-only zones, then silkscreen and outline.
void drawLayerPasses(FrameContext& f) {
  const auto order = layerDrawingOrder(f.header.activeLayer);
  const auto& objects = f.board.objects;
  auto visible = [&](std::size_t i) {
    const TObjekt& o = *objects[i];
    return drawnInLayerPass(f, o) && objectVisible(o, f.header, f.options.showAllLayers) &&
           f.inView(i);
  };
  auto pass = [&](int layer) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
      const TObjekt& o = *objects[i];
      if (o.layer != layer || isVia(o) || isMaskOnlyZone(o) || f.maskOpeningStandsOut(o)) {
        continue;
      }
      if (visible(i)) drawObject(f, o);
    }
    f.endLayer();
  };
  for (int layer : order) {
    if (isCopperLayer(layer)) pass(layer);
  }
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    if (isVia(o) && !f.maskOpeningStandsOut(o) && visible(i)) drawObject(f, o);
  }
  f.endLayer();
  drawEachLayer(f, [&](std::size_t i) {
    return isMaskOnlyZone(*objects[i]) && !f.options.solderMaskMode && visible(i);
  });
  for (int layer : order) {
    if (!isCopperLayer(layer)) pass(layer);
  }
}

// A selected circle outside groups and components shows its centre and its arc's end points.
void drawCircleConstruction(FrameContext& f, const TObjekt& circle) {
  const Paint paint{f.invertedBackground};
  const DPoint c = f.at(circle.pos);
  const double arm = f.px(circle.dim.y / 5.0);
  f.canvas.line({c.x - arm, c.y}, {c.x + arm, c.y}, 1, paint);
  f.canvas.line({c.x, c.y - arm}, {c.x, c.y + arm}, 1, paint);
  const double radius = centreLineRadius(circle.dim.x, circle.dim.y);
  const DPoint start = f.at(pointOnArc(circle.pos, radius, circleStartAngle(circle)));
  const DPoint stop = f.at(pointOnArc(circle.pos, radius, circleStopAngle(circle)));
  f.canvas.strokePolyline({start, c, stop}, 1, LineCap::Butt, paint);
}

// Selecting an object does not show it where it would be hidden unselected (a hidden layer, a
// cut-out off its active layer or with the plane off).
bool drawnSelected(const FrameContext& f, const TObjekt& o) {
  return f.shownSelected(o) && o.drawable && !isHiddenLabel(o) &&
         objectVisible(o, f.header, f.options.showAllLayers);
}

// Step 9: the selection on top, in list order, then the construction of selected circles.
void drawSelection(FrameContext& f) {
  const auto& objects = f.board.objects;
  auto drawn = [&](std::size_t i) { return drawnSelected(f, *objects[i]) && f.inView(i); };
  drawEachLayer(f, drawn);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    if (o.kind == kCircle && o.groups.empty() && o.componentId == 0 && drawn(i)) {
      drawCircleConstruction(f, o);
    }
  }
}

// Step 10: in the solder-mask tool, the mask openings in the outline colour.
void drawMaskOpenings(FrameContext& f) {
  if (!f.options.solderMaskMode) return;
  const auto& objects = f.board.objects;
  drawEachLayer(f, [&](std::size_t i) {
    const TObjekt& o = *objects[i];
    return o.drawable && !f.shownSelected(o) && f.maskOpeningStandsOut(o) &&
           objectVisible(o, f.header, f.options.showAllLayers) && f.inView(i);
  });
}

Rgb holeColour(const RenderOptions& options, Rgb background) {
  switch (options.drillHoleColour) {
    case DrillHoleColour::White:
      return kWhite;
    case DrillHoleColour::Black:
      return kBlack;
    case DrillHoleColour::Background:
      break;
  }
  return background;
}

void drawHole(Canvas& canvas, DPoint centre, double radius, Rgb fill, Rgb outline) {
  if (radius <= 0) return;
  canvas.disc(centre, radius, {fill});
  canvas.circleOutline(centre, radius, 1, {outline});
}

// Step 11: drill holes of through-hole pads. What would be drawn with a size of zero or less
// (very small holes at low zoom) is left out.
void drawDrillHoles(FrameContext& f) {
  const Rgb hole = holeColour(f.options, f.background);
  const auto& objects = f.board.objects;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& pad = *objects[i];
    if (pad.kind != kPad || !pad.drawable || !(pad.dim.y > 0)) continue;
    if (!objectVisible(pad, f.header, f.options.showAllLayers) || !f.inView(i)) continue;
    const DPoint c = f.at(pad.pos);
    double radius = f.px(pad.dim.y);
    const bool pureHole = isPureHole(pad);
    if (!pureHole && f.canvas.antiAliased()) {
      radius = std::min(radius, f.px(pad.dim.x) - 1);  // keep a ring of copper visible
    }
    if (radius <= 0) continue;
    drawHole(f.canvas, c, radius, hole,
             pureHole               ? f.invertedBackground
             : f.shownSelected(pad) ? f.highlight
                                    : hole);
    if (!pureHole || f.options.showAllLayers) continue;
    const double d = (radius - 1) / 1.6 - 2;
    if (d <= 0) continue;
    const Paint cross{f.shownSelected(pad) ? f.highlight : f.scheme.layer(pad.layer)};
    f.canvas.line({c.x - d, c.y - d}, {c.x + d, c.y + d}, 1, cross);
    f.canvas.line({c.x - d, c.y + d}, {c.x + d, c.y - d}, 1, cross);
  }
}

void drawHandle(FrameContext& f, DPoint at, double radius, bool dragged) {
  if (dragged) {
    f.canvas.circleOutline(at, radius, 2, {kWhite});
    return;
  }
  f.canvas.disc(at, radius, {kBlue});
  f.canvas.circleOutline(at, radius, 1, {kWhite});
}

// Step 12: the handles of the one selected track, zone or circle.
void drawNodeHandles(FrameContext& f) {
  if (f.options.testMode || f.options.solderMaskMode || f.options.finishedBoard) return;
  const TObjekt* selected = nullptr;
  for (const auto& o : f.board.objects) {
    if (!o->selected) continue;
    if (selected) return;  // more than one
    selected = o.get();
  }
  if (!selected || !drawnSelected(f, *selected)) return;
  const TObjekt& o = *selected;
  if (o.kind == kTrack || o.kind == kZone) {
    const double radius = std::max(3.0, f.px(o.width / 2.1));
    const double insertRadius =
        std::max(1.0, f.px(static_cast<double>(std::lround(o.width / 2.1 * 0.7))));
    const auto& pts = o.points;
    const std::size_t gaps = o.kind == kZone ? pts.size() : pts.size() - 1;
    for (std::size_t i = 0; pts.size() >= 2 && i < gaps; ++i) {
      const FPoint a = pts[i];
      const FPoint b = pts[(i + 1) % pts.size()];
      f.canvas.circleOutline(f.at(midpoint(a, b)), insertRadius, 1, {kBlue});
    }
    for (std::size_t i = 0; i < pts.size(); ++i) {
      drawHandle(f, f.at(pts[i]), radius,
                 f.options.wholeObjectDrag || static_cast<int>(i) == f.options.draggedHandle);
    }
  } else if (o.kind == kCircle) {
    const double radius = std::max(3.0, f.px((o.dim.x - o.dim.y) / 2.0));
    const double middle = centreLineRadius(o.dim.x, o.dim.y);
    int index = 0;
    for (MilliDeg angle : {circleStartAngle(o), circleStopAngle(o)}) {
      drawHandle(f, f.at(pointOnArc(o.pos, middle, angle)), radius,
                 f.options.wholeObjectDrag || index++ == f.options.draggedHandle);
    }
  }
}

// Step 13: a cross at the centre of every group whose members are all drawable.
void drawGroupMarkers(FrameContext& f) {
  struct GroupExtent {
    TRect bounds;
    bool first = true;
    bool drawable = true;
  };
  if (f.options.finishedBoard) return;
  std::map<std::int32_t, GroupExtent> groups;
  for (const auto& o : f.board.objects) {
    if (o->groups.empty()) continue;
    GroupExtent& g = groups[o->groups.back()];
    const TRect r = objectBounds(*o, f.spokes);
    g.bounds = g.first ? r : unite(g.bounds, r);
    g.first = false;
    g.drawable = g.drawable && o->drawable;
  }
  const Paint paint{f.invertedBackground};
  const double arm = f.px(5000);
  for (const auto& [number, g] : groups) {
    if (!g.drawable) continue;
    const DPoint c = f.at({static_cast<float>((double(g.bounds.left) + g.bounds.right) / 2),
                           static_cast<float>((double(g.bounds.top) + g.bounds.bottom) / 2)});
    f.canvas.line({c.x - arm, c.y}, {c.x + arm, c.y}, 1, paint);
    f.canvas.line({c.x, c.y - arm}, {c.x, c.y + arm}, 1, paint);
  }
}

FPoint connectionPoint(const TObjekt& pad) {
  return pad.kind == kSmdPad && pad.points.size() == 4 ? smdPadCentre(pad) : pad.pos;
}

// Step 14: the rubber bands of pad connections. The lists are symmetric, so each band is drawn
// once, at the pad that comes first in the list, and always from its left (then upper) end:
// anti-aliased lines drawn in another order or direction differ in a few edge pixels, and the
// picture must not depend on where the pads were allocated.
void drawRubberBands(FrameContext& f) {
  if (f.options.finishedBoard) return;
  const double width = f.canvas.antiAliased() ? 1.5 : 1;
  std::unordered_map<const TObjekt*, std::size_t> place;
  for (std::size_t i = 0; i < f.board.objects.size(); ++i) {
    if (!f.board.objects[i]->connections.empty()) place.emplace(f.board.objects[i].get(), i);
  }
  for (std::size_t i = 0; i < f.board.objects.size(); ++i) {
    const TObjekt& a = *f.board.objects[i];
    for (const TObjekt* b : a.connections) {
      const auto other = place.find(b);
      if (other == place.end() || other->second <= i) continue;
      const bool highlighted = f.options.routingTool && a.selected && b->selected;
      const Paint paint{highlighted ? kMagenta : f.scheme.colours[kSlotRubberBand], f.objectBlend};
      FPoint from = connectionPoint(a);
      FPoint to = connectionPoint(*b);
      if (std::pair(to.x, to.y) < std::pair(from.x, from.y)) std::swap(from, to);
      f.canvas.line(f.at(from), f.at(to), width, paint);
    }
  }
}

// Step 16: the user origin.
void drawOriginMarker(FrameContext& f) {
  if (!f.options.showOrigin) return;
  const DPoint o =
      f.at({static_cast<float>(f.header.originX), static_cast<float>(f.header.originY)});
  const DPoint c{std::floor(o.x) + 0.5, std::floor(o.y) + 0.5};
  const Paint under{f.background};
  f.canvas.line({c.x - 16, c.y}, {c.x + 16, c.y}, 3, under);
  f.canvas.line({c.x, c.y - 16}, {c.x, c.y + 16}, 3, under);
  const Paint over{f.invertedBackground};
  f.canvas.line({c.x - 15, c.y}, {c.x + 15, c.y}, 1, over);
  f.canvas.line({c.x, c.y - 15}, {c.x, c.y + 15}, 1, over);
  if (f.canvas.antiAliased()) f.canvas.circleOutline(c, 2, 1, over);
}

}  // namespace

void renderBoard(const Board& board, const ViewTransform& view, const ColourScheme& scheme,
                 const RenderOptions& options, Frame& frame) {
  if (options.photo) {
    renderPhotoView(board, view, *options.photo, frame);
    return;
  }
  Canvas canvas(frame, options.antiAliased);
  FrameContext f(board, view, scheme, options, canvas);
  if (options.templateAlone) {
    f.canvas.clear(f.background);
    drawTemplate(f);
    drawGrid(f);
    drawOriginMarker(f);
    return;
  }
  fillBoardArea(f);
  drawGroundPlanes(f);
  drawTemplate(f);
  drawGrid(f);
  drawLayerPasses(f);
  drawSelection(f);
  drawMaskOpenings(f);
  drawDrillHoles(f);
  drawNodeHandles(f);
  drawGroupMarkers(f);
  drawRubberBands(f);
  drawOriginMarker(f);
}

Frame renderBoard(const Board& board, const ViewTransform& view, const ColourScheme& scheme,
                  const RenderOptions& options, int width, int height) {
  Frame frame(width, height);
  renderBoard(board, view, scheme, options, frame);
  return frame;
}

}  // namespace pravelo

namespace pravelo {

void drawDragPreview(Frame& frame, const std::vector<TObjekt>& moved, const ViewTransform& view,
                     const ColourScheme& scheme, const RenderOptions& options) {
  Canvas canvas(frame, options.antiAliased);
  CanvasSurface surface(canvas, view);
  ObjectPainter painter(surface);
  const bool dark = isDark(scheme.background());
  const std::uint8_t opacity = dark ? 230 : 170;
  const Rgb highlight = highlightColour(scheme.background());
  for (const TObjekt& o : moved) {
    if (!o.drawable || isHiddenLabel(o)) continue;
    const Rgb colour = o.selected ? highlight : scheme.layer(o.layer);
    surface.setPaint({colour, Blend::Normal, opacity});
    painter.draw(o);
  }
  for (const TObjekt& o : moved) {
    if (o.kind != kPad || !(o.dim.y > 0)) continue;
    const double radius = isPureHole(o) ? o.dim.y * view.zoom
                                        : std::min(o.dim.y * view.zoom, o.dim.x * view.zoom - 1);
    const Rgb hole = holeColour(options, scheme.background());
    drawHole(canvas, worldToScreen(view, o.pos), radius, hole, hole);
  }
}

}  // namespace pravelo
