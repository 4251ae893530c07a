#include "ui/board_view.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <optional>

#include "editing/editor.h"
#include "editing/tool_machine.h"
#include "editing/tools/circle_tool.h"
#include "editing/tools/connections_tool.h"
#include "editing/tools/edit_tool.h"
#include "editing/tools/line_tool.h"
#include "editing/tools/rectangle_tool.h"
#include "editing/tools/test_tool.h"
#include "editing/tools/zoom_tool.h"
#include "ui/coordinate_box_painter.h"
#include "ui/ruler_bar.h"
#include "view/auto_scroll.h"
#include "view/ruler.h"
#include "view/user_origin.h"
#include "view/view_transform.h"
#include "view/zoom_commands.h"

namespace pravelo {

namespace {

// The horizontal ruler lies above the viewport and starts under the corner, left of the
// vertical ruler; the vertical one starts a little above the viewport. The marker offsets
// are therefore the rulers' positions relative to the viewport.
constexpr int kHorizontalRulerHeight = 24;
constexpr int kVerticalRulerWidth = kHorizontalMarkerOffset;

double nowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

QPoint toQPoint(DPoint p) {
  const IPoint i = toIPoint(p);
  return {i.x, i.y};
}

MouseButton buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::None;
  }
}

Modifiers modifiersOf(Qt::KeyboardModifiers m) {
  return {(m & Qt::ShiftModifier) != 0, (m & Qt::ControlModifier) != 0, (m & Qt::AltModifier) != 0};
}

PointerEvent pointerEventOf(const QMouseEvent& event, Qt::MouseButton button) {
  return {{event.position().x(), event.position().y()},
          buttonOf(button),
          modifiersOf(event.modifiers())};
}

std::optional<Key> keyOf(int key) {
  switch (key) {
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Delete:
      return Key::Delete;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_F9:
      return Key::F9;
    case Qt::Key_F11:
      return Key::F11;
    case Qt::Key_F12:
      return Key::F12;
    case Qt::Key_Shift:
      return Key::Shift;
    case Qt::Key_Control:
      return Key::Control;
    default:
      return std::nullopt;
  }
}

