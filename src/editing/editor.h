#pragma once

#include <memory>
#include <optional>
#include <string>

#include "document/document.h"
#include "document/undo_history.h"
#include "editing/component_dialog.h"
#include "editing/crosshair_overlay.h"
#include "editing/drawing_modes.h"
#include "editing/editor_host.h"
#include "editing/generator_dialogs.h"
#include "editing/repaint_sink.h"
#include "editing/size_fields.h"
#include "editing/tile_values.h"
#include "settings/settings.h"
#include "view/photo_view.h"
#include "view/view_transform.h"

namespace pravelo {

// What every tool works on: the document, the preferences, the window's answers and repaints,
// the size fields, and the undo step of the gesture in progress. One per main window.
struct Editor {
  Editor(Document& document, AppSettings& preferences, EditorHost& window, RepaintSink& repaints)
      : doc(document),
        settings(preferences),
        host(window),
        repaint(repaints),
        sizes(initialSizeFields(preferences.sizes)) {}

  Document& doc;
  AppSettings& settings;
  EditorHost& host;
  RepaintSink& repaint;
  PixelSize viewport{1600, 1000};
  SizeFields sizes;
  // Where the drawing area's context menu was opened last, for the commands it offers.
  DPoint contextPoint;
  // The name its "Select: " item offers, fixed as the menu opens (Windows-1252).
  std::string contextName;
  CrosshairOverlay crosshair;
  DrawingModes drawing;
  TileValues tile;
  FootprintValues footprint;
  ShapeValues shape{.frame = initialFrameValues(currentLanguage())};
  ComponentFields componentFields;
  // The photo view's options. Its side stays as last chosen for the run; the others come from
  // the settings each time the view opens (photo_view_commands.h).
  PhotoOptions photo;
  bool photoViewOn = false;

  // The undo step of the gesture in progress, recorded before its first change.
  std::optional<UndoStep> gesture;

  Board& board() { return activeBoard(doc); }
  const Board& board() const { return activeBoard(doc); }
  // The view as drawn: the photo view of the bottom side is mirrored.
  ViewTransform view() const {
    const BoardHeader& header = board().header;
    return photoViewOn ? photoViewTransform(viewOf(header), header, photo.side) : viewOf(header);
  }
  DPoint toWorld(DPoint screen) const { return screenToWorld(view(), screen); }
  int undoDepth() const { return pravelo::undoDepth(settings.optionen); }
  LengthUnit unit() const { return settings.optionen.MIL ? LengthUnit::Mil : LengthUnit::Mm; }

  // Records the gesture's undo step unless it is recorded already; call before the first change.
  void beginChange() {
    if (!gesture) gesture.emplace(doc, undoDepth());
  }
  // Ends the gesture: keeps its step, or reverts everything it changed.
  void commitGesture() {
    if (gesture) gesture->commit();
    gesture.reset();
  }
  // Ends the gesture keeping its step only when the board changed; returns whether it did.
  bool commitGestureIfChanged() {
    const bool changed = gesture && gesture->commitIfChanged();
    gesture.reset();
    return changed;
  }
  void revertGesture() { gesture.reset(); }
};

}  // namespace pravelo
