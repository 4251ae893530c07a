#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "document/board_header.h"
#include "editing/scripted_window.h"
#include "editing/tool_machine.h"
#include "settings/settings.h"
#include "support/sample_layout.h"

namespace pravelo::testing {

// One millimetre in units, for readable positions.
inline constexpr double kMm = 10000;

// The grid of the fixture's board, in units.
inline constexpr float kFixtureGrid = 12700;

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() {
    auto board = std::make_unique<Board>();
    board->header = newBoardHeader(1000000, 800000);
    board->header.zoom = 0.01;
    board->header.scrollX = 0;
    board->header.scrollY = 0;
    board->header.grid = kFixtureGrid;
    board->header.activeLayer = kLayerC1;
    doc.boards.push_back(std::move(board));
    doc.activeBoard = 0;
    settings.optionen.Hotkeys = defaultHotkeys(Language::English);
  }

  Board& board() { return activeBoard(doc); }
  DPoint screen(double x, double y) { return worldToScreen(editor.view(), DPoint{x, y}); }
  void click(double x, double y, Modifiers m = {}, MouseButton b = MouseButton::Left) {
    machine.press({screen(x, y), b, m});
    machine.release({screen(x, y), b, m});
  }
  void drag(DPoint from, DPoint to, Modifiers m = {}, int steps = 4) {
    machine.press({screen(from.x, from.y), MouseButton::Left, m});
    for (int i = 1; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      machine.move({screen(from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t),
                    MouseButton::Left, m});
    }
    machine.release({screen(to.x, to.y), MouseButton::Left, m});
  }
  void type(char32_t c, bool repeat = false) {
    machine.keyDown({Key::Character, c, {}, repeat});
    machine.keyUp({Key::Character, c, {}, repeat});
  }
  void key(Key k, Modifiers m = {}, bool repeat = false) {
    machine.keyDown({k, 0, m, repeat});
    machine.keyUp({k, 0, m, repeat});
  }
  TObjekt* pad(double x, double y, int layer = kLayerC1) {
    TObjekt p = newObject();
    initPad(p, {static_cast<float>(x), static_cast<float>(y)}, static_cast<std::uint8_t>(layer),
            kPadCircular, 4000, 9000);
    return add(board(), std::move(p));
  }
  TObjekt* smd(double x, double y, int w, int h, int layer = kLayerC1) {
    TObjekt p = newObject();
    initSmdPad(p, {static_cast<float>(x), static_cast<float>(y)}, w,
               static_cast<std::uint8_t>(layer), h);
    return add(board(), std::move(p));
  }
  TObjekt* track(FPoint a, FPoint b, int layer = kLayerC1) {
    TObjekt t = newObject();
    initTrack(t, 2000, static_cast<std::uint8_t>(layer));
    addPoint(t, a);
    addPoint(t, b);
    return add(board(), std::move(t));
  }
  std::vector<int> selected() {
    std::vector<int> s;
    for (std::size_t i = 0; i < board().objects.size(); ++i) {
      if (board().objects[i]->selected) s.push_back(static_cast<int>(i));
    }
    return s;
  }

  Document doc;
  AppSettings settings;
  ScriptedWindow host;
  Editor editor{doc, settings, host, host};
  ToolMachine machine{editor};
};

}  // namespace pravelo::testing