Qt::CursorShape shapeOf(Cursor cursor) {
  switch (cursor) {
    case Cursor::Arrow:
      return Qt::ArrowCursor;
    case Cursor::Magnifier:
    case Cursor::Ring:
    case Cursor::Autoroute:
      return Qt::CrossCursor;
    case Cursor::Connect:
      return Qt::CrossCursor;
    case Cursor::Test:
    case Cursor::Hand:
      return Qt::PointingHandCursor;
    case Cursor::Node:
    case Cursor::Move:
      return Qt::SizeAllCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

BoardView::BoardView(QWidget* parent)
    : QAbstractScrollArea(parent),
      horizontalRuler_(new RulerBar(RulerAxis::Horizontal, this)),
      verticalRuler_(new RulerBar(RulerAxis::Vertical, this)) {
  setObjectName("ScrollBoxEx1");
  viewport()->setObjectName("PaintBox1");
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setViewportMargins(kVerticalRulerWidth, kHorizontalRulerHeight, 0, 0);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  connect(&blinkTimer_, &QTimer::timeout, this, &BoardView::blinkTick);
  blinkTimer_.start(500);
  horizontalRuler_->raise();
  autoScrollTimer_.setInterval(kAutoScrollPauseMs);
  connect(&autoScrollTimer_, &QTimer::timeout, this, &BoardView::autoScrollTimerTimer);
}

void BoardView::showActiveBoard(Document& doc, const ColourScheme& scheme,
                                const RenderOptions& options) {
  doc_ = &doc;
  scheme_ = &scheme;
  options_ = &options;
  picture_.invalidate();
  viewChanged();
}

bool BoardView::hasBoard() const {
  return doc_ != nullptr && doc_->activeBoard >= 0 &&
         doc_->activeBoard < static_cast<int>(doc_->boards.size());
}

Board& BoardView::board() const { return activeBoard(*doc_); }

PixelSize BoardView::viewportSize() const { return {viewport()->width(), viewport()->height()}; }

PixelSize BoardView::canvasSize() const {
  if (!hasBoard()) return {};
  const BoardHeader& header = board().header;
  return pravelo::canvasSize(header.width, header.height, header.zoom);
}

ViewFrame BoardView::frameOf() const { return viewFrameOf(board(), viewportSize()); }

ViewTransform BoardView::shownView() const {
  return editor_ != nullptr ? editor_->view() : viewOf(board().header);
}

bool BoardView::photoView() const { return editor_ != nullptr && editor_->photoViewOn; }

DPoint BoardView::worldAt(QPointF viewportPosition) const {
  if (!hasBoard()) return {};
  return screenToWorld(shownView(), {viewportPosition.x(), viewportPosition.y()});
}

void BoardView::viewChanged() {
  dropCrosshair();
  updateScrollBars();
  updateRulers();
  viewport()->update();
  emit viewMoved();
}

void BoardView::refresh() {
  picture_.invalidate();
  dropCrosshair();
  updateRulers();
  viewport()->update();
  emit pictureChanged();
}

void BoardView::refreshWorldRect(const TRect& world) {
  if (!hasBoard()) return;
  if (const auto part = picture_.refresh(board(), *scheme_, drawOptions(), world)) {
    const PixelSize size = viewportSize();
    crosshair_.refresh(
        picture_.picture(board(), shownView(), *scheme_, drawOptions(),
                         static_cast<int>(size.width), static_cast<int>(size.height)),
        *part);
    viewport()->update(part->x, part->y, part->width, part->height);
  }
  emit pictureChanged();
}

void BoardView::setUnit(LengthUnit unit) {
  unit_ = unit;
  updateRulers();
}

void BoardView::setMachine(Editor& editor, ToolMachine& machine) {
  editor_ = &editor;
  machine_ = &machine;
}

void BoardView::setToolCursor(Cursor cursor) { viewport()->setCursor(shapeOf(cursor)); }

void BoardView::overlayChanged() {
  viewport()->update();
  emit crosshairChanged();
}

void BoardView::dropCrosshair() {
  crosshair_.discard();
  if (editor_ != nullptr) pravelo::hide(editor_->crosshair);
}

void BoardView::openContextMenu(DPoint world) { emit contextMenuAt(world, QCursor::pos()); }

ToolMachine* BoardView::machine() {
  if (machine_ == nullptr || !hasBoard()) return nullptr;
  editor_->viewport = viewportSize();
  return machine_;
}

// The scroll bars span the drawing surface; a view scrolled beyond it (a smaller window, a
// stored position) is brought back first.
void BoardView::updateScrollBars() {
  syncingScrollBars_ = true;
  const PixelSize canvas = canvasSize();
  const PixelSize size = viewportSize();
  const PixelSize step = scrollStep(size);
  QScrollBar* bars[] = {horizontalScrollBar(), verticalScrollBar()};
  const std::int64_t ranges[] = {canvas.width - size.width, canvas.height - size.height};
  const std::int64_t pages[] = {size.width, size.height};
  const std::int64_t steps[] = {step.width, step.height};
  std::int64_t values[] = {0, 0};
  if (hasBoard()) {
    const ViewTransform v = clampScroll(shownView(), frameOf());
    storeView(board().header, v);
    values[0] = v.scrollX;
    values[1] = v.scrollY;
  }
  for (int i = 0; i < 2; ++i) {
    bars[i]->setRange(0, static_cast<int>(std::max<std::int64_t>(0, ranges[i])));
    bars[i]->setPageStep(static_cast<int>(pages[i]));
    bars[i]->setSingleStep(static_cast<int>(steps[i]));
    bars[i]->setValue(static_cast<int>(values[i]));
  }
  syncingScrollBars_ = false;
}

void BoardView::updateRulers() {
  if (!hasBoard()) return;
  const ViewTransform v = shownView();
  const IPoint origin{board().header.originX, board().header.originY};
  horizontalRuler_->follow(
      rulerSpecOf(RulerAxis::Horizontal, v, origin, unit_, kHorizontalMarkerOffset));
  verticalRuler_->follow(rulerSpecOf(RulerAxis::Vertical, v, origin, unit_, kVerticalMarkerOffset));
}

void BoardView::placeRulers() {
  const QRect area = contentsRect();
  horizontalRuler_->setGeometry(area.left(), area.top(), area.width(), kHorizontalRulerHeight);
  verticalRuler_->setGeometry(
      area.left(), area.top() + kHorizontalRulerHeight - kVerticalMarkerOffset, kVerticalRulerWidth,
      area.height() - kHorizontalRulerHeight + kVerticalMarkerOffset);
}

void BoardView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  placeRulers();
  // Tools chosen by a button, such as the photo view, work with the size of now.
  if (editor_ != nullptr) editor_->viewport = viewportSize();
  if (hasBoard()) viewChanged();
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  // Between discarding a document and showing the next one there is no board.
  if (!hasBoard()) {
    painter.fillRect(event->rect(), palette().window());
    return;
  }
  const PixelSize size = viewportSize();
  const Frame& frame =
      picture_.picture(board(), shownView(), *scheme_, drawOptions(), static_cast<int>(size.width),
                       static_cast<int>(size.height));
  std::optional<CoordinateBox> box;
  const QImage image = crosshairImage(frame, box);
  // Beyond the drawing surface (a board smaller than the window) lies the window's background.
  const PixelSize canvas = canvasSize();
  const BoardHeader& header = board().header;
  const QRect surface(-header.scrollX, -header.scrollY, static_cast<int>(canvas.width),
                      static_cast<int>(canvas.height));
  const QRect shown = event->rect() & surface;
  painter.drawImage(shown, image, shown);
  for (const QRect& r : QRegion(event->rect()) - QRegion(shown)) {
    painter.fillRect(r, palette().window());
  }
  if (box) paintBoxRows(painter, *box);
  drawOverlay(painter);
  drawDrcMarkers(painter);
  drawMillingPaths(painter);
}

void BoardView::setDrcMarkers(std::vector<DrcFinding> markers) {
  drcMarkers_ = std::move(markers);
  viewport()->update();
}

void BoardView::setMillingPaths(std::vector<std::vector<IPoint>> paths, const Board* board,
                                std::int32_t width) {
  millingPaths_ = std::move(paths);
  millingBoard_ = board;
  millingWidth_ = width;
  viewport()->update();
}

void BoardView::setMillingHairline(bool hairline) {
  millingHairline_ = hairline;
  viewport()->update();
}

void BoardView::drawMillingPaths(QPainter& painter) const {
  if (millingPaths_.empty() || !hasBoard() || &board() != millingBoard_ || photoView()) return;
  const ViewTransform v = shownView();
  const double width = millingHairline_ ? 0.0 : millingWidth_ * v.zoom;
  painter.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  for (const auto& path : millingPaths_) {
    QPolygonF polygon;
    for (const IPoint& p : path) {
      const DPoint s = worldToScreen(v, DPoint{static_cast<double>(p.x), static_cast<double>(p.y)});
      polygon << QPointF(s.x, s.y);
    }
    painter.drawPolygon(polygon);
  }
}

// Outlines where a finding has them, else its rectangle; a thin pen in the outline layer's
// colour with a diagonal hatch.
void BoardView::drawDrcMarkers(QPainter& painter) const {
  if (drcMarkers_.empty() || !hasBoard() || photoView()) return;
  const ViewTransform v = shownView();
  const Rgb c = scheme_->layer(kLayerO);
  const QColor colour(c.r, c.g, c.b);
  painter.setPen(QPen(colour, 0));
  painter.setBrush(QBrush(colour, Qt::BDiagPattern));
  for (const DrcFinding& f : drcMarkers_) {
    if (f.outlines.empty()) {
      const DPoint a = worldToScreen(
          v, DPoint{static_cast<double>(f.marker.left), static_cast<double>(f.marker.top)});
      const DPoint b = worldToScreen(
          v, DPoint{static_cast<double>(f.marker.right), static_cast<double>(f.marker.bottom)});
      painter.drawRect(QRectF(QPointF(a.x, a.y), QPointF(b.x, b.y)).normalized());
      continue;
    }
    for (const DrcOutline& outline : f.outlines) {
      QPolygonF polygon;
      for (const FPoint& p : outline) {
        const DPoint s = worldToScreen(v, p);
        polygon << QPointF(s.x, s.y);
      }
      painter.drawPolygon(polygon);
    }
  }
}

QImage BoardView::crosshairImage(const Frame& picture, std::optional<CoordinateBox>& box) {
  const Frame* shown = &picture;
  if (editor_ != nullptr && editor_->crosshair.shown) {
    const BoardHeader& header = board().header;
    OverlayContext context;
    context.view = shownView();
    context.width = picture.width;
    context.height = picture.height;
    context.background = scheme_->background();
    context.origin = userOrigin(header);
    context.unit = unit_;
    context.options = crosshairOptions(editor_->settings.optionen);
    context.boxTextWidth = boxTextWidth(context.options);
    const OverlayFigure figure = overlayFigure(editor_->crosshair, context);
    shown = &crosshair_.draw(picture, figure);
    box = figure.box;
  }
  return QImage(shown->pixels.data(), shown->width, shown->height, shown->width * 4,
                QImage::Format_RGBA8888);
}

void BoardView::updateOverlayWithin(const TRect& world) {
  if (!hasBoard()) return;
  const ViewTransform v = shownView();
  const DPoint a =
      worldToScreen(v, DPoint{static_cast<double>(world.left), static_cast<double>(world.top)});
  const DPoint b =
      worldToScreen(v, DPoint{static_cast<double>(world.right), static_cast<double>(world.bottom)});
  // A pixel more on each side for the antialiased edge.
  viewport()->update(QRectF(QPointF(a.x, a.y), QPointF(b.x, b.y))
                         .normalized()
                         .toAlignedRect()
                         .adjusted(-2, -2, 2, 2));
}

RenderOptions BoardView::drawOptions() const {
  RenderOptions options = *options_;
  options.dimmedHighlight = dimmed_;
  options.templateAlone = templateAlone_;
  // The photo view's colours come with its options; the scheme stays as it is.
  if (photoView()) options.photo = editor_->photo;
  return options;
}

void BoardView::setTemplateAlone(bool alone) {
  templateAlone_ = alone;
  refresh();
}

void BoardView::blinkTick() {
  if (machine_ == nullptr || editor_ == nullptr || !hasBoard()) return;
  auto* test = dynamic_cast<TestTool*>(&machine_->currentTool());
  const bool blinking = test != nullptr && editor_->settings.optionen.BlinkTest;
  if (!blinking && !dimmed_) return;
  dimmed_ = blinking && test->blinkTick();
  refresh();
}

// The segment, ring or rectangle a drawing tool is about to make, in the active layer's colour.
void BoardView::drawPreview(QPainter& painter, const Tool& tool) const {
  const ViewTransform v = shownView();
  const Rgb rgb = scheme_->layer(board().header.activeLayer);
  const QColor colour(rgb.r, rgb.g, rgb.b);
  const auto screen = [&v](DPoint world) {
    const DPoint p = worldToScreen(v, world);
    return QPointF(p.x, p.y);
  };
  painter.setRenderHint(QPainter::Antialiasing);
  if (const auto* connections = dynamic_cast<const ConnectionsTool*>(&tool)) {
    // Dotted, one pixel, inverting what lies below.
    if (const auto line = connections->rubberLine(board())) {
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      painter.setPen(QPen(QColor(0, 0, 255), 1, Qt::DotLine));
      painter.drawLine(screen(line->first), screen(line->second));
    }
    return;
  }
  if (const auto* line = dynamic_cast<const LineTool*>(&tool)) {
    // The pad under the pointer with the pads its rubber bands lead to.
    const Rgb mark = highlightColour(scheme_->background());
    painter.setPen(QPen(QColor(mark.r, mark.g, mark.b), 2));
    painter.setBrush(Qt::NoBrush);
    for (const TObjekt* pad : line->highlightedPads(*editor_)) {
      QPolygonF outline;
      for (const FPoint p : pad->points) outline << screen(toDPoint(p));
      painter.drawPolygon(outline);
    }
    const std::vector<DPoint> run = line->preview(*editor_);
    const double width = line->previewWidth(*editor_) * v.zoom;
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (run.size() == 1) {
      // The dot before the first click follows the pointer only while it is over the view.
      if (viewport()->underMouse()) painter.drawPoint(screen(run[0]));
      return;
    }
    QPolygonF polyline;
    for (const DPoint p : run) polyline << screen(p);
    painter.drawPolyline(polyline);
  } else if (const auto* circle = dynamic_cast<const CircleTool*>(&tool)) {
    if (const auto ring = circle->preview(*editor_)) {
      painter.setPen(QPen(colour, std::max(1.0, ring->width * v.zoom)));
      painter.setBrush(Qt::NoBrush);
      const double r = ring->radius * v.zoom;
      painter.drawEllipse(screen(ring->centre), r, r);
    }
  } else if (const auto* rectangle = dynamic_cast<const RectangleTool*>(&tool)) {
    if (const auto corners = rectangle->frame()) {
      painter.setPen(QPen(colour, 1, Qt::DashLine));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(screen(corners->first), screen(corners->second)).normalized());
    }
  }
}

