#pragma once

#include <QAbstractScrollArea>
#include <QTimer>

#include "copper/drc.h"
#include "document/document.h"
#include "editing/overlay_frame.h"
#include "editing/tool_table.h"
#include "geometry/length_text.h"
#include "geometry/point.h"
#include "geometry/rect.h"
#include "view/colour_scheme.h"
#include "view/frame_cache.h"
#include "view/render_options.h"
#include "view/wheel.h"
#include "view/zoom.h"

class QPainter;

namespace pravelo {

class RulerBar;
class Tool;
class ToolMachine;
struct Editor;

// The drawing area: a viewport on the virtual drawing surface of the active board (board size
// times zoom, never allocated), with the two rulers. The active board's header holds the zoom
// and the scroll positions; the scroll bars, the wheel and auto-scrolling change them there.
// The picture is drawn only when something changed and blitted on every paint.
class BoardView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);

  // Shows the active board of `doc`, and keeps showing whichever board is active; nothing while
  // the document has none. The document, scheme and options must outlive the view.
  void showActiveBoard(Document& doc, const ColourScheme& scheme, const RenderOptions& options);
  // The active board's zoom, scroll positions or user origin were changed: follow them.
  void viewChanged();
  // The board's objects, the colours or the display options changed: draw everything anew.
  void refresh();
  // Only the objects within `world` changed (their bounds before and after the change).
  void refreshWorldRect(const TRect& world);
  // The drawing tool's preview changed within `world` only.
  void updateOverlayWithin(const TRect& world);
  // The display unit of the rulers.
  void setUnit(LengthUnit unit);
  LengthUnit unit() const { return unit_; }
  // The colours the board is drawn in; the standard scheme before a board is shown.
  ColourScheme scheme() const { return scheme_ ? *scheme_ : standardScheme(); }
  // The tool machine that receives the pointer and the keys; both must outlive the view.
  void setMachine(Editor& editor, ToolMachine& machine);
  void setToolCursor(Cursor cursor);
  // The tools changed the crosshair overlay: it is drawn anew over the view's snapshot, or the
  // snapshot shown again when it is hidden.
  void overlayChanged();
  // Opens the context menu at a world point, under the pointer.
  void openContextMenu(DPoint world);

  // The places of the chosen design-rule findings, hatched over the board.
  void setDrcMarkers(std::vector<DrcFinding> markers);
  // Computed milling paths of `board`, drawn in white over it as wide as the cutter (`width`
  // units) or as hairlines; shown only while that board is the active one.
  void setMillingPaths(std::vector<std::vector<IPoint>> paths, const Board* board,
                       std::int32_t width);
  void setMillingHairline(bool hairline);
  const std::vector<std::vector<IPoint>>& millingPaths() const { return millingPaths_; }
  bool millingHairline() const { return millingHairline_; }
  // "Exclusive": the view shows the active side's scanned copy alone while it is held.
  void setTemplateAlone(bool alone);

  PixelSize viewportSize() const;
  // The size of the virtual drawing surface.
  PixelSize canvasSize() const;
  DPoint worldAt(QPointF viewportPosition) const;
  // The view as drawn, mirrored in the photo view of the bottom side, and what it draws.
  ViewTransform shownView() const;
  RenderOptions drawOptions() const;

 signals:
  void viewMoved();       // zoom or scroll positions changed
  void pictureChanged();  // the board was drawn anew
  // The pointer is over a world point (moved, or re-issued after scrolling under it).
  void pointerMoved(DPoint world);
  void contextMenuAt(DPoint world, QPoint globalPosition);
  // The tool machine handled a click or a key: the window shows its state anew. Pointer moves
  // only report `pointerMoved`; a drag ends with a release.
  void machineEvent();
  // Shift or Ctrl was pressed or released.
  void modifierKeysChanged(bool shift, bool ctrl);
  // The crosshair overlay changed (the coordinates panel follows it).
  void crosshairChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  bool hasBoard() const;
  Board& board() const;
  ViewFrame frameOf() const;
  // The photo view is on: the picture of the finished board without the editor's marks.
  bool photoView() const;
  void updateScrollBars();
  void updateRulers();
  void placeRulers();
  void pointerAt(QPoint position);
  void warpPointer(DPoint viewportPosition);
  bool drawingLine() const;
  void autoScrollAt(QPoint position);
  void autoScrollTimerTimer();
  // The viewport size goes to the editor first: the machine's zoom and picking need it.
  ToolMachine* machine();
  bool forwardKey(QKeyEvent* event, bool down);
  void drawOverlay(QPainter& painter) const;
  void drawDrcMarkers(QPainter& painter) const;
  void drawMillingPaths(QPainter& painter) const;
  // The picture is drawn anew or moved: the crosshair goes until the pointer moves again.
  void dropCrosshair();
  // The crosshair drawn over the snapshot of `picture`, with the rows of its coordinate box.
  QImage crosshairImage(const Frame& picture, std::optional<CoordinateBox>& box);
  void drawPreview(QPainter& painter, const Tool& tool) const;

  Document* doc_ = nullptr;
  const ColourScheme* scheme_ = nullptr;
  const RenderOptions* options_ = nullptr;
  Editor* editor_ = nullptr;
  ToolMachine* machine_ = nullptr;
  LengthUnit unit_ = LengthUnit::Mm;
  FrameCache picture_;
  OverlayFrame crosshair_;
  std::vector<DrcFinding> drcMarkers_;
  std::vector<std::vector<IPoint>> millingPaths_;
  const Board* millingBoard_ = nullptr;
  std::int32_t millingWidth_ = 0;
  bool millingHairline_ = false;
  bool templateAlone_ = false;
  WheelSteps wheel_;
  QTimer autoScrollTimer_;
  // The Test tool's 500 ms blink: every second tick draws the result dimmed.
  QTimer blinkTimer_;
  bool dimmed_ = false;
  void blinkTick();
  Qt::MouseButtons heldButtons_;
  bool syncingScrollBars_ = false;
  RulerBar* horizontalRuler_;
  RulerBar* verticalRuler_;
};

}  // namespace pravelo
