#pragma once

#include "base/text.h"
#include "editing/editor.h"
#include "editing/input_event.h"
#include "editing/tool_table.h"

namespace pravelo {

// What an event did to the gesture in progress: nothing yet, done (keep its undo step), or
// cancelled (take back everything it changed).
enum class ToolResult { Nothing, Commit, Revert };

// One tool of the machine. Each event comes with the editor; a tool records its undo step with
// `editor.beginChange()` before its first change and answers Commit or Revert when the gesture
// ends, so that every gesture makes exactly one undo step.
class Tool {
 public:
  virtual ~Tool() = default;

  virtual ToolId id() const = 0;
  // The tool has been chosen with the pointer at a world point; a tool that asks its values
  // first opens its dialog here.
  virtual void start(Editor&, DPoint) {}
  // The tool has handed back to the Edit tool, as when its dialog was cancelled.
  virtual bool ended() const { return false; }
  virtual ToolResult press(Editor&, const PointerEvent&) { return ToolResult::Nothing; }
  virtual ToolResult move(Editor&, const PointerEvent&) { return ToolResult::Nothing; }
  virtual ToolResult release(Editor&, const PointerEvent&) { return ToolResult::Nothing; }
  virtual ToolResult doubleClick(Editor&, const PointerEvent&) { return ToolResult::Nothing; }
  // Arrow keys and the like; false when the tool has no use for the key.
  virtual bool key(Editor&, const KeyEvent&, ToolResult&) { return false; }
  // Ends the operation in progress as Esc does (a track is finished, a placed text dropped).
  virtual ToolResult finish(Editor&) { return ToolResult::Nothing; }
  // Drawing or placing is in progress: undo, redo and the temporary zoom wait.
  virtual bool busy() const { return false; }
  // The last right press finished the tool's work instead of leaving the tool.
  virtual bool rightClickUsed() const { return false; }
  // The help line for the current state; nullptr keeps what the line shows.
  virtual const Text* help() const = 0;
  virtual Cursor cursor() const { return toolInfo(id()).cursor; }
};

}  // namespace pravelo