// The frame the Edit or Zoom tool is drawing, dotted over the picture.
void BoardView::drawOverlay(QPainter& painter) const {
  if (machine_ == nullptr) return;
  const Tool& tool = machine_->currentTool();
  if (editor_ != nullptr) {
    painter.save();
    drawPreview(painter, tool);
    painter.restore();
  }
  std::optional<std::pair<DPoint, DPoint>> frame;
  if (const auto* edit = dynamic_cast<const EditTool*>(&tool)) {
    if (const auto world = edit->frame()) {
      const ViewTransform v = shownView();
      frame.emplace(worldToScreen(v, world->first), worldToScreen(v, world->second));
    }
  } else if (const auto* zoom = dynamic_cast<const ZoomTool*>(&tool)) {
    frame = zoom->frame();
  }
  if (!frame) return;
  painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(
      QRectF(QPointF(frame->first.x, frame->first.y), QPointF(frame->second.x, frame->second.y))
          .normalized());
}

void BoardView::scrollContentsBy(int, int) {
  if (syncingScrollBars_ || !hasBoard()) return;
  dropCrosshair();
  BoardHeader& header = board().header;
  header.scrollX = horizontalScrollBar()->value();
  header.scrollY = verticalScrollBar()->value();
  updateRulers();
  viewport()->update();
  emit viewMoved();
}

