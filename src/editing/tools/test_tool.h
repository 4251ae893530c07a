#pragma once

#include <vector>

#include "editing/tool.h"

namespace pravelo {

// Test tool: a click selects everything electrically joined to the copper under the pointer;
// with Shift the result is added to the previous one. The window blinks the result.
class TestTool : public Tool {
 public:
  ToolId id() const override { return ToolId::Test; }
  void start(Editor&, DPoint) override { tested_.clear(); }
  ToolResult press(Editor& editor, const PointerEvent& e) override;
  const Text* help() const override;

  // The blink timer's tick: true when the result is now to be drawn dimmed.
  bool blinkTick();
  bool dimmed() const { return dimmed_; }
  // The objects of the last test click, in the order reached.
  const std::vector<int>& tested() const { return tested_; }

 private:
  bool phase_ = false;
  bool dimmed_ = false;
  std::vector<int> tested_;
};

}  // namespace pravelo
