#pragma once

#include <functional>

#include "editing/editor_host.h"
#include "editing/repaint_sink.h"

namespace pravelo {

class BoardView;

// The main window's side of the tool machine: messages and questions go to the window's host,
// repaints and cursors to the drawing area.
class WindowEditor : public EditorHost, public RepaintSink {
 public:
  WindowEditor(Host& host, BoardView& view, std::function<void(int topic)> openHelp)
      : host_(host), view_(view), openHelp_(std::move(openHelp)) {}

  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  Answer ask(const std::string& text, const std::string& title, Buttons buttons,
             MessageIcon icon) override;
  void showContextMenu(DPoint world) override;
  std::optional<NodeCommand> showNodeMenu(DPoint world, const NodeMenuState& state) override;
  std::optional<TextDialogValues> showTextDialog(const TextDialogValues& shown) override;
  std::optional<std::string> askValue(const std::string& title,
                                      const std::string& proposal) override;
  std::optional<TileValues> showTileDialog(const TileDialog& dialog) override;
  bool showFootprintDialog(FootprintDialog& dialog) override;
  bool showShapeDialog(ShapeDialog& dialog) override;
  ComponentDialogEnd showComponentDialog(ComponentSession& session) override;

  void repaintAll() override;
  void repaintWorld(const TRect& world) override;
  void viewChanged() override;
  void overlayChanged() override;
  void overlayChangedWithin(const TRect& world) override;
  void setCursor(Cursor cursor) override;

 private:
  Host& host_;
  BoardView& view_;
  std::function<void(int topic)> openHelp_;
};

}  // namespace pravelo