// Wheel up zooms in about the board point under the pointer, which then lies in the middle of
// the view; wheel down zooms out keeping the middle. The pointer follows its world point.
void BoardView::wheelEvent(QWheelEvent* event) {
  event->accept();
  ToolMachine* m = machine();
  if (m == nullptr) return;
  const QPoint delta = event->angleDelta();
  const int steps = wheel_.add(delta.y() != 0 ? delta.y() : delta.x(), nowMs());
  if (steps == 0) return;
  const DPoint pointer = m->wheel(DPoint{event->position().x(), event->position().y()}, steps);
  viewChanged();
  warpPointer(pointer);
}

// Wayland does not let a program move the pointer: there the view is centred all the same and
// the pointer stays where it is.
void BoardView::warpPointer(DPoint viewportPosition) {
  const QPoint target = toQPoint(viewportPosition);
  if (!QGuiApplication::platformName().startsWith("wayland")) {
    QCursor::setPos(viewport()->mapToGlobal(target));
  }
  pointerAt(viewport()->mapFromGlobal(QCursor::pos()));
}

void BoardView::pointerAt(QPoint position) {
  if (!hasBoard()) return;
  if (!viewport()->rect().contains(position)) {
    horizontalRuler_->setMarker(std::nullopt);
    verticalRuler_->setMarker(std::nullopt);
    return;
  }
  horizontalRuler_->setMarker(position.x() + kHorizontalMarkerOffset);
  verticalRuler_->setMarker(position.y() + kVerticalMarkerOffset);
  emit pointerMoved(worldAt(position));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  heldButtons_ = event->buttons();
  setFocus(Qt::MouseFocusReason);
  if (ToolMachine* m = machine()) {
    m->press(pointerEventOf(*event, event->button()));
    emit machineEvent();
  }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  heldButtons_ = event->buttons();
  const QPoint position = event->position().toPoint();
  if (heldButtons_ != Qt::NoButton) autoScrollAt(position);
  // While a track or zone is drawn the pointer stays over the drawing area.
  const QRect area = viewport()->rect();
  if (drawingLine() && !area.contains(position)) {
    warpPointer({static_cast<double>(std::clamp(position.x(), area.left(), area.right())),
                 static_cast<double>(std::clamp(position.y(), area.top(), area.bottom()))});
    return;
  }
  // The machine before the pointer report, so that the help line shows the new state's text.
  if (ToolMachine* m = machine()) m->move(pointerEventOf(*event, Qt::NoButton));
  pointerAt(position);
}

