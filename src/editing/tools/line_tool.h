#pragma once

#include <vector>

#include "editing/tool.h"

namespace pravelo {

// Track and Zone tools: vertex by vertex in the current bend mode. The object in progress is the
// board's last object; a right click, Esc or another tool finishes it with the clean-up. A zone
// also closes on a click at its first vertex. F9 continues a track on the other side through a
// via. The whole object is one undo step.
class LineTool : public Tool {
 public:
  explicit LineTool(ToolId id) : id_(id) {}

  ToolId id() const override { return id_; }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  ToolResult move(Editor& editor, const PointerEvent& e) override;
  ToolResult release(Editor& editor, const PointerEvent& e) override;
  bool key(Editor& editor, const KeyEvent& e, ToolResult& result) override;
  ToolResult finish(Editor& editor) override;
  bool busy() const override { return line_ != nullptr; }
  bool rightClickUsed() const override { return rightClickUsed_; }
  const Text* help() const override;

  // For the preview: the pointer alone before the first click, else the last fixed vertex, the
  // bend point if any and the pointer.
  std::vector<DPoint> preview(const Editor& editor) const;
  // The width the preview is drawn with, in units.
  double previewWidth(const Editor& editor) const;
  // Before the first click of a track: the pad under the pointer and the pads it is connected
  // to, which are highlighted.
  std::vector<const TObjekt*> highlightedPads(const Editor& editor) const;

 private:
  const TObjekt* stillDrawn(const Editor& editor) const;
  TObjekt* lineInProgress(Editor& editor);
  void begin(Editor& editor, DPoint at);
  ToolResult addVertex(Editor& editor, DPoint at);
  // Finishes the object in progress: clean-up, or removal when too few vertices remain.
  void close(Editor& editor);
  ToolResult result(const Editor& editor) const;
  void continueThroughVia(Editor& editor);
  void changeLayer(Editor& editor, int layer);
  void changeWidth(Editor& editor, int by);
  void previewChanged(Editor& editor, DPoint pointer);

  ToolId id_;
  TObjekt* line_ = nullptr;
  DPoint pointer_;
  bool shown_ = false;        // the pointer has been over the drawing area
  bool keptObjects_ = false;  // the gesture already left objects on the board (F9)
  bool rightClickUsed_ = false;
};

}  // namespace pravelo
