#pragma once

#include <map>
#include <memory>
#include <optional>

#include "editing/editor.h"
#include "editing/input_event.h"
#include "editing/tool.h"

namespace pravelo {

// The state machine of the drawing area: the current tool receives the pointer and key events;
// the machine handles what is common to all tools (choosing tools, hotkeys, the temporary zoom
// on Space, Esc, the layer keys, undo and redo). One per main window.
class ToolMachine {
 public:
  explicit ToolMachine(Editor& editor);
  ~ToolMachine();

  ToolId tool() const { return current_->id(); }
  // The current tool, for the window's overlay (frames being drawn).
  const Tool& currentTool() const { return *current_; }
  // The current tool for the window's timers (the Test tool's blink).
  Tool& currentTool() { return *current_; }
  // Ends the operation in progress, deselects as the new tool wants, sets cursor and sizes.
  void chooseTool(ToolId id);

  void press(const PointerEvent& e);
  void move(const PointerEvent& e);
  void release(const PointerEvent& e);
  void doubleClick(const PointerEvent& e);
  // Wheel notches at a screen point: positive zooms in about the pointer, negative out. Answers
  // where the pointer belongs afterwards (the view may have been centred on it).
  DPoint wheel(DPoint screen, int steps);
  void keyDown(const KeyEvent& e);
  void keyUp(const KeyEvent& e);

  bool canUndo() const;
  bool canRedo() const;
  void undo();
  void redo();
  // Deletes the selected objects as one undo step; false when nothing is selected.
  bool deleteSelection();

  // The help line while the pointer is over the drawing area; nullptr keeps the line.
  const Text* help() const { return current_->help(); }
  bool buttonHeld() const { return held_ != MouseButton::None; }

 private:
  Tool& toolFor(ToolId id);
  void apply(ToolResult result);
  void leaveIfEnded();
  bool commonKey(const KeyEvent& e);
  void switchActiveLayer(int layer);

  Editor& editor_;
  std::map<ToolId, std::unique_ptr<Tool>> tools_;
  Tool* current_ = nullptr;
  MouseButton held_ = MouseButton::None;
  DPoint lastPointer_;  // world point of the last pointer move
  // The tool to return to when Space is released after a temporary zoom.
  std::optional<ToolId> beforeSpaceZoom_;
};

}  // namespace pravelo