bool BoardView::drawingLine() const {
  return machine_ != nullptr && dynamic_cast<const LineTool*>(&machine_->currentTool()) &&
         machine_->currentTool().busy();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  heldButtons_ = event->buttons();
  if (heldButtons_ == Qt::NoButton) autoScrollTimer_.stop();
  if (ToolMachine* m = machine()) {
    m->release(pointerEventOf(*event, event->button()));
    emit machineEvent();
  }
}

// Qt sends press, release, double click, release; the machine has seen the first click whole.
void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
  heldButtons_ = event->buttons();
  if (ToolMachine* m = machine()) {
    m->doubleClick(pointerEventOf(*event, event->button()));
    emit machineEvent();
  }
}

void BoardView::leaveEvent(QEvent* event) {
  QAbstractScrollArea::leaveEvent(event);
  if (editor_ != nullptr && editor_->crosshair.shown) {
    pravelo::hide(editor_->crosshair);
    overlayChanged();
  }
  horizontalRuler_->setMarker(std::nullopt);
  verticalRuler_->setMarker(std::nullopt);
}

// While a button is held near an edge the view scrolls one step, the pointer position is
// re-issued, and the timer repeats the step every 30 ms as long as the pointer stays there.
void BoardView::autoScrollAt(QPoint position) {
  if (!hasBoard()) return;
  const ViewTransform v = shownView();
  const ViewTransform scrolled = autoScroll(v, frameOf(), {position.x(), position.y()});
  if (scrolled == v) {
    autoScrollTimer_.stop();
    return;
  }
  storeView(board().header, scrolled);
  viewChanged();
  pointerAt(position);
  if (!autoScrollTimer_.isActive()) autoScrollTimer_.start();
}

void BoardView::autoScrollTimerTimer() {
  if (heldButtons_ == Qt::NoButton) {
    autoScrollTimer_.stop();
    return;
  }
  autoScrollAt(viewport()->mapFromGlobal(QCursor::pos()));
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  if (!forwardKey(event, true)) QAbstractScrollArea::keyPressEvent(event);
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
  if (!forwardKey(event, false)) QAbstractScrollArea::keyReleaseEvent(event);
}

// Keys go to the machine except while Alt is held; Shift and Ctrl are reported as they change.
bool BoardView::forwardKey(QKeyEvent* event, bool down) {
  const Qt::KeyboardModifiers held = event->modifiers();
  // Platforms differ in whether a modifier key's own event counts it as held.
  if (event->key() == Qt::Key_Shift || event->key() == Qt::Key_Control) {
    const bool shift = event->key() == Qt::Key_Shift ? down : (held & Qt::ShiftModifier) != 0;
    const bool ctrl = event->key() == Qt::Key_Control ? down : (held & Qt::ControlModifier) != 0;
    emit modifierKeysChanged(shift, ctrl);
  }
  ToolMachine* m = machine();
  if (m == nullptr || (held & Qt::AltModifier)) return false;
  KeyEvent key;
  if (const auto special = keyOf(event->key())) {
    key.key = *special;
  } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
    key.character = event->text().at(0).unicode();
  } else {
    return false;
  }
  key.modifiers = modifiersOf(held);
  key.autoRepeat = event->isAutoRepeat();
  if (down) {
    m->keyDown(key);
  } else {
    m->keyUp(key);
  }
  emit machineEvent();
  return true;
}

}  // namespace pravelo
